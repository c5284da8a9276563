#include "commands/script_selection.h"

#include <algorithm>
#include <map>

#include "commands/command_error.h"
#include "commands/script_line.h"
#include "commands/selection_commands.h"
#include "model/document.h"

namespace velnor {

namespace {

template <typename Cell>
bool HasKey(const CellMap<Cell>& cells, int key) {
    return key >= 0 && key <= 0xFFFF && cells.contains(static_cast<uint16_t>(key));
}

bool Exists(const CGpage& page, SelectionKind kind, int item) {
    switch (kind) {
        case SelectionKind::kPoints:
            return item >= 0 && item < page.m_nVertexCount;
        case SelectionKind::kLines:
            return HasKey(page.m_lines, item);
        case SelectionKind::kFaces:
            return HasKey(page.m_faces, item);
        case SelectionKind::kSolids:
            return HasKey(page.m_solids, item);
        case SelectionKind::kButtons:
            return HasKey(page.m_buttons, item);
        case SelectionKind::kTexts:
            return HasKey(page.m_texts, item);
    }
    return false;
}

const std::map<std::string, SelectionKind>& KindsByName() {
    static const std::map<std::string, SelectionKind> kinds{
        {"points", SelectionKind::kPoints},   {"lines", SelectionKind::kLines},
        {"faces", SelectionKind::kFaces},     {"solids", SelectionKind::kSolids},
        {"buttons", SelectionKind::kButtons}, {"texts", SelectionKind::kTexts},
    };
    return kinds;
}

std::vector<int> ReadItems(const CGpage& page, SelectionKind kind,
                           const std::vector<std::string>& words) {
    std::vector<int> items;
    for (size_t i = 2; i < words.size(); ++i) {
        const int item = ReadInteger(words[i], "item", 0, 0xFFFF);
        if (!Exists(page, kind, item)) {
            throw CommandError("the page has no " + words[1] + " item " + words[i]);
        }
        if (std::find(items.begin(), items.end(), item) != items.end()) {
            throw CommandError(words[i] + " is selected twice");
        }
        items.push_back(item);
    }
    return items;
}

}  // namespace

void ScriptSelect(CPlomDoc& doc, const std::vector<std::string>& words) {
    const char* usage =
        "usage: select points|lines|faces|solids|buttons|texts ITEM... | page | none";
    if (words.size() < 2) {
        throw CommandError(usage);
    }
    if (words[1] == "page" || words[1] == "none") {
        if (words.size() != 2) {
            throw CommandError(usage);
        }
        if (words[1] == "page") {
            SelectCurrentPage(doc);
        } else {
            Deselect(doc);
        }
        return;
    }
    auto kind = KindsByName().find(words[1]);
    if (kind == KindsByName().end()) {
        throw CommandError(usage);
    }
    CGpage& page = doc.CurrentPage();
    page.Selection(kind->second) = ReadItems(page, kind->second, words);
    EndPageSelection(doc);
    doc.Redraw();
}

}  // namespace velnor
