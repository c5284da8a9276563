#pragma once

#include <optional>

#include "geometry/vec3.h"
#include "model/added_cells.h"
#include "model/page.h"

namespace velnor {

// The geometric sphere: the sphere outline (kind 25) at O with radius R, the great circle in the
// plane x = O.x, the equator, and the parallel through O' = O + (0, 0, R/√3) of radius R√6/3;
// then the vertices "O", "O'" and "A" = O' − (0, R√6/3, 0), the segments OO', O'A, AO and the face
// OO'A. The next label letter is raised to 'B'. A page with 198 or more vertices refuses it with
// "本页顶点数已达界限,请新建一页". Returns what was added.
std::optional<AddedCells> AddGeometricSphere(CGpage& page, Vec3 centre, float radius);

// "球的轴" and "球上的点、纬线、经线": exactly one solid selected and it is a sphere (kind 25).
bool IsSphereSelected(const CGpage& page);

}  // namespace velnor
