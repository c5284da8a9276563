#pragma once

#include <vector>

class QToolBar;

namespace velnor {

class CommandActions;

// A toolbar button: its tooltip and the command it runs; id 0 is a separator.
struct ToolButton {
    const char* tip;
    int id;
};

std::vector<ToolButton> MainToolBarButtons();
std::vector<ToolButton> ViewToolBarButtons();

// Buttons that follow the enabled and checked states of their menu items.
void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandActions& actions);

}  // namespace velnor
