#pragma once

#include <vector>

#include "shapes/mesh.h"
#include "shapes/shape_kind.h"

namespace velnor {

class ITitleOutlines;

// What a solid's look depends on besides its placement (position, direction, spin, clip planes
// and scale, which every picture applies itself).
struct ShapeValues {
    ShapeKind kind = ShapeKind::kSphere;
    double shapeValue = 0.5;                // kind 23: the top radius relative to the base
    const ITitleOutlines* title = nullptr;  // kind 9: the letters
};

// A solid as it is drawn, in its unit frame.
struct SolidShape {
    std::vector<Surface> surfaces;    // painted
    std::vector<FlatFace> flatFaces;  // painted flat faces with holes (the title's letters)
    std::vector<MeshLine> lines;      // wire forms and circles
    // The normals at the points of `lines` where light shades a wire form as it does its
    // surface; empty for lines drawn in one colour.
    std::vector<MeshLine> lineNormals;
    bool linesDashedWhereHidden = false;  // circles; wires are simply hidden
    bool textured = false;                // the surfaces take the solid's texture
    // The surfaces enclose the solid, each triangle counter-clockwise seen from outside.
    bool closed = false;
};

// The mark of a selected solid, in its unit frame.
struct SolidOutline {
    std::vector<MeshLine> lines;
    bool dashedWhereHidden = false;
};

SolidShape ShapeOf(const ShapeValues& values);
SolidOutline OutlineOf(const ShapeValues& values);
// Kinds 21, 22, 23 and 25 draw only their outline as seen from the eye, dashed where hidden.
// Their bodies, slightly shrunk so that the outline stays in front, are drawn into depth only,
// to hide what lies behind them. Both are empty for the other kinds.
bool HasSilhouette(ShapeKind kind);
// `eye` is the direction towards the eye in the solid's unit frame.
std::vector<MeshLine> SilhouetteOf(const ShapeValues& values, const Vec3& eye);
std::vector<Surface> HidingBodyOf(const ShapeValues& values);

// The shape value as the kind draws it. A frustum whose top equals its base, or has no top, has
// no silhouette construction: a top of exactly 1 or 0 is drawn as 0.999 or 0.0001.
double DrawnShapeValue(ShapeKind kind, double value);

// The shrinking of the hiding bodies.
inline constexpr float kHidingScale = 0.99f;

}  // namespace velnor
