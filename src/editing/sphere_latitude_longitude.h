#pragma once

#include "model/page.h"

namespace velnor {

class CPlomDoc;

// The values of the dialog "添加球上的点、经线、纬线", with its defaults.
struct LatitudeLongitude {
    float latitude = 45.0f;     // "纬度：(-90,90)", degrees
    float longitude = -120.0f;  // "经度：(-180,180)", degrees
    bool parallel = true;       // "加纬线"
    bool meridian = true;       // "加经线"
    bool point = true;          // "添加点"
};

// Whether the dialog may open: one sphere selected and it stands upright with equal radii. A
// sphere that does not is refused here with "请修改属性使之方向向上且不能为椭球，然后再添加".
bool CanAskLatitudeLongitude(const CGpage& page);

// On the selected upright sphere (centre C, radius R), P = C + (R cos φ cos λ, R cos φ sin λ,
// R sin φ): the point P ("添加球上的点"), the parallel through P and the half meridian through P
// from pole to pole, as chosen. Records the point and the circles as one step. Nothing chosen,
// or a sphere that cannot have them, adds nothing.
bool AddLatitudeLongitude(CPlomDoc& doc, const LatitudeLongitude& values);

}  // namespace velnor
