#include "geometry/circle_constructions.h"

#include <cmath>
#include <memory>

#include "editing/cmd_add_cells.h"
#include "editing/record_additions.h"
#include "geometry/circle_solids.h"
#include "geometry/construction_messages.h"
#include "geometry/page_geometry.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kCollinearMessage = "三点共线,不能确定一个圆!";
constexpr uint8_t kVectorKind = 3;
constexpr float kNormalLength = 4.0f;

// The determinant of the matrix with these rows.
float Determinant(Vec3 r0, Vec3 r1, Vec3 r2) {
    return Dot(r0, Cross(r1, r2));
}

// Rows of the matrix with its column `column` replaced by `rhs`.
Vec3 WithColumn(Vec3 row, int column, float value) {
    if (column == 0) {
        row.x = value;
    } else if (column == 1) {
        row.y = value;
    } else {
        row.z = value;
    }
    return row;
}

bool IsFinite(Vec3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

std::optional<CircleThrough> CircleThroughThreePoints(Vec3 p1, Vec3 p2, Vec3 p3) {
    const Vec3 a = p1 - p2;
    const Vec3 b = p3 - p2;
    const Vec3 n = Cross(a, b);
    const Vec3 rhs{Dot(a, 0.5f * (p1 + p2)), Dot(b, 0.5f * (p2 + p3)), Dot(n, p2)};
    const float det = Determinant(a, b, n);
    if (det == 0.0f) {
        return std::nullopt;
    }
    float centre[3];
    for (int column = 0; column < 3; ++column) {
        centre[column] = Determinant(WithColumn(a, column, rhs.x), WithColumn(b, column, rhs.y),
                                     WithColumn(n, column, rhs.z)) /
                         det;
    }
    const Vec3 x{centre[0], centre[1], centre[2]};
    const float radius = Length(p2 - x);
    if (!IsFinite(x) || !std::isfinite(radius)) {
        return std::nullopt;
    }
    return CircleThrough{x, n, radius};
}

bool CanAddCircleThroughThreePoints(const CGpage& page) {
    return page.m_selPoints.size() == 3;
}

bool IsCircleSelected(const CGpage& page) {
    return SelectedSolidOfKind(page, kSolidCircleOutline) != nullptr;
}

bool AddCircleThroughThreePoints(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (!CanAddCircleThroughThreePoints(page)) {
        return false;
    }
    const auto circle = CircleThroughThreePoints(VertexPosition(page, page.m_selPoints[0]),
                                                 VertexPosition(page, page.m_selPoints[1]),
                                                 VertexPosition(page, page.m_selPoints[2]));
    if (!circle) {
        ShowMessage(kCollinearMessage);
        return false;
    }
    page.AddSolid(MakeCircle(circle->centre, circle->axis, circle->radius));
    page.m_selPoints.clear();
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddTis>(1, doc, "添加过三点的圆"));
    doc.Refresh(kHintSolids);
    return true;
}

bool AddCircleNormal(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const CSubassembly* circle = SelectedSolidOfKind(page, kSolidCircleOutline);
    if (!circle) {
        return false;
    }
    // Both ends or neither: a lone centre would be a change nobody recorded.
    if (!page.HasRoomFor(2)) {
        ShowMessage(kVertexLimitMessage);
        return false;
    }
    const Vec3 c = ToVec3(circle->m_position);
    const Vec3 tip = c + kNormalLength * ToVec3(circle->m_direction);
    const int start = page.m_nVertexCount;
    page.AddVertex(c.x, c.y, c.z);
    page.AddVertex(tip.x, tip.y, tip.z);
    page.AddLine(static_cast<uint8_t>(start), static_cast<uint8_t>(start + 1), kVectorKind);
    RecordAdditions(doc, "添加圆的法线", {.points = 2, .lines = 1});
    doc.Refresh(kHintAll);
    return true;
}

}  // namespace velnor
