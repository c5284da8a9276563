#include "buttons/point_on_circle.h"

#include <cmath>
#include <memory>

#include "buttons/button_factory.h"
#include "editing/cmd_add_button.h"
#include "editing/cmd_add_points.h"
#include "editing/transform_cells.h"
#include "editing/transform_definitions.h"
#include "geometry/page_geometry.h"
#include "geometry/tolerances.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr float kOnceRound = 360.0f;

// Both other radii must match the first, or the point would leave the drawn curve.
bool IsCircular(const CSubassembly& circle) {
    const Float3& s = circle.m_scale;
    return !Exceeds(s[1] - s[0], kEpsConstruct) && !Exceeds(s[2] - s[0], kEpsConstruct);
}

// A point at distance r from the centre in the circle's plane; the tests against 0 are exact.
Float3 StartPoint(const CSubassembly& circle) {
    const Float3& c = circle.m_position;
    const float a = circle.m_direction[0], b = circle.m_direction[1], n = circle.m_direction[2];
    const float r = circle.m_scale[0];
    if (a == 0.0f) {
        return {c[0] + r, c[1], c[2]};
    }
    if (b == 0.0f) {
        return {c[0], c[1] + r, c[2]};
    }
    if (n == 0.0f) {
        return {c[0], c[1], c[2] + r};
    }
    const float h = std::hypot(a, b);
    return {c[0] - r * b / h, c[1] + r * a / h, c[2]};
}

// The rotate button is made from the page's definitions, which are lent to it and put back.
void AddTurningButton(CGpage& page, const CSubassembly& circle, const Float3& axis) {
    const Float3 axisDir = page.m_axisDir, axisPoint = page.m_axisPoint;
    const float angle = page.m_fAngle;
    page.m_axisDir = axis;
    page.m_axisPoint = circle.m_position;
    page.m_fAngle = kOnceRound;
    CreateButton(page, kButtonRotate);
    page.m_axisDir = axisDir;
    page.m_axisPoint = axisPoint;
    page.m_fAngle = angle;
}

}  // namespace

bool AddPointOnCircle(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    if (page.m_selSolids.size() != 1) {
        return false;
    }
    const CSubassembly* circle = FindSolid(page, page.m_selSolids.front());
    if (!circle || circle->m_nKind != kSolidCircleOutline) {
        return false;
    }
    if (!IsCircular(*circle)) {
        ShowMessage("这是椭圆，请修改后再添加");
        return false;
    }
    const auto axis = NormalizeDirection(circle->m_direction);
    if (!axis) {
        return false;
    }
    const Float3 p = StartPoint(*circle);
    if (!page.AddVertex(p[0], p[1], p[2])) {
        return false;
    }
    doc.CommandProcessor().AddCommand(std::make_unique<CCmdAddPoints>(1, doc, "添加圆上的点"));
    page.ClearSelection();
    page.m_selPoints.push_back(page.m_nVertexCount - 1);
    AddTurningButton(page, *circle, *axis);
    doc.CommandProcessor().AddCommand(
        std::make_unique<CCmdAddButton>(doc, "添加点在圆上旋转的按钮"));
    doc.Refresh(kHintVertices);
    return true;
}

}  // namespace velnor
