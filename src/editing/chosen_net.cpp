#include "editing/chosen_net.h"

#include <algorithm>
#include <utility>

#include "editing/net_problem_text.h"
#include "geometry/page_geometry.h"
#include "geometry/polyhedron_net.h"
#include "geometry/tolerances.h"
#include "model/page.h"

namespace velnor {

namespace {

std::vector<int> SelectedFaceKeys(const CGpage& page) {
    std::vector<int> keys;
    for (int key : page.m_selFaces) {
        if (FindFace(page, key)) {
            keys.push_back(key);
        }
    }
    if (keys.empty()) {
        for (const auto& [key, face] : page.m_faces) {
            keys.push_back(key);
        }
    }
    return keys;
}

int CornerOf(const CGpage& page, ChosenNet& chosen, int vertex) {
    const Vec3 p = VertexPosition(page, vertex);
    for (size_t c = 0; c < chosen.solid.corners.size(); ++c) {
        if (!Exceeds(Length(chosen.solid.corners[c] - p), kEpsConstruct)) {
            return static_cast<int>(c);
        }
    }
    chosen.solid.corners.push_back(p);
    chosen.vertexOfCorner.push_back(vertex);
    return static_cast<int>(chosen.solid.corners.size()) - 1;
}

ChosenNet FacesOf(const CGpage& page, std::vector<int> faceKeys) {
    ChosenNet chosen;
    chosen.faceKeys = std::move(faceKeys);
    for (int key : chosen.faceKeys) {
        std::vector<int> corners;
        for (uint8_t v : FindFace(page, key)->Verts()) {
            corners.push_back(CornerOf(page, chosen, v));
        }
        chosen.solid.faces.push_back(std::move(corners));
    }
    return chosen;
}

// The selected lines as cuts: pairs of corners, a line whose ends are no corners giving corners
// in no face, which the unfolding then refuses as no edge.
std::vector<std::pair<int, int>> SelectedCuts(const CGpage& page, ChosenNet& chosen) {
    std::vector<std::pair<int, int>> cuts;
    for (int key : page.m_selLines) {
        if (const CLineCell* line = FindLine(page, key)) {
            cuts.emplace_back(CornerOf(page, chosen, line->m_nStart),
                              CornerOf(page, chosen, line->m_nEnd));
        }
    }
    return cuts;
}

std::variant<ChosenNet, std::string> Finished(
    const CGpage& page, ChosenNet chosen, const std::variant<PolyhedronNet, NetProblem>& unfolded) {
    if (const NetProblem* problem = std::get_if<NetProblem>(&unfolded)) {
        return NetProblemText(
            *problem, [&](int face) { return FindFace(page, chosen.faceKeys[face])->m_strName; },
            [&](int corner) { return page.m_label[chosen.vertexOfCorner[corner]]; });
    }
    chosen.net = std::get<PolyhedronNet>(unfolded);
    return chosen;
}

// The faces whose edges lead, edge by edge, to the face `first`, that face first.
std::vector<int> FacesJoinedTo(const ChosenNet& all, int first) {
    std::vector<std::vector<std::pair<int, int>>> edgesOf;
    for (const std::vector<int>& corners : all.solid.faces) {
        std::vector<std::pair<int, int>> edges;
        for (size_t i = 0; i < corners.size(); ++i) {
            edges.push_back(std::minmax(corners[i], corners[(i + 1) % corners.size()]));
        }
        std::sort(edges.begin(), edges.end());
        edgesOf.push_back(std::move(edges));
    }
    const auto share = [&](size_t f, size_t g) {
        return std::any_of(edgesOf[f].begin(), edgesOf[f].end(), [&](const auto& edge) {
            return std::binary_search(edgesOf[g].begin(), edgesOf[g].end(), edge);
        });
    };
    std::vector<int> joined{first};
    std::vector<bool> reached(edgesOf.size(), false);
    reached[static_cast<size_t>(first)] = true;
    for (size_t k = 0; k < joined.size(); ++k) {
        for (size_t g = 0; g < edgesOf.size(); ++g) {
            if (!reached[g] && share(static_cast<size_t>(joined[k]), g)) {
                reached[g] = true;
                joined.push_back(static_cast<int>(g));
            }
        }
    }
    return joined;
}

}  // namespace

std::variant<ChosenNet, std::string> NetOfSelection(const CGpage& page) {
    ChosenNet chosen = FacesOf(page, SelectedFaceKeys(page));
    if (page.m_selLines.empty()) {
        const auto unfolded = UnfoldPolyhedron(chosen.solid, 0);
        return Finished(page, std::move(chosen), unfolded);
    }
    const auto cuts = SelectedCuts(page, chosen);
    const auto unfolded = UnfoldAlongCuts(chosen.solid, 0, cuts);
    return Finished(page, std::move(chosen), unfolded);
}

std::variant<ChosenNet, std::string> NetOfSolidWithFace(const CGpage& page, int faceKey) {
    std::vector<int> keys;
    for (const auto& [key, face] : page.m_faces) {
        keys.push_back(key);
    }
    const int index = static_cast<int>(std::find(keys.begin(), keys.end(), faceKey) - keys.begin());
    std::vector<int> solidKeys;
    for (int face : FacesJoinedTo(FacesOf(page, keys), index)) {
        solidKeys.push_back(keys[static_cast<size_t>(face)]);
    }
    ChosenNet chosen = FacesOf(page, solidKeys);
    const auto unfolded = UnfoldPolyhedron(chosen.solid, 0);
    return Finished(page, std::move(chosen), unfolded);
}

}  // namespace velnor
