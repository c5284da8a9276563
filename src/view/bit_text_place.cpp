#include "view/bit_text_place.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/bit_text.h"
#include "model/page.h"
#include "model/view_camera.h"
#include "view/view_projection.h"

namespace velnor {

namespace {

// Room kept between a placed text and the edge of the view.
constexpr double kCornerMargin = 12.0;
// How far around a vertex's point a new text keeps away.
constexpr double kVertexRadius = 10.0;

QVector3D EyePoint(const Float3& position, const ViewCamera& camera) {
    return {position[0] + camera.m_fPanX, position[2] + camera.m_fPanY,
            position[1] + camera.m_fDistance};
}

Float3 PositionOfEyePoint(const QVector3D& eye, float depth, const ViewCamera& camera) {
    return {eye.x() - camera.m_fPanX, depth, eye.y() - camera.m_fPanY};
}

Float3 PositionAtPixel(QPointF pixel, float depth, const ViewProjection& view) {
    const ViewCamera& camera = view.Camera();
    return PositionOfEyePoint(view.WindowToEye(pixel, depth + camera.m_fDistance), depth, camera);
}

QRectF Around(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// The screen circle a solid's scale spans round its position.
QRectF SolidArea(const CSubassembly& solid, const ViewProjection& view) {
    const QPointF centre = view.SceneToWindow(solid.m_position);
    const float reach = *std::max_element(solid.m_scale.begin(), solid.m_scale.end());
    double radius = kVertexRadius;
    for (int axis = 0; axis < 3; ++axis) {
        Float3 edge = solid.m_position;
        edge[static_cast<size_t>(axis)] += reach;
        const QPointF offset = view.SceneToWindow(edge) - centre;
        radius = std::max(radius, std::hypot(offset.x(), offset.y()));
    }
    return Around(centre, radius);
}

std::vector<QRectF> TakenAreas(const CGpage& page, const ViewProjection& view) {
    std::vector<QRectF> taken;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        if (page.m_bShown[i]) {
            taken.push_back(Around(view.SceneToWindow(page.m_pos[i]), kVertexRadius));
        }
    }
    for (const auto& [key, solid] : page.m_solids) {
        if (solid->m_bHidden) {
            continue;
        }
        if (const auto* text = dynamic_cast<const CBitText*>(solid.get())) {
            taken.push_back(BitTextRect(*text, view));
        } else {
            taken.push_back(SolidArea(*solid, view));
        }
    }
    return taken;
}

}  // namespace

QPointF BitTextAnchor(const CBitText& text, const ViewProjection& view) {
    return view.EyeToWindow(EyePoint(text.m_position, view.Camera()));
}

QRectF BitTextRect(const CBitText& text, const ViewProjection& view) {
    // glBitmap puts the pixel (width / 2, height / 2) of the bitmap, counted from its lower left,
    // on the anchor.
    const QPointF anchor = BitTextAnchor(text, view);
    const int below = text.m_nHeight / 2;
    return {anchor.x() - text.m_nWidth / 2, anchor.y() + below - text.m_nHeight,
            static_cast<double>(text.m_nWidth), static_cast<double>(text.m_nHeight)};
}

std::optional<uint16_t> BitTextAt(const CGpage& page, const ViewProjection& view, QPointF pixel) {
    std::optional<uint16_t> topmost;
    for (const auto& [key, solid] : page.m_solids) {
        const auto* text = dynamic_cast<const CBitText*>(solid.get());
        if (text != nullptr && !text->m_bHidden && BitTextRect(*text, view).contains(pixel)) {
            topmost = key;  // later texts are drawn over earlier ones
        }
    }
    return topmost;
}

Float3 FreeCornerPosition(const CGpage& page, const ViewProjection& view, int width, int height) {
    const QRectF area =
        view.Area().adjusted(kCornerMargin, kCornerMargin, -kCornerMargin, -kCornerMargin);
    const double halfWidth = width / 2.0, halfHeight = height / 2.0;
    const std::array<QPointF, 4> centres{
        QPointF(area.left() + halfWidth, area.top() + halfHeight),
        QPointF(area.right() - halfWidth, area.top() + halfHeight),
        QPointF(area.left() + halfWidth, area.bottom() - halfHeight),
        QPointF(area.right() - halfWidth, area.bottom() - halfHeight),
    };
    const std::vector<QRectF> taken = TakenAreas(page, view);
    for (const QPointF& centre : centres) {
        const QRectF place(centre.x() - halfWidth, centre.y() - halfHeight, width, height);
        const bool free = std::none_of(taken.begin(), taken.end(),
                                       [&](const QRectF& t) { return t.intersects(place); });
        if (free) {
            return PositionAtPixel(centre, 0.0f, view);
        }
    }
    return PositionAtPixel(centres.front(), 0.0f, view);
}

Float3 DraggedPosition(const CBitText& text, const ViewProjection& view, QPointF delta) {
    const QRectF area = view.Area();
    const QPointF wanted = BitTextAnchor(text, view) + delta;
    const QPointF kept(std::clamp(wanted.x(), area.left(), area.right() - 1),
                       std::clamp(wanted.y(), area.top(), area.bottom() - 1));
    return PositionAtPixel(kept, text.m_position[1], view);
}

}  // namespace velnor
