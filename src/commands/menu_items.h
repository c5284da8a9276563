#pragma once

#include <string>
#include <vector>

#include "commands/command_entry.h"

namespace velnor {

class CGpage;

// Helpers for writing the menus of the command table.

CommandEntry WindowItem(CommandOwner owner, int id, std::string text, std::string prompt,
                        std::vector<std::string> keys = {});
inline CommandEntry ViewItem(int id, std::string text, std::string prompt,
                             std::vector<std::string> keys = {}) {
    return WindowItem(CommandOwner::kView, id, std::move(text), std::move(prompt), std::move(keys));
}
inline CommandEntry ShellItem(int id, std::string text, std::string prompt,
                              std::vector<std::string> keys = {}) {
    return WindowItem(CommandOwner::kShell, id, std::move(text), std::move(prompt),
                      std::move(keys));
}

// A window command whose only input is a file dialog: a script names the file as `file=PATH`.
CommandEntry TakesFile(CommandEntry entry);

// A document command.
CommandEntry DocumentItem(int id, std::string text, std::string prompt, CommandOperation run,
                          CommandRule enabled = {}, std::vector<std::string> keys = {});

// An operation that takes no values and always completes; one that returns whether it added
// anything says why not itself.
CommandOperation Plain(void (*operation)(CPlomDoc&));
CommandOperation Plain(bool (*operation)(CPlomDoc&));

// Enabled while the current page allows the command.
CommandRule PageAllows(bool (*allowed)(const CGpage&));

// Names the menu of every entry.
std::vector<CommandEntry> InMenu(const std::string& menu, std::vector<CommandEntry> entries);

// Moves the entries to the end of `items`.
void AppendMenu(std::vector<CommandEntry>& items, std::vector<CommandEntry> more);

// The menus, in menu-bar order.
std::vector<CommandEntry> FileMenu();
std::vector<CommandEntry> EditMenu();
std::vector<CommandEntry> ViewMenu();
std::vector<CommandEntry> SelectMenu();
std::vector<CommandEntry> CreateMenu();
std::vector<CommandEntry> TransformMenu();
std::vector<CommandEntry> MeasureMenu();
std::vector<CommandEntry> PictureMenu();
std::vector<CommandEntry> HelpMenu();

}  // namespace velnor
