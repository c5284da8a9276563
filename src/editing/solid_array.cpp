#include "editing/solid_array.h"

#include <memory>
#include <string>

#include "editing/cmd_add_cells.h"
#include "editing/cmd_compound.h"
#include "editing/cmd_del_cell.h"
#include "editing/cmd_release_solid.h"
#include "model/document.h"

namespace velnor {

namespace {

constexpr int kMaxCount = 10;

// Offset of copy `place` (1-based) of `count` copies spaced `distance` apart, centred on zero.
float Offset(int count, float distance, int place) {
    return -(count - 1) * distance / 2 + (place - 1) * distance;
}

int AddCopies(CGpage& page, const CSubassembly& original, const SolidArrayLayout& layout) {
    const auto& [nx, ny, nz] = layout.counts;
    const auto& [dx, dy, dz] = layout.distances;
    const Float3 origin = original.m_position;
    for (int k = 1; k <= nx; ++k) {
        for (int j = 1; j <= ny; ++j) {
            for (int i = 1; i <= nz; ++i) {
                std::unique_ptr<CSubassembly> copy = original.Clone();
                copy->m_position = {origin[0] + Offset(nx, dx, k), origin[1] + Offset(ny, dy, j),
                                    origin[2] + Offset(nz, dz, i)};
                copy->m_strName += {static_cast<char>('0' + k), static_cast<char>('0' + j),
                                    static_cast<char>('0' + i)};
                page.AddSolid(std::move(copy));
            }
        }
    }
    return nx * ny * nz;
}

}  // namespace

bool AddSolidArray(CPlomDoc& doc, const SolidArrayLayout& layout) {
    CGpage& page = doc.CurrentPage();
    for (int count : layout.counts) {
        if (count < 1 || count > kMaxCount) {
            return false;
        }
    }
    if (page.m_selSolids.size() != 1) {
        return false;
    }
    const int key = page.m_selSolids.front();
    const auto it = page.m_solids.find(static_cast<uint16_t>(key));
    if (it == page.m_solids.end()) {
        return false;
    }
    const int copies = AddCopies(page, *it->second, layout);

    auto compound = std::make_unique<CCmdCompound>("添加组件阵列");
    CCmdCompound& recorded = *compound;
    doc.CommandProcessor().AddCommand(std::move(compound));
    recorded.Append(std::make_unique<CCmdAddTis>(copies, doc, "添加组件"));
    recorded.Append(std::make_unique<CCmdReleaseSolid>(doc, key)).Redo();
    auto deletion = std::make_unique<CCmdDelCell>(doc);
    deletion->m_solidIds = {key};
    recorded.Append(std::move(deletion)).Redo();

    page.m_selSolids.clear();
    doc.Refresh(kHintSolids);
    return true;
}

}  // namespace velnor
