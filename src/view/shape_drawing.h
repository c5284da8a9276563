#pragma once

#include <GL/gl.h>

#include <vector>

#include "shapes/solid_shape.h"

namespace velnor {

// The shape module's meshes and lines drawn with vertex arrays, in the current modelview. Drawn
// while a list is compiled, the arrays are copied into it.

// The surfaces in their paints (own colours, the molecule's materials), then the flat faces,
// then the lines, dashed where hidden if the shape says so.
void DrawShape(const SolidShape& shape);
void DrawSurfaces(const std::vector<Surface>& surfaces);
// Lines as line strips, lit by `normals` (one to a point) when there are any.
void DrawLines(const std::vector<MeshLine>& lines, const std::vector<MeshLine>& normals = {});
// Lines drawn dashed where something lies in front of them, then solid where they are seen;
// `hiddenTest` is the depth test of the dashed pass.
void DrawDashedWhereHidden(const std::vector<MeshLine>& lines, GLenum hiddenTest);

}  // namespace velnor
