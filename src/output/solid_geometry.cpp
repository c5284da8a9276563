#include "output/solid_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/gl_model.h"
#include "model/subassembly.h"
#include "shapes/molecule.h"
#include "shapes/solid_shape.h"
#include "view/qt_colour.h"
#include "view/title_glyphs.h"

namespace velnor {

namespace {

QVector3D ToQt(const Vec3& v) {
    return QVector3D(v.x, v.y, v.z);
}

Polyline ToQt(const MeshLine& line) {
    Polyline out;
    out.reserve(line.size());
    for (const Vec3& p : line) {
        out.push_back(ToQt(p));
    }
    return out;
}

// Lit, the molecule's parts take its materials' diffuse colours.
QColor DiffuseOf(const MoleculeMaterial& material) {
    const auto& d = material.diffuse;
    return QColor::fromRgbF(d[0], d[1], d[2]);
}

// Under light without 颜色材质 the material stands for every drawing colour of a shape: its
// facets then take the solid's colour. Lit, the molecule's parts keep their own materials.
QColor FacetColour(const Surface& surface, const CGlModel& settings) {
    const bool lit = settings.m_bLighting != 0;
    switch (surface.paint) {
        case SurfacePaint::kSolid:
            return {};
        case SurfacePaint::kOwnColour:
            return !lit || settings.m_bColorMaterial ? ToQColor(surface.ownColour) : QColor();
        case SurfacePaint::kStickMaterial:
            return lit ? DiffuseOf(kStickMaterial) : QColor();
        case SurfacePaint::kAtomMaterial:
            return lit ? DiffuseOf(kAtomMaterial) : QColor();
    }
    return {};
}

// Two triangles a b c and a c d, as Surface::AddQuad lays them down, are the quad a b c d when
// it is flat: the figure then has half as many pieces to sort and to paint.
bool FlatQuad(const Surface& s, size_t first) {
    const uint32_t* t = &s.triangles[first];
    if (first + 6 > s.triangles.size() || t[3] != t[0] || t[4] != t[2]) {
        return false;
    }
    const auto at = [&](uint32_t i) { return s.vertices[i].position; };
    const Vec3 n1 = Cross(at(t[1]) - at(t[0]), at(t[2]) - at(t[0]));
    const Vec3 n2 = Cross(at(t[2]) - at(t[0]), at(t[5]) - at(t[0]));
    const float l1 = Length(n1), l2 = Length(n2);
    return l1 > 0.0f && l2 > 0.0f && Dot(n1, n2) > 0.9999f * l1 * l2;
}

std::vector<Facet> Facets(const Surface& surface, const CGlModel& settings) {
    std::vector<Facet> facets;
    const QColor colour = FacetColour(surface, settings);
    const auto corner = [&](size_t k) {
        return ToQt(surface.vertices[surface.triangles[k]].position);
    };
    for (size_t i = 0; i + 2 < surface.triangles.size(); i += 3) {
        Facet facet{{corner(i), corner(i + 1), corner(i + 2)}, colour};
        if (FlatQuad(surface, i)) {
            facet.corners.push_back(corner(i + 5));
            i += 3;
        }
        facets.push_back(std::move(facet));
    }
    return facets;
}

void AddFacets(std::vector<Facet>& to, const std::vector<Surface>& surfaces,
               const CGlModel& settings) {
    for (const Surface& surface : surfaces) {
        std::vector<Facet> facets = Facets(surface, settings);
        to.insert(to.end(), std::make_move_iterator(facets.begin()),
                  std::make_move_iterator(facets.end()));
    }
}

void AddLines(std::vector<Polyline>& to, const std::vector<MeshLine>& lines) {
    for (const auto& line : lines) {
        to.push_back(ToQt(line));
    }
}

}  // namespace

QMatrix4x4 SolidOrientation(const CSubassembly& s) {
    QMatrix4x4 m;
    m.translate(s.m_position[0], s.m_position[1], s.m_position[2]);
    const auto& d = s.m_direction;
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (d[0] != 0.0f || d[1] != 0.0f) {
        const float c = std::clamp(d[2] / length, -1.0f, 1.0f);
        m.rotate(std::acos(c) * 180.0f / std::numbers::pi_v<float>, -d[1], d[0], 0.0f);
    } else if (d[2] < 0.0f) {
        m.rotate(180.0f, 1.0f, 0.0f, 0.0f);
    }
    m.rotate(s.m_fSpin, 0.0f, 0.0f, 1.0f);
    return m;
}

QMatrix4x4 SolidScale(const CSubassembly& s) {
    QMatrix4x4 m;
    m.scale(s.m_scale[0], s.m_scale[1], s.m_scale[2]);
    return m;
}

SolidGeometry SolidGeometryOf(const CSubassembly& solid, const QVector3D& eye,
                              const CGlModel& settings) {
    SolidGeometry g;
    const auto kind = ShapeKindOf(solid.m_nKind);
    if (!kind) {
        return g;
    }
    const QtTitleOutlines title(settings);
    const ShapeValues values{*kind, solid.m_dShape, &title};
    const SolidShape shape = ShapeOf(values);
    AddFacets(g.painted, shape.surfaces, settings);
    for (const FlatFace& face : shape.flatFaces) {
        std::vector<Polyline> contours;
        AddLines(contours, face.contours);
        g.letterFaces.push_back(std::move(contours));
    }
    AddLines(g.lines, shape.lines);
    AddLines(g.lineNormals, shape.lineNormals);
    g.linesDashedWhereHidden = shape.linesDashedWhereHidden;
    g.closed = shape.closed;
    if (HasSilhouette(*kind)) {
        AddLines(g.lines, SilhouetteOf(values, {eye.x(), eye.y(), eye.z()}));
        AddFacets(g.hiding, HidingBodyOf(values), settings);
        g.linesDashedWhereHidden = true;
    }
    return g;
}

}  // namespace velnor
