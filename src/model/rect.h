#pragma once

#include <cstdint>

namespace velnor {

// A window rectangle in client pixels, stored as four LONGs.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const CRect&) const = default;
};

}  // namespace velnor
