#include "geometry/segment_chains.h"

#include <cstddef>
#include <map>

namespace velnor {

namespace {

class ChainWalker {
public:
    explicit ChainWalker(const std::vector<std::pair<int, int>>& segments)
        : m_segments(segments), m_used(segments.size(), false) {
        for (size_t i = 0; i < segments.size(); ++i) {
            m_touching[segments[i].first].push_back(i);
            m_touching[segments[i].second].push_back(i);
        }
    }

    std::vector<SegmentChain> Walk() {
        std::vector<SegmentChain> chains;
        for (const auto& [point, touching] : m_touching) {
            while (touching.size() % 2 == 1 && HasUnused(point)) {
                chains.push_back(WalkFrom(point));
            }
        }
        for (size_t i = 0; i < m_segments.size(); ++i) {
            if (!m_used[i]) {
                chains.push_back(WalkFrom(m_segments[i].first));
            }
        }
        return chains;
    }

private:
    bool HasUnused(int point) const { return Unused(point) != m_segments.size(); }

    size_t Unused(int point) const {
        for (size_t segment : m_touching.at(point)) {
            if (!m_used[segment]) {
                return segment;
            }
        }
        return m_segments.size();
    }

    SegmentChain WalkFrom(int start) {
        SegmentChain chain{{start}, false};
        int point = start;
        for (size_t segment = Unused(point); segment != m_segments.size();
             segment = Unused(point)) {
            m_used[segment] = true;
            const auto [a, b] = m_segments[segment];
            point = a == point ? b : a;
            if (point == start) {
                chain.closed = true;
                break;
            }
            chain.points.push_back(point);
        }
        return chain;
    }

    const std::vector<std::pair<int, int>>& m_segments;
    std::vector<bool> m_used;
    std::map<int, std::vector<size_t>> m_touching;
};

}  // namespace

std::vector<SegmentChain> ChainSegments(const std::vector<std::pair<int, int>>& segments) {
    return ChainWalker(segments).Walk();
}

}  // namespace velnor
