#include "commands/command_table.h"

#include <charconv>

#include "commands/menu_items.h"

namespace velnor {

namespace {

std::vector<CommandEntry> BuildTable() {
    std::vector<CommandEntry> table;
    for (auto menu : {FileMenu, EditMenu, ViewMenu, SelectMenu, CreateMenu, TransformMenu,
                      MeasureMenu, PictureMenu, HelpMenu}) {
        AppendMenu(table, menu());
    }
    return table;
}

bool TextMatches(const std::string& text, std::string_view wanted) {
    if (text == wanted) {
        return true;
    }
    constexpr std::string_view kDots = "...";
    return text.size() == wanted.size() + kDots.size() && text.starts_with(wanted) &&
           text.ends_with(kDots);
}

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = BuildTable();
    return table;
}

const CommandEntry* FindCommand(int id) {
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

const CommandEntry* FindCommand(std::string_view idOrText) {
    int id = 0;
    const char* end = idOrText.data() + idOrText.size();
    auto [ptr, ec] = std::from_chars(idOrText.data(), end, id);
    if (ec == std::errc() && ptr == end) {
        return FindCommand(id);
    }
    for (const CommandEntry& entry : CommandTable()) {
        if (TextMatches(entry.text, idOrText)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace velnor
