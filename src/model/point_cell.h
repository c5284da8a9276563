#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velnor {

// A snapshot of one vertex row, kept by the undo commands for before and after states.
class CPointCell {
public:
    CPointCell() = default;
    CPointCell(const std::array<float, 3>& pos, const std::array<float, 3>& color, std::string label,
               uint8_t shown)
        : m_pos(pos), m_color(color), m_label(std::move(label)), m_bShown(shown) {}

    bool operator==(const CPointCell&) const = default;

    std::array<float, 3> m_pos{};
    std::array<float, 3> m_color{};
    std::string m_label;
    uint8_t m_bShown = 0;
};

}  // namespace velnor
