#include "editing/add_polyhedron_net.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "editing/chosen_net.h"
#include "editing/cmd_camera.h"
#include "editing/net_fold_buttons.h"
#include "editing/record_additions.h"
#include "geometry/camera_fit.h"
#include "geometry/net_placement.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "geometry/polygon_geometry.h"
#include "model/cell_keys.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

// The net lies in the plane of the first face, the base.
std::vector<Vec3> BaseFaceCorners(const ChosenNet& chosen) {
    std::vector<Vec3> corners;
    for (int corner : chosen.solid.faces.front()) {
        corners.push_back(chosen.solid.corners[corner]);
    }
    return corners;
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
std::vector<int> CornerOfNetVertex(const ChosenNet& chosen) {
    const PolyhedronNet& net = chosen.net;
    std::vector<int> corners(net.vertices.size());
    for (size_t f = 0; f < net.faces.size(); ++f) {
        for (size_t i = 0; i < net.faces[f].size(); ++i) {
            corners[net.faces[f][i]] = chosen.solid.faces[f][i];
        }
    }
    return corners;
}

// The net's vertices carry no labels: folded, each lies on a corner of the solid, whose label
// already names it there. An empty label is an ordinary label of the file, so every reader still
// reads the page; the lines and faces are named after the solid's labels instead.
AddedCells AddNet(CGpage& page, const ChosenNet& chosen, Vec3d shift) {
    const PolyhedronNet& net = chosen.net;
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
    const std::vector<int> corners = CornerOfNetVertex(chosen);
    const auto label = [&](int v) { return page.m_label[chosen.vertexOfCorner[corners[v]]]; };
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
            page.m_faces.at(*key)->m_strName = FindFace(page, chosen.faceKeys[f])->m_strName;
            page.m_selFaces.push_back(*key);
            ++added.faces;
        }
    }
    added.buttons = AddFoldButtons(page, net, first, ToVec3(shift));
    return added;
}

std::vector<Vec3> SolidAndNet(const CGpage& page, const ChosenNet& chosen, int firstNetVertex) {
    std::vector<Vec3> points = chosen.solid.corners;
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
    const auto found = NetOfSelection(page);
    if (const std::string* problem = std::get_if<std::string>(&found)) {
        ShowMessage(*problem);
        return false;
    }
    const ChosenNet& chosen = std::get<ChosenNet>(found);
    const PolyhedronNet& net = chosen.net;
    if (!RoomForCells(page, {.points = static_cast<int>(net.vertices.size()),
                             .lines = static_cast<int>(NetEdges(net).size()),
                             .faces = static_cast<int>(net.faces.size())})) {
        return false;
    }
    if (page.m_nNextButtonId + FoldButtonCount(net) - 1 > CGpage::kLastButtonKey) {
        ShowMessage(kButtonLimitMessage);
        return false;
    }
    const Vec3d normal = NewellNormal(BaseFaceCorners(chosen));
    const int first = page.m_nVertexCount;
    const AddedCells added = AddNet(page, chosen, NetShiftBesideSolid(chosen.solid, net, normal));
    ViewCamera& camera = doc.Settings().m_camera;
    const ViewCamera before = camera;
    camera = CameraShowing(camera, SolidAndNet(page, chosen, first));
    RecordAdditions(doc, "添加展开图", added, std::make_unique<CCmdCamera>(doc, before, camera));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
