#include "buttons/add_button_commands.h"

#include <memory>

#include "buttons/button_factory.h"
#include "editing/cmd_add_button.h"
#include "model/document.h"

namespace velnor {

namespace {

const char* CommandName(ButtonKind kind) {
    switch (kind) {
        case kButtonShow:
            return "添加显示隐藏按钮";
        case kButtonTranslate:
            return "添加平移按钮";
        case kButtonRotate:
            return "添加旋转按钮";
        case kButtonParallel:
            return "添加并行动作按钮";
        case kButtonSerial:
            return "添加串行动作按钮";
    }
    return "";
}

}  // namespace

bool CanAddButton(const CGpage& page, ButtonKind kind) {
    const bool pointOrSolid = !page.m_selPoints.empty() || !page.m_selSolids.empty();
    switch (kind) {
        case kButtonShow:
            return pointOrSolid || !page.m_selLines.empty() || !page.m_selFaces.empty();
        case kButtonTranslate:
        case kButtonRotate:
            return pointOrSolid;
        case kButtonParallel:
        case kButtonSerial:
            return page.m_selButtons.size() > 1;
    }
    return false;
}

bool AddButtonFromSelection(CPlomDoc& doc, ButtonKind kind) {
    if (!CanAddButton(doc.CurrentPage(), kind)) {
        return false;
    }
    CreateButton(doc.CurrentPage(), kind);
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddButton>(doc, CommandName(kind)));
    doc.SetModifiedFlag();
    return true;
}

}  // namespace velnor
