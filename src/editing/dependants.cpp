#include "editing/dependants.h"

#include <algorithm>
#include <span>

namespace velnor {

namespace {

bool Contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

template <typename Values>
bool AnyIn(const Values& values, const std::vector<int>& list) {
    return std::any_of(values.begin(), values.end(),
                       [&](int value) { return Contains(list, value); });
}

// Appends the keys of the map's cells that are not selected yet and that `depends` accepts.
// Returns whether any was added.
template <typename Cell, typename Depends>
bool SelectWhere(const CellMap<Cell>& map, std::vector<int>& selected, Depends depends) {
    bool added = false;
    for (const auto& [key, cell] : map) {
        if (!Contains(selected, key) && depends(*cell)) {
            selected.push_back(key);
            added = true;
        }
    }
    return added;
}

}  // namespace

void ExtendSelectionWithDependants(CGpage& page) {
    const std::vector<int>& points = page.m_selPoints;
    SelectWhere(page.m_lines, page.m_selLines, [&](const CLineCell& line) {
        return Contains(points, line.m_nStart) || Contains(points, line.m_nEnd);
    });
    SelectWhere(page.m_faces, page.m_selFaces,
                [&](const CFaceCell& face) { return AnyIn(face.Verts(), points); });
    SelectWhere(page.m_texts, page.m_selTexts,
                [&](const CDTextCell& text) { return AnyIn(text.Verts(), points); });
    SelectWhere(page.m_buttons, page.m_selButtons, [&](const CBtCmd& button) {
        return AnyIn(button.m_targetVerts, points) ||
               AnyIn(button.m_targetLines, page.m_selLines) ||
               AnyIn(button.m_targetFaces, page.m_selFaces) ||
               AnyIn(button.m_targetSolids, page.m_selSolids);
    });
    auto hasSelectedMember = [&](const CBtCmd& button) {
        const std::vector<int>* members = SeriesMembers(button);
        return members && AnyIn(*members, page.m_selButtons);
    };
    while (SelectWhere(page.m_buttons, page.m_selButtons, hasSelectedMember)) {
    }
}

}  // namespace velnor
