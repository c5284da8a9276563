#pragma once

#include <utility>
#include <vector>

namespace velnor {

// Points joined one after another; a closed chain joins its last point back to its first.
struct SegmentChain {
    std::vector<int> points;
    bool closed = false;
};

// Chains the segments (pairs of point numbers) end to end, each segment used once: first the open
// chains, from their loose ends, then the closed loops.
std::vector<SegmentChain> ChainSegments(const std::vector<std::pair<int, int>>& segments);

}  // namespace velnor
