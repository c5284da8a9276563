#include "persistence/dangling_references.h"

#include <cstddef>
#include <set>
#include <utility>

#include "model/button_cells.h"

namespace velnor {

namespace {

template <typename Cell>
bool Holds(const CellMap<Cell>& map, int key) {
    return key >= 0 && key <= UINT16_MAX && map.contains(static_cast<uint16_t>(key));
}

// Keeps the entries whose place `keep` marks; entries past its end stay (a button's saved values
// may outnumber its targets).
template <typename T>
void KeepMarked(std::vector<T>& values, const std::vector<bool>& keep) {
    size_t kept = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i >= keep.size() || keep[i]) {
            values[kept++] = values[i];
        }
    }
    values.resize(kept);
}

class ReferenceSweep {
public:
    // Takes out of `keys` what `map` does not hold, saying "`who`引用了不存在的`what` KEY" for
    // each; returns which places were kept.
    template <typename Cell>
    std::vector<bool> Sweep(std::vector<int>& keys, const CellMap<Cell>& map,
                            const std::string& who, const char* what) {
        std::vector<bool> keep(keys.size());
        for (size_t i = 0; i < keys.size(); ++i) {
            keep[i] = Holds(map, keys[i]);
            if (!keep[i]) {
                m_found.push_back(who + "引用了不存在的" + what + " " + std::to_string(keys[i]));
            }
        }
        KeepMarked(keys, keep);
        return keep;
    }

    std::vector<std::string> Found() && { return std::move(m_found); }

private:
    std::vector<std::string> m_found;
};

void SweepSolidTargets(ReferenceSweep& sweep, const CGpage& page, CBtCmd& button,
                       const std::string& who) {
    const std::vector<bool> keep = sweep.Sweep(button.m_targetSolids, page.m_solids, who, "组件");
    if (auto* translate = dynamic_cast<CBtnTranslate*>(&button)) {
        KeepMarked(translate->m_savedSolidPos, keep);
    } else if (auto* rotate = dynamic_cast<CBtnRotatef*>(&button)) {
        KeepMarked(rotate->m_savedSolidPos, keep);
        KeepMarked(rotate->m_savedSolidAxis, keep);
        KeepMarked(rotate->m_savedSolidAngle, keep);
    }
}

// A serial series keeps its place at the member due next, unless that member is the one gone.
void SweepSerialMembers(ReferenceSweep& sweep, const CGpage& page, CBtnSerues2& series,
                        const std::string& who) {
    const std::vector<bool> keep = sweep.Sweep(series.m_members, page.m_buttons, who, "操作按钮");
    const int current = series.m_posCurrent;
    if (current < 0 || static_cast<size_t>(current) >= keep.size()) {
        return;
    }
    if (!keep[current]) {
        series.m_posCurrent = CBtnSerues2::kNoCurrent;
        series.m_nTick = 0;
        series.m_nNextStart = 0;
        return;
    }
    int before = 0;
    for (int i = 0; i < current; ++i) {
        before += keep[i] ? 1 : 0;
    }
    series.m_posCurrent = before;
}

}  // namespace

std::vector<std::string> DropDanglingReferences(CGpage& page) {
    ReferenceSweep sweep;
    sweep.Sweep(page.m_selLines, page.m_lines, "选中列表", "线");
    sweep.Sweep(page.m_selFaces, page.m_faces, "选中列表", "面");
    sweep.Sweep(page.m_selSolids, page.m_solids, "选中列表", "组件");
    for (auto& [key, button] : page.m_buttons) {
        const std::string who = "操作按钮 " + std::to_string(key) + " ";
        sweep.Sweep(button->m_targetLines, page.m_lines, who, "线");
        sweep.Sweep(button->m_targetFaces, page.m_faces, who, "面");
        SweepSolidTargets(sweep, page, *button, who);
        if (auto* parallel = dynamic_cast<CBtnSerues*>(button.get())) {
            sweep.Sweep(parallel->m_members, page.m_buttons, who, "操作按钮");
        } else if (auto* serial = dynamic_cast<CBtnSerues2*>(button.get())) {
            SweepSerialMembers(sweep, page, *serial, who);
        }
    }
    return std::move(sweep).Found();
}

std::vector<std::string> RenumberRepeatedPageIds(std::vector<std::unique_ptr<CGpage>>& pages,
                                                 uint16_t& nextPageId) {
    std::set<uint16_t> inFile;
    for (const auto& page : pages) {
        inFile.insert(page->m_nId);
    }
    std::vector<std::string> found;
    std::set<uint16_t> seen;
    for (const auto& page : pages) {
        if (seen.insert(page->m_nId).second) {
            continue;
        }
        if (inFile.size() > UINT16_MAX) {
            break;  // every id is taken; there is none to give
        }
        while (inFile.contains(nextPageId)) {
            ++nextPageId;
        }
        found.push_back("页号 " + std::to_string(page->m_nId) + " 重复，改为 " +
                        std::to_string(nextPageId));
        page->m_nId = nextPageId;
        inFile.insert(nextPageId++);
    }
    return found;
}

}  // namespace velnor
