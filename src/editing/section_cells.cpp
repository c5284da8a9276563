#include "editing/section_cells.h"

#include <algorithm>
#include <set>

namespace velnor {

namespace {

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

class SectionPlanner {
public:
    SectionPlanner(const CGpage& page, const PlaneSection& section, ExistingFaces existing)
        : m_page(page), m_section(section), m_existing(existing) {}

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
        if (m_existing == ExistingFaces::kRepeat ||
            std::any_of(face.begin(), face.end(), [this](int c) { return IsNew(c); }) ||
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
    ExistingFaces m_existing;
    SectionPlan m_plan;
};

}  // namespace

AddedCells SectionPlan::Cells() const {
    return {.points = static_cast<int>(newCorners.size()),
            .lines = static_cast<int>(sides.size()),
            .faces = static_cast<int>(faces.size())};
}

SectionPlan PlanSection(const CGpage& page, const PlaneSection& section, ExistingFaces existing) {
    return SectionPlanner(page, section, existing).Plan();
}

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

}  // namespace velnor
