#include "model/face_cell.h"

#include <algorithm>
#include <stdexcept>

namespace velnor {

CFaceCell::CFaceCell(std::string name, std::span<const uint8_t> verts) : CGcell(std::move(name)) {
    if (verts.size() > kMaxVerts) {
        throw std::length_error("a face holds at most 20 vertices");
    }
    std::copy(verts.begin(), verts.end(), m_pVerts.begin());
    m_nVerts = static_cast<uint8_t>(verts.size());
}

std::unique_ptr<CFaceCell> MakeFace(std::span<const uint8_t> verts) {
    switch (verts.size()) {
        case 3: return std::make_unique<CFace3>(verts);
        case 4: return std::make_unique<CFace4>(verts);
        default: return std::make_unique<CFacen>(verts);
    }
}

bool CFaceCell::operator==(const CFaceCell& other) const {
    return CGcell::operator==(other) && m_nVerts == other.m_nVerts &&
           std::equal(Verts().begin(), Verts().end(), other.Verts().begin()) &&
           std::string_view(ClassName()) == other.ClassName();
}

}  // namespace velnor
