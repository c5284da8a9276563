#include "commands/menu_items.h"

#include "model/document.h"

namespace velnor {

CommandEntry WindowItem(CommandOwner owner, int id, std::string text, std::string prompt,
                        std::vector<std::string> keys) {
    CommandEntry entry;
    entry.id = id;
    entry.text = std::move(text);
    entry.prompt = std::move(prompt);
    entry.keys = std::move(keys);
    entry.owner = owner;
    return entry;
}

CommandEntry TakesFile(CommandEntry entry) {
    entry.params = {"file"};
    return entry;
}

CommandEntry DocumentItem(int id, std::string text, std::string prompt, CommandOperation run,
                          CommandRule enabled, std::vector<std::string> keys) {
    CommandEntry entry = WindowItem(CommandOwner::kDocument, id, std::move(text), std::move(prompt),
                                    std::move(keys));
    entry.run = std::move(run);
    entry.enabled = std::move(enabled);
    return entry;
}

CommandOperation Plain(void (*operation)(CPlomDoc&)) {
    return [operation](CPlomDoc& doc, const CommandParams&) {
        operation(doc);
        return CommandOutcome::kDone;
    };
}

CommandOperation Plain(bool (*operation)(CPlomDoc&)) {
    return [operation](CPlomDoc& doc, const CommandParams&) {
        operation(doc);
        return CommandOutcome::kDone;
    };
}

CommandRule PageAllows(bool (*allowed)(const CGpage&)) {
    return [allowed](const CPlomDoc& doc) { return allowed(doc.CurrentPage()); };
}

std::vector<CommandEntry> InMenu(const std::string& menu, std::vector<CommandEntry> entries) {
    for (CommandEntry& entry : entries) {
        entry.menu = menu;
    }
    return entries;
}

void AppendMenu(std::vector<CommandEntry>& items, std::vector<CommandEntry> more) {
    for (CommandEntry& entry : more) {
        items.push_back(std::move(entry));
    }
}

}  // namespace velnor
