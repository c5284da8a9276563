#include "output/title_facets.h"

#include "output/solid_geometry.h"
#include "view/list_layout.h"
#include "view/title_glyphs.h"

namespace velnor {

namespace {

QVector3D At(const QPointF& p, double x, double y, double z) {
    return QVector3D(static_cast<float>(p.x() + x), static_cast<float>(p.y() + y),
                     static_cast<float>(z));
}

void AddLetter(SolidGeometry& geometry, const TitleGlyph& glyph, const QPointF& origin) {
    for (const double z : {0.0, -kTitleDepth}) {
        std::vector<Polyline> face;
        for (const QPolygonF& outline : glyph.outlines) {
            Polyline contour;
            for (const QPointF& p : outline) {
                contour.push_back(At(p, origin.x(), origin.y(), z));
            }
            face.push_back(std::move(contour));
        }
        geometry.letterFaces.push_back(std::move(face));
    }
    for (const QPolygonF& outline : glyph.outlines) {
        for (qsizetype i = 0; i < outline.size(); ++i) {
            const QPointF& p = outline[i];
            const QPointF& q = outline[(i + 1) % outline.size()];
            if (p == q) {
                continue;
            }
            geometry.painted.push_back(
                {{At(p, origin.x(), origin.y(), 0.0), At(q, origin.x(), origin.y(), 0.0),
                  At(q, origin.x(), origin.y(), -kTitleDepth),
                  At(p, origin.x(), origin.y(), -kTitleDepth)},
                 {}});
        }
    }
}

}  // namespace

void AddTitleShape(SolidGeometry& geometry, const CGlModel& settings) {
    for (const TitleLine& line :
         TitleLines(settings, lists::kTitleMaxGlyphs1, lists::kTitleMaxGlyphs2)) {
        QPointF origin = line.start;
        for (const TitleGlyph& glyph : line.glyphs) {
            AddLetter(geometry, glyph, origin);
            origin.rx() += glyph.advance;
        }
    }
}

}  // namespace velnor
