#pragma once

#include <cstdint>

#include "model/cell.h"

namespace velnor {

enum LineKind : uint8_t { kSegment = 0, kRay = 1, kStraightLine = 2, kVector = 3 };

// A segment, ray, line or vector between two vertices of its page.
class CLineCell final : public CGcell {
public:
    // A segment: the page gives a line made for the user the current kind.
    CLineCell();
    CLineCell(uint8_t start, uint8_t end, uint8_t kind);

    const char* ClassName() const override { return "CLineCell"; }
    bool operator==(const CLineCell&) const = default;

    // Swaps the ends: a vector then points the other way, a ray starts from the other vertex.
    void Reverse();

    uint8_t m_nStart = 0;
    uint8_t m_nEnd = 0;
    uint8_t m_nKind = kSegment;
};

}  // namespace velnor
