#include "editing/clear_operation.h"

#include <memory>

#include "editing/cmd_del_cell.h"
#include "editing/cmd_new_del_page.h"
#include "editing/dependants.h"
#include "model/document.h"

namespace velnor {

namespace {

void DeleteSelection(CPlomDoc& doc) {
    auto cmd = std::make_unique<CCmdDelCell>(doc);
    cmd->TakeSelection(doc.CurrentPage());
    CCmd& recorded = *cmd;
    doc.CommandProcessor().AddCommand(std::move(cmd));
    recorded.Redo();
}

void DeleteCurrentPage(CPlomDoc& doc) {
    if (doc.m_pages.size() == 1) {
        doc.CurrentPage().SelectEverything();
        DeleteSelection(doc);
        doc.m_bPageSelected = false;
        return;
    }
    auto cmd = std::make_unique<CCmdNewDelPage>(CCmdNewDelPage::kDelete, doc, "删除页");
    cmd->Redo();
    doc.CommandProcessor().AddCommand(std::move(cmd));
    doc.m_bPageSelected = false;
    doc.Refresh(kHintPageLabel);
}

}  // namespace

void ClearSelected(CPlomDoc& doc, bool selectingImageRegion) {
    if (selectingImageRegion) {
        return;
    }
    if (doc.m_bPageSelected) {
        DeleteCurrentPage(doc);
    } else {
        CGpage& page = doc.CurrentPage();
        if (!page.HasSelection()) {
            return;
        }
        ExtendSelectionWithDependants(page);
        DeleteSelection(doc);
    }
    doc.SetModifiedFlag();
    doc.Redraw();
}

}  // namespace velnor
