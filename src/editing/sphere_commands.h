#pragma once

#include "geometry/vec3.h"

namespace velnor {

class CPlomDoc;

// The geometric sphere on the current page, recorded as "添加几何球体": the four solids first
// ("添加组件"), then the vertices, lines and face.
bool AddGeometricSphereFigure(CPlomDoc& doc, Vec3 centre, float radius);

// The north and south poles of the selected sphere and the segment from north to south
// ("添加极点、球轴"). A sphere that is turned or not round is refused with
// "请修改属性使之方向向上且不能为椭球，然后再添加".
bool AddSphereAxis(CPlomDoc& doc);

}  // namespace velnor
