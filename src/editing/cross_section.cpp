#include "editing/cross_section.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "editing/record_additions.h"
#include "geometry/page_geometry.h"
#include "geometry/page_room.h"
#include "geometry/plane_section.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kCollinearPointsMessage = "所选三点在一条直线上，不能确定截面";
constexpr const char* kFlatFaceMessage = "所选面的顶点在一条直线上，不能确定截面";
constexpr const char* kMissesMessage = "平面与图形不相交，没有截面";
constexpr const char* kNothingNewMessage = "截面与图中已有的面重合，不需另作";

std::optional<CuttingPlane> SelectedPlane(const CGpage& page) {
    if (page.m_selPoints.size() == 3) {
        const std::vector<int>& p = page.m_selPoints;
        auto plane = PlaneThroughPoints(VertexPosition(page, p[0]), VertexPosition(page, p[1]),
                                        VertexPosition(page, p[2]));
        if (!plane) {
            ShowMessage(kCollinearPointsMessage);
        }
        return plane;
    }
    const CFaceCell* face = FindFace(page, page.m_selFaces.front());
    auto plane = face ? PlaneOfFace(page, *face) : std::nullopt;
    if (!plane) {
        ShowMessage(kFlatFaceMessage);
    }
    return plane;
}

bool HasLine(const CGpage& page, int a, int b) {
    return std::any_of(page.m_lines.begin(), page.m_lines.end(), [&](const auto& entry) {
        const CLineCell& line = *entry.second;
        return (line.m_nStart == a && line.m_nEnd == b) || (line.m_nStart == b && line.m_nEnd == a);
    });
}

bool HasFace(const CGpage& page, const std::vector<int>& vertices) {
    const std::set<int> wanted(vertices.begin(), vertices.end());
    return std::any_of(page.m_faces.begin(), page.m_faces.end(), [&](const auto& entry) {
        const auto verts = entry.second->Verts();
        return std::set<int>(verts.begin(), verts.end()) == wanted;
    });
}

// What the section adds, in corners of the section; an existing vertex stands for itself.
struct SectionPlan {
    std::vector<int> newCorners;  // in the order they are met around the polygons
    std::vector<std::pair<int, int>> sides;
    std::vector<std::vector<int>> faces;

    bool Empty() const { return newCorners.empty() && sides.empty() && faces.empty(); }
};

class SectionPlanner {
public:
    SectionPlanner(const CGpage& page, const PlaneSection& section)
        : m_page(page), m_section(section) {}

    SectionPlan Plan() {
        for (const SectionPolygon& polygon : m_section.polygons) {
            PlanPolygon(polygon);
        }
        return std::move(m_plan);
    }

private:
    bool IsNew(int corner) const { return m_section.corners[corner].vertex < 0; }

    void PlanPolygon(const SectionPolygon& polygon) {
        const std::vector<int>& corners = polygon.corners;
        for (int corner : corners) {
            if (IsNew(corner) && std::find(m_plan.newCorners.begin(), m_plan.newCorners.end(),
                                           corner) == m_plan.newCorners.end()) {
                m_plan.newCorners.push_back(corner);
            }
        }
        const size_t sides = polygon.closed ? corners.size() : corners.size() - 1;
        for (size_t i = 0; i < sides; ++i) {
            const int a = corners[i], b = corners[(i + 1) % corners.size()];
            if (IsNew(a) || IsNew(b) ||
                !HasLine(m_page, m_section.corners[a].vertex, m_section.corners[b].vertex)) {
                m_plan.sides.emplace_back(a, b);
            }
        }
        const std::vector<int> face = SectionFaceCorners(m_section, polygon);
        if (!polygon.closed || face.size() < 3 || face.size() > CFaceCell::kMaxVerts) {
            return;
        }
        if (std::any_of(face.begin(), face.end(), [this](int c) { return IsNew(c); }) ||
            !HasFace(m_page, ExistingVertices(face))) {
            m_plan.faces.push_back(face);
        }
    }

    std::vector<int> ExistingVertices(const std::vector<int>& corners) const {
        std::vector<int> vertices;
        for (int corner : corners) {
            vertices.push_back(m_section.corners[corner].vertex);
        }
        return vertices;
    }

    const CGpage& m_page;
    const PlaneSection& m_section;
    SectionPlan m_plan;
};

// Adds the planned cells and selects them; returns how many of each were added.
AddedCells AddSection(CGpage& page, const PlaneSection& section, const SectionPlan& plan) {
    std::vector<int> vertexOf;
    for (const SectionCorner& corner : section.corners) {
        vertexOf.push_back(corner.vertex);
    }
    page.ClearSelection();
    AddedCells added;
    for (int corner : plan.newCorners) {
        const Vec3 p = section.corners[corner].position;
        page.AddVertex(p.x, p.y, p.z);
        vertexOf[corner] = page.m_nVertexCount - 1;
        ++added.points;
    }
    for (const auto& [a, b] : plan.sides) {
        page.m_selLines.push_back(page.AddLine(static_cast<uint8_t>(vertexOf[a]),
                                               static_cast<uint8_t>(vertexOf[b]), kSegment));
        ++added.lines;
    }
    for (const std::vector<int>& corners : plan.faces) {
        std::vector<int> vertices;
        for (int corner : corners) {
            vertices.push_back(vertexOf[corner]);
        }
        if (const auto key = page.AddFace(vertices)) {
            page.m_selFaces.push_back(*key);
            ++added.faces;
        }
    }
    return added;
}

}  // namespace

bool CanAddCrossSection(const CGpage& page) {
    return (page.m_selPoints.size() == 3 && page.m_selFaces.empty()) ||
           (page.m_selFaces.size() == 1 && page.m_selPoints.empty());
}

bool AddCrossSection(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddCrossSection(page)) {
        return false;
    }
    const auto plane = SelectedPlane(page);
    if (!plane) {
        return false;
    }
    const PlaneSection section = CutPageFaces(page, *plane);
    if (section.Empty()) {
        ShowMessage(kMissesMessage);
        return false;
    }
    const SectionPlan plan = SectionPlanner(page, section).Plan();
    if (plan.Empty()) {
        ShowMessage(kNothingNewMessage);
        return false;
    }
    if (!RoomForCells(page, {.points = static_cast<int>(plan.newCorners.size()),
                             .lines = static_cast<int>(plan.sides.size()),
                             .faces = static_cast<int>(plan.faces.size())})) {
        return false;
    }
    RecordAdditions(doc, "添加截面", AddSection(page, section, plan));
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
