#include "editing/add_polyhedron_net.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editing/cmd_camera.h"
#include "editing/net_fold_buttons.h"
#include "editing/net_problem_text.h"
#include "editing/record_additions.h"
#include "geometry/camera_fit.h"
#include "geometry/net_placement.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "geometry/polygon_geometry.h"
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

// The net lies in the plane of the first face, the base.
std::vector<Vec3> BaseFaceCorners(const FacesAsSolid& faces) {
    std::vector<Vec3> corners;
    for (int corner : faces.solid.faces.front()) {
        corners.push_back(faces.solid.corners[corner]);
    }
    return corners;
}

// The selected lines as cuts: pairs of corners, a line whose ends are no corners giving corners
// in no face, which the unfolding then refuses as no edge.
std::vector<std::pair<int, int>> ChosenCuts(const CGpage& page, FacesAsSolid& faces) {
    std::vector<std::pair<int, int>> cuts;
    for (int key : page.m_selLines) {
        if (const CLineCell* line = FindLine(page, key)) {
            cuts.emplace_back(CornerOf(page, faces, line->m_nStart),
                              CornerOf(page, faces, line->m_nEnd));
        }
    }
    return cuts;
}

std::string ProblemText(const CGpage& page, const FacesAsSolid& faces, const NetProblem& problem) {
    return NetProblemText(
        problem, [&](int face) { return FindFace(page, faces.faceKeys[face])->m_strName; },
        [&](int corner) { return page.m_label[faces.vertexOfCorner[corner]]; });
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

// The solid's corner at each vertex of the net.
std::vector<int> CornerOfNetVertex(const FacesAsSolid& faces, const PolyhedronNet& net) {
    std::vector<int> corners(net.vertices.size());
    for (size_t f = 0; f < net.faces.size(); ++f) {
        for (size_t i = 0; i < net.faces[f].size(); ++i) {
            corners[net.faces[f][i]] = faces.solid.faces[f][i];
        }
    }
    return corners;
}

// The net's vertices carry no labels: folded, each lies on a corner of the solid, whose label
// already names it there. An empty label is an ordinary label of the file, so every reader still
// reads the page; the lines and faces are named after the solid's labels instead.
AddedCells AddNet(CGpage& page, const FacesAsSolid& faces, const PolyhedronNet& net, Vec3d shift) {
    page.ClearSelection();
    AddedCells added;
    const int first = page.m_nVertexCount;
    const char nextLabel = page.m_chNextLabel, labelSuffix = page.m_chLabelSuffix;
    for (const Vec3& p : net.vertices) {
        const Vec3d at = ToVec3d(p) + shift;
        page.AddVertex(static_cast<float>(at.x), static_cast<float>(at.y),
                       static_cast<float>(at.z));
        page.m_label[page.m_nVertexCount - 1].clear();
        ++added.points;
    }
    page.m_chNextLabel = nextLabel;
    page.m_chLabelSuffix = labelSuffix;
    const std::vector<int> corners = CornerOfNetVertex(faces, net);
    const auto label = [&](int v) { return page.m_label[faces.vertexOfCorner[corners[v]]]; };
    for (const auto& [a, b] : NetEdges(net)) {
        const uint16_t key = page.AddLine(static_cast<uint8_t>(first + a),
                                          static_cast<uint8_t>(first + b), kSegment);
        page.m_lines.at(key)->m_strName = label(a) + label(b);
        page.m_selLines.push_back(key);
        ++added.lines;
    }
    for (size_t f = 0; f < net.faces.size(); ++f) {
        std::vector<int> vertices;
        for (int v : net.faces[f]) {
            vertices.push_back(first + v);
        }
        if (const auto key = page.AddFace(vertices)) {
            page.m_faces.at(*key)->m_strName = FindFace(page, faces.faceKeys[f])->m_strName;
            page.m_selFaces.push_back(*key);
            ++added.faces;
        }
    }
    added.buttons = AddFoldButtons(page, net, first, ToVec3(shift));
    return added;
}

std::vector<Vec3> SolidAndNet(const CGpage& page, const FacesAsSolid& faces, int firstNetVertex) {
    std::vector<Vec3> points = faces.solid.corners;
    for (int v = firstNetVertex; v < page.m_nVertexCount; ++v) {
        points.push_back(VertexPosition(page, v));
    }
    return points;
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
    FacesAsSolid faces = ChosenFaces(page);
    const auto unfolded = page.m_selLines.empty()
                              ? UnfoldPolyhedron(faces.solid, 0)
                              : UnfoldAlongCuts(faces.solid, 0, ChosenCuts(page, faces));
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
    const Vec3d normal = NewellNormal(BaseFaceCorners(faces));
    const int first = page.m_nVertexCount;
    const AddedCells added =
        AddNet(page, faces, net, NetShiftBesideSolid(faces.solid, net, normal));
    ViewCamera& camera = doc.Settings().m_camera;
    const ViewCamera before = camera;
    camera = CameraShowing(camera, SolidAndNet(page, faces, first));
    RecordAdditions(doc, "添加展开图", added, std::make_unique<CCmdCamera>(doc, before, camera));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
