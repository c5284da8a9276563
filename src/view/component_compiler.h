#pragma once

namespace velnor {

class CGlModel;
class CGpage;
class GlScene;

// Compiles the drawing of `page` into the list of page component `number` (1..22), replacing what
// it held; solids of the page-component kind show it. Numbers outside 1..22 are ignored.
// Needs the scene's context current.
void CompileComponent(CGpage& page, int number, const CGlModel& settings, const GlScene& scene,
                      bool positionsAsColors);

}  // namespace velnor
