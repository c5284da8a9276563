#pragma once

namespace velnor {

class CPlomDoc;

// "隐藏对象": hides every selected vertex (its label and dot; lines and faces through it still
// draw), line, face, solid, button and text, and empties the selection. Not recorded.
void HideSelected(CPlomDoc& doc);
bool CanHideSelected(const CPlomDoc& doc);

// "显示所有隐藏": shows every vertex and cell of the current page again. Not recorded.
void ShowAllHidden(CPlomDoc& doc);

}  // namespace velnor
