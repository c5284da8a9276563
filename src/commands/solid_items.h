#pragma once

#include "commands/command_entry.h"
#include "commands/command_params.h"

namespace velnor {

class CSubassembly;
struct ComponentValues;

// The circles, spheres and solids of the Create menu.
CommandEntry CircleThroughThreePointsItem();
CommandEntry CircleNormalItem();
CommandEntry GeometricSphereItem();
CommandEntry SphereAxisItem();
CommandEntry LatitudeLongitudeItem();
// 图元集...: type L W H n r k X Y Z (figure, edge, width, height, sides, radius, top-to-bottom
// ratio, centre). Choosing the type first puts the radius and the centre's height where the
// dialog puts them for that figure.
CommandEntry FigureSetItem();
// 组件...: kind x y z ax ay az sx sy sz spin (kind, centre, axis, sizes, turn in degrees).
CommandEntry ComponentItem();

// The component dialog's values changed by the parameters of 组件 (or of the properties of a
// solid): the kind first, as choosing it in the list, then the other values.
void ApplyComponentParams(const CommandParams& params, ComponentValues& values, bool creating);

}  // namespace velnor
