#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "model/cell.h"

namespace velnor {

// A planar polygon over vertices of its page. The three stored classes differ only in how many
// vertices they hold and how they are drawn.
class CFaceCell : public CGcell {
public:
    static constexpr int kMaxVerts = 20;

    std::span<const uint8_t> Verts() const { return {m_pVerts.data(), m_nVerts}; }
    bool operator==(const CFaceCell& other) const;

    std::array<uint8_t, kMaxVerts> m_pVerts{};
    uint8_t m_nVerts = 0;

protected:
    CFaceCell(std::string name, std::span<const uint8_t> verts);
};

class CFace3 final : public CFaceCell {
public:
    explicit CFace3(std::span<const uint8_t> verts = {}) : CFaceCell("", verts) { m_nVerts = 3; }
    const char* ClassName() const override { return "CFace3"; }
};

class CFace4 final : public CFaceCell {
public:
    explicit CFace4(std::span<const uint8_t> verts = {}) : CFaceCell("", verts) { m_nVerts = 4; }
    const char* ClassName() const override { return "CFace4"; }
};

// A polygon of 5 to 20 vertices; its creator sets the count.
class CFacen final : public CFaceCell {
public:
    explicit CFacen(std::span<const uint8_t> verts = {}) : CFaceCell("", verts) {}
    const char* ClassName() const override { return "CFacen"; }
};

// A face over these vertices, of the class its vertex count calls for.
std::unique_ptr<CFaceCell> MakeFace(std::span<const uint8_t> verts);

}  // namespace velnor
