#pragma once

#include <vector>

class QToolBar;

namespace velnor {

class CPlomDoc;
class CommandActions;

// A toolbar button: its tooltip and the command it runs; id 0 is a separator. The two fixed
// solids have a button but no menu item: they run `add` on the document.
struct ToolButton {
    const char* tip;
    int id;
    bool (*add)(CPlomDoc&) = nullptr;
};

std::vector<ToolButton> MainToolBarButtons();
std::vector<ToolButton> ViewToolBarButtons();

// Buttons that follow the enabled and checked states of their menu items.
void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandActions& actions,
                 CPlomDoc& doc);

}  // namespace velnor
