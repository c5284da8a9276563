#pragma once

#include <functional>
#include <string>
#include <vector>

#include "commands/command_params.h"

namespace velnor {

class CPlomDoc;

// Who carries out a command. Document commands run here, in the core, from the menus and from
// scripts alike; the others are carried out by the windows (see IWindowCommands), and the table
// holds them so that the menus, toolbars and accelerators can be built from one place.
enum class CommandOwner {
    kDocument,
    kView,   // camera, projections, mouse tools, timer, images
    kShell,  // files, printing, bars, notes pane, help
};

// What a document operation did.
enum class CommandOutcome {
    kDone,
    // Nothing was selected for the operation to act on at once: from the menu the view now takes
    // over (it enters a mouse tool that collects the cells); a script carries on.
    kViewTakesOver,
    // The selection does not give the values: from the menu the dialog opens and collects them,
    // then the operation runs again with them.
    kNeedsDialog,
};

using CommandRule = std::function<bool(const CPlomDoc&)>;
using CommandOperation = std::function<CommandOutcome(CPlomDoc&, const CommandParams&)>;
// The refusal of values the operation cannot take, in the words the user sees; empty when they
// are fine. Dialogs ask it before they close, scripts before the operation runs.
using CommandCheck = std::function<std::string(const CPlomDoc&, const CommandParams&)>;

// One item of the menus.
struct CommandEntry {
    int id = 0;
    std::string menu;  // "文件", "视图/投影类型", ...: the menu and submenu that show the item
    std::string text;               // the item's text, which scripts may use in place of the id
    std::vector<std::string> keys;  // accelerators, "Ctrl+Z", "Shift+←"
    std::string prompt;             // the status-bar prompt
    CommandOwner owner = CommandOwner::kDocument;
    std::vector<std::string> params;  // the names of the dialog values the operation takes
    bool dialogFirst = false;         // the menu opens the dialog before running the operation
    CommandRule enabled;              // none: always enabled
    CommandRule checked;              // none: never checked
    CommandOperation run;             // document commands only
    CommandCheck check;               // none: every value that reads as its kind is taken
};

// The table's placeholder for the verbs of an embedded object, "(OLE verb items)", has no menu
// item of its own.
inline bool IsPlaceholder(const CommandEntry& entry) {
    return entry.text.starts_with("(");
}

}  // namespace velnor
