#pragma once

#include <QColor>
#include <QMatrix4x4>
#include <QVector3D>

#include <vector>

namespace velnor {

class CSubassembly;

// One flat piece of a painted solid, in the solid's unit frame. An invalid colour means the
// solid's own colour.
struct Facet {
    std::vector<QVector3D> corners;
    QColor color;
};

using Polyline = std::vector<QVector3D>;

// What the view draws for a solid, as geometry in its unit frame.
struct SolidGeometry {
    std::vector<Facet> painted;           // shaded solids: sphere, cylinder, cone, cube, ...
    std::vector<Facet> hiding;            // the bodies of outline solids, drawn into depth only
    std::vector<Polyline> lines;          // wire forms and silhouettes
    bool linesDashedWhereHidden = false;  // silhouettes and circles; wires are simply hidden
};

// The solid's placement: position, direction and spin (the frame its clip planes are given in),
// then its scale.
QMatrix4x4 SolidOrientation(const CSubassembly& solid);
QMatrix4x4 SolidScale(const CSubassembly& solid);

// The geometry of a solid seen from `eye` (the direction towards the eye in its unit frame).
// Kinds without a vector form here (polyhedra, torus, teapot, title, molecule, page components)
// give nothing.
SolidGeometry SolidShape(const CSubassembly& solid, const QVector3D& eye);

}  // namespace velnor
