#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/cell.h"

namespace velnor {

// A live measurement text: a value computed from up to six vertices, drawn at a fixed place
// of the window (measured from its right and top edges).
class CDTextCell final : public CGcell {
public:
    static constexpr int kMaxVerts = 6;

    explicit CDTextCell(uint8_t measureType = 0) : m_nType(measureType) {}

    const char* ClassName() const override { return "CDTextCell"; }
    bool operator==(const CDTextCell& other) const;

    std::span<const uint8_t> Verts() const { return {m_verts.data(), m_nVertCount}; }

    uint32_t m_nVertCount = 0;
    std::array<uint8_t, kMaxVerts> m_verts{};
    uint8_t m_nType = 0;
    float m_fValue = 0.0f;
    std::string m_strText;
    int32_t m_nPlaceX = 0;  // pixels from the right edge of the view to the text's start
    int32_t m_nPlaceY = 0;  // pixels from the top edge of the view to the baseline
};

}  // namespace velnor
