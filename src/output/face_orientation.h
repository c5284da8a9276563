#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velnor {

// Whether each face must be turned round so that all of them face outwards: faces that meet
// along an edge run it in opposite directions, and each closed piece encloses a positive
// volume. Nothing when the faces do not close: some edge is not shared by exactly two of them.
// Faces are given by the indices of their corners in `positions`.
std::optional<std::vector<bool>> OutwardFlips(const std::vector<std::vector<uint8_t>>& faces,
                                              const std::vector<std::array<float, 3>>& positions);

}  // namespace velnor
