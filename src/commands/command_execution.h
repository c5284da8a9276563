#pragma once

#include <string>

#include "commands/command_entry.h"

namespace velnor {

class CPlomDoc;

// The state of a menu item. Window commands ask the installed IWindowCommands, and so does the
// check mark of a document command without a check rule of its own; without windows they are
// enabled and unchecked.
bool IsCommandEnabled(const CommandEntry& entry, const CPlomDoc& doc);
bool IsCommandChecked(const CommandEntry& entry, const CPlomDoc& doc);

enum class ExecuteResult {
    kDone,
    kDisabled,       // the enabling rule refused it; nothing ran
    kNeedsDialog,    // the operation needs its dialog's values
    kViewTakesOver,  // a mouse tool of the view continues the command
    kWindowsOnly,    // a view or shell command and no windows to carry it out
};

// Why the command refuses these values (its check, or a value that does not read as its kind);
// empty when it takes them.
std::string RefusalOf(const CommandEntry& entry, const CPlomDoc& doc, const CommandParams& params);

// Runs the command as choosing its menu item does: checks the enabling rule, then runs the
// operation with the dialog values, or hands the command to the windows. A value whose name the
// command does not take, or that the command refuses, throws CommandError before anything runs,
// whether or not the command is enabled.
ExecuteResult ExecuteCommand(const CommandEntry& entry, CPlomDoc& doc, const CommandParams& params);

}  // namespace velnor
