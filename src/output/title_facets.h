#pragma once

namespace velnor {

class CGlModel;
struct SolidGeometry;

// The 3D title of the settings as the view extrudes it: the letters' sides as painted facets,
// their fronts and backs as faces with holes.
void AddTitleShape(SolidGeometry& geometry, const CGlModel& settings);

}  // namespace velnor
