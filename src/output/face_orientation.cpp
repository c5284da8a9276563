#include "output/face_orientation.h"

#include <map>
#include <utility>

namespace velnor {

namespace {

using Edge = std::pair<uint8_t, uint8_t>;

// Where an edge occurs: in which face, and whether that face runs it from the lower index.
struct EdgeUse {
    size_t face;
    bool upward;
};

Edge Undirected(uint8_t a, uint8_t b) {
    return a < b ? Edge{a, b} : Edge{b, a};
}

// Six times the volume the face's fan encloses with the origin, as it runs.
double SignedVolume(const std::vector<uint8_t>& face,
                    const std::vector<std::array<float, 3>>& positions) {
    double volume = 0.0;
    const auto& a = positions[face[0]];
    for (size_t k = 1; k + 1 < face.size(); ++k) {
        const auto& b = positions[face[k]];
        const auto& c = positions[face[k + 1]];
        volume += a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                  a[2] * (b[0] * c[1] - b[1] * c[0]);
    }
    return volume;
}

}  // namespace

std::optional<std::vector<bool>> OutwardFlips(const std::vector<std::vector<uint8_t>>& faces,
                                              const std::vector<std::array<float, 3>>& positions) {
    std::map<Edge, std::vector<EdgeUse>> uses;
    for (size_t f = 0; f < faces.size(); ++f) {
        const auto& face = faces[f];
        for (size_t k = 0; k < face.size(); ++k) {
            const uint8_t a = face[k];
            const uint8_t b = face[(k + 1) % face.size()];
            uses[Undirected(a, b)].push_back({f, a < b});
        }
    }
    for (const auto& [edge, list] : uses) {
        if (list.size() != 2) {
            return std::nullopt;
        }
    }
    std::vector<bool> flips(faces.size(), false);
    std::vector<bool> reached(faces.size(), false);
    for (size_t start = 0; start < faces.size(); ++start) {
        if (reached[start]) {
            continue;
        }
        // Walk the piece that holds `start`, turning each neighbour to run the shared edge
        // against its neighbour, then turn the whole piece if it encloses a negative volume.
        std::vector<size_t> piece{start};
        reached[start] = true;
        for (size_t next = 0; next < piece.size(); ++next) {
            const size_t f = piece[next];
            const auto& face = faces[f];
            for (size_t k = 0; k < face.size(); ++k) {
                const auto& list = uses[Undirected(face[k], face[(k + 1) % face.size()])];
                const EdgeUse& mine = list[0].face == f ? list[0] : list[1];
                const EdgeUse& other = list[0].face == f ? list[1] : list[0];
                if (!reached[other.face]) {
                    reached[other.face] = true;
                    flips[other.face] = (mine.upward != flips[f]) == (other.upward);
                    piece.push_back(other.face);
                }
            }
        }
        double volume = 0.0;
        for (const size_t f : piece) {
            volume +=
                flips[f] ? -SignedVolume(faces[f], positions) : SignedVolume(faces[f], positions);
        }
        if (volume < 0.0) {
            for (const size_t f : piece) {
                flips[f] = !flips[f];
            }
        }
    }
    return flips;
}

}  // namespace velnor
