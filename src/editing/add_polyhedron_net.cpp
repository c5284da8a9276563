#include "editing/add_polyhedron_net.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editing/net_fold_buttons.h"
#include "editing/record_additions.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "geometry/polyhedron_net.h"
#include "geometry/tolerances.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kButtonLimitMessage = "本页按钮数已达界限,请新建一页";

// The faces as a polyhedron; vertices in one place (within the construction tolerance) are one
// corner, so that a solid drawn with repeated points still closes up.
struct FacesAsSolid {
    Polyhedron solid;
    std::vector<int> vertexOfCorner;
    std::vector<int> faceKeys;
};

std::vector<int> ChosenFaceKeys(const CGpage& page) {
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

int CornerOf(const CGpage& page, FacesAsSolid& faces, int vertex) {
    const Vec3 p = VertexPosition(page, vertex);
    for (size_t c = 0; c < faces.solid.corners.size(); ++c) {
        if (!Exceeds(Length(faces.solid.corners[c] - p), kEpsConstruct)) {
            return static_cast<int>(c);
        }
    }
    faces.solid.corners.push_back(p);
    faces.vertexOfCorner.push_back(vertex);
    return static_cast<int>(faces.solid.corners.size()) - 1;
}

FacesAsSolid ChosenFaces(const CGpage& page) {
    FacesAsSolid faces;
    faces.faceKeys = ChosenFaceKeys(page);
    for (int key : faces.faceKeys) {
        std::vector<int> corners;
        for (uint8_t v : FindFace(page, key)->Verts()) {
            corners.push_back(CornerOf(page, faces, v));
        }
        faces.solid.faces.push_back(std::move(corners));
    }
    return faces;
}

std::string ProblemText(const CGpage& page, const FacesAsSolid& faces, const NetProblem& problem) {
    // Only the edge faults name corners; the others leave them unset.
    const auto edge = [&] {
        const auto label = [&](int corner) { return page.m_label[faces.vertexOfCorner[corner]]; };
        return "棱" + label(problem.cornerA) + label(problem.cornerB);
    };
    switch (problem.fault) {
        case NetFault::kFlatFace:
            return "面" + FindFace(page, faces.faceKeys[problem.face])->m_strName +
                   "的顶点有重合或都在一条直线上，不能展开";
        case NetFault::kOpenEdge:
            return edge() + "只是一个面的边，这些面没有围成封闭的多面体，不能展开";
        case NetFault::kCrowdedEdge:
            return edge() + "是" + std::to_string(problem.faceCount) +
                   "个面的公共边，这些面不是一个多面体的表面，不能展开";
        case NetFault::kSeparateParts:
            return "这些面不连成一个多面体，请只选取一个多面体的面";
        case NetFault::kOverlapping:
            return "找不到各面互不重叠的展开图";
    }
    return {};
}

// The net's edges, each once, in the order its faces run round.
std::vector<std::pair<int, int>> NetEdges(const PolyhedronNet& net) {
    std::vector<std::pair<int, int>> edges;
    std::set<std::pair<int, int>> seen;
    for (const std::vector<int>& face : net.faces) {
        for (size_t i = 0; i < face.size(); ++i) {
            const std::pair<int, int> edge{face[i], face[(i + 1) % face.size()]};
            if (seen.insert(std::minmax(edge.first, edge.second)).second) {
                edges.push_back(edge);
            }
        }
    }
    return edges;
}

AddedCells AddNet(CGpage& page, const PolyhedronNet& net) {
    page.ClearSelection();
    AddedCells added;
    const int first = page.m_nVertexCount;
    for (const Vec3& p : net.vertices) {
        page.AddVertex(p.x, p.y, p.z);
        ++added.points;
    }
    for (const auto& [a, b] : NetEdges(net)) {
        page.m_selLines.push_back(page.AddLine(static_cast<uint8_t>(first + a),
                                               static_cast<uint8_t>(first + b), kSegment));
        ++added.lines;
    }
    for (const std::vector<int>& face : net.faces) {
        std::vector<int> vertices;
        for (int v : face) {
            vertices.push_back(first + v);
        }
        if (const auto key = page.AddFace(vertices)) {
            page.m_selFaces.push_back(*key);
            ++added.faces;
        }
    }
    added.buttons = AddFoldButtons(page, net, first);
    return added;
}

}  // namespace

bool CanAddPolyhedronNet(const CGpage& page) {
    return !page.m_faces.empty();
}

bool AddPolyhedronNet(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddPolyhedronNet(page)) {
        return false;
    }
    const FacesAsSolid faces = ChosenFaces(page);
    const auto unfolded = UnfoldPolyhedron(faces.solid, 0);
    if (const NetProblem* problem = std::get_if<NetProblem>(&unfolded)) {
        ShowMessage(ProblemText(page, faces, *problem));
        return false;
    }
    const PolyhedronNet& net = std::get<PolyhedronNet>(unfolded);
    if (!RoomForCells(page, {.points = static_cast<int>(net.vertices.size()),
                             .lines = static_cast<int>(NetEdges(net).size()),
                             .faces = static_cast<int>(net.faces.size())})) {
        return false;
    }
    if (page.m_nNextButtonId + FoldButtonCount(net) - 1 > CGpage::kLastButtonKey) {
        ShowMessage(kButtonLimitMessage);
        return false;
    }
    RecordAdditions(doc, "添加展开图", AddNet(page, net));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
