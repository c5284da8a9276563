#include "editing/page_operations.h"

#include "editing/cmd_new_del_page.h"
#include "editing/cmd_switch_page.h"
#include "model/document.h"

namespace velnor {

namespace {

bool RecordSwitch(CPlomDoc& doc, int offset) {
    if (offset == 0) {
        return false;
    }
    auto cmd = std::make_unique<CCmdSwitchPage>(offset, doc);
    CCmd& recorded = *cmd;
    doc.CommandProcessor().AddCommand(std::move(cmd));
    return recorded.Redo();
}

}  // namespace

void NewPage(CPlomDoc& doc) {
    doc.m_bPageSelected = false;
    InsertPage(doc, doc.CreatePage(), "新建页");
}

void InsertPage(CPlomDoc& doc, std::unique_ptr<CGpage> page, const std::string& name) {
    auto cmd =
        std::make_unique<CCmdNewDelPage>(CCmdNewDelPage::kInsert, doc, name, std::move(page));
    CCmd& recorded = *cmd;
    doc.CommandProcessor().AddCommand(std::move(cmd));
    recorded.Redo();
}

bool NextPage(CPlomDoc& doc) {
    return !doc.IsLastPage() && RecordSwitch(doc, 1);
}

bool PreviousPage(CPlomDoc& doc) {
    return !doc.IsFirstPage() && RecordSwitch(doc, -1);
}

bool SwitchToPage(CPlomDoc& doc, int position) {
    if (position < 1 || position > static_cast<int>(doc.m_pages.size())) {
        return false;
    }
    return RecordSwitch(doc, position - doc.CurrentPageNumber());
}

}  // namespace velnor
