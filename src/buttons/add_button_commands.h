#pragma once

#include "model/button_cells.h"
#include "model/page.h"

namespace velnor {

class CPlomDoc;

// Show/hide needs a selected vertex, line, face or solid; translate and rotate a vertex or a solid;
// the two series more than one selected button.
bool CanAddButton(const CGpage& page, ButtonKind kind);

// Creates a button of that kind on the current page from the selection and records it
// ("添加显示隐藏按钮", "添加平移按钮", "添加旋转按钮", "添加并行动作按钮", "添加串行动作按钮").
// Does nothing when the selection does not allow it. Returns whether a button was added.
bool AddButtonFromSelection(CPlomDoc& doc, ButtonKind kind);

}  // namespace velnor
