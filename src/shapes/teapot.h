#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// The teapot of GLUT's size `size`, its lid upwards along +y and its spout towards +x, made from
// the Bezier patches on the grids GLUT evaluates them on.

// glutSolidTeapot: every patch on an 8 x 8 grid of points, textured across each patch.
inline constexpr int kSolidTeapotGrid = 8;
Surface SolidTeapot(double size);

// glutWireTeapot: every patch on a 10 x 10 grid, drawn as the grid's lines both ways.
inline constexpr int kWireTeapotGrid = 10;
std::vector<MeshLine> WireTeapot(double size);
// The surface's normals at the points of WireTeapot, which light its lines.
std::vector<MeshLine> WireTeapotNormals(double size);

// How many patches the teapot has once its quarters are turned and its halves mirrored.
inline constexpr int kTeapotPatches = 32;

}  // namespace velnor
