#pragma once

#include <string>
#include <vector>

#include "commands/command_entry.h"
#include "commands/command_params.h"

namespace velnor {

class CPlomDoc;
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
// 组件...: kind x y z ax ay az sx sy sz spin (kind, centre, axis, sizes, turn in degrees),
// component (the page component of kind 26, 1..N), clip plane1 plane2 (clipping and its two
// planes, 1/0), a1 b1 c1 d1 and a2 b2 c2 d2 (the planes), ratio (top to bottom of kind 23).
CommandEntry ComponentItem();

// The value names of the component dialog, in both modes.
const std::vector<std::string>& ComponentParamNames();

// A kind outside the list, or a page component the document does not have, is refused.
std::string ComponentParamsRefusal(const CPlomDoc& doc, const CommandParams& params,
                                   int currentKind);

// The component dialog's values changed by the parameters of 组件 (or of the properties of a
// solid): the kind first, as choosing it in the list, then the other values.
void ApplyComponentParams(const CommandParams& params, ComponentValues& values, bool creating);

}  // namespace velnor
