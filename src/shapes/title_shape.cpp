#include "shapes/title_shape.h"

#include <cmath>

#include "shapes/title_outlines.h"

namespace velnor {

namespace {

Vec3 At(const Point2& p, const Point2& origin, double z) {
    return {static_cast<float>(p.x + origin.x), static_cast<float>(p.y + origin.y),
            static_cast<float>(z)};
}

void AddSides(Surface& sides, const std::vector<Point2>& contour, const Point2& origin) {
    for (size_t i = 0; i < contour.size(); ++i) {
        const Point2& p = contour[i];
        const Point2& q = contour[(i + 1) % contour.size()];
        const double length = std::hypot(q.x - p.x, q.y - p.y);
        if (length == 0.0) {
            continue;
        }
        const Vec3 normal{static_cast<float>((q.y - p.y) / length),
                          static_cast<float>(-(q.x - p.x) / length), 0.0f};
        const uint32_t front = sides.Add({At(p, origin, 0.0), normal});
        const uint32_t back = sides.Add({At(p, origin, -kTitleDepth), normal});
        const uint32_t nextBack = sides.Add({At(q, origin, -kTitleDepth), normal});
        const uint32_t nextFront = sides.Add({At(q, origin, 0.0), normal});
        sides.AddQuad(front, back, nextBack, nextFront);
    }
}

FlatFace Face(const GlyphOutline& glyph, const Point2& origin, double z, float normalZ) {
    FlatFace face{{}, {0.0f, 0.0f, normalZ}};
    for (const auto& contour : glyph.contours) {
        MeshLine line;
        for (const Point2& p : contour) {
            line.push_back(At(p, origin, z));
        }
        face.contours.push_back(std::move(line));
    }
    return face;
}

}  // namespace

void AddTitle(SolidShape& shape, const ITitleOutlines* outlines) {
    if (outlines == nullptr) {
        return;
    }
    Surface sides;
    for (const TitleLineOutline& line : outlines->TitleLines()) {
        Point2 origin = line.start;
        for (const GlyphOutline& glyph : line.glyphs) {
            if (!glyph.contours.empty()) {
                shape.flatFaces.push_back(Face(glyph, origin, 0.0, 1.0f));
                shape.flatFaces.push_back(Face(glyph, origin, -kTitleDepth, -1.0f));
                for (const auto& contour : glyph.contours) {
                    AddSides(sides, contour, origin);
                }
            }
            origin.x += glyph.advance;
        }
    }
    shape.surfaces.push_back(std::move(sides));
}

}  // namespace velnor
