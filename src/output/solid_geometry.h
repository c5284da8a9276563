#pragma once

#include <QColor>
#include <QMatrix4x4>
#include <QVector3D>

#include <vector>

namespace velnor {

class CGlModel;
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
    std::vector<Facet> painted;   // shaded solids: sphere, cylinder, cone, cube, ...
    std::vector<Facet> hiding;    // the bodies of outline solids, drawn into depth only
    std::vector<Polyline> lines;  // wire forms and silhouettes
    // Where light shades a wire form, the normal at each point of `lines`; otherwise empty.
    std::vector<Polyline> lineNormals;
    // Flat faces with holes, painted, hiding no lines: the fronts and backs of the title's
    // letters, each as its outlines (the non-zero rule).
    std::vector<std::vector<Polyline>> letterFaces;
    bool linesDashedWhereHidden = false;  // silhouettes and circles; wires are simply hidden
    // The painted facets enclose the solid, each counter-clockwise seen from outside.
    bool closed = false;
};

// The solid's placement: position, direction and spin (the frame its clip planes are given in),
// then its scale.
QMatrix4x4 SolidOrientation(const CSubassembly& solid);
QMatrix4x4 SolidScale(const CSubassembly& solid);

// The shape module's solid seen from `eye` (the direction towards the eye in its unit frame),
// its flat pieces coloured as the view paints them; the title comes from the settings. Page
// components have no form of their own here and give nothing.
SolidGeometry SolidGeometryOf(const CSubassembly& solid, const QVector3D& eye,
                              const CGlModel& settings);

}  // namespace velnor
