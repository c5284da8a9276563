#pragma once

namespace velnor {

class CGlModel;
class GlScene;

// What the cell drawings read besides the cell: the scene settings (colours, camera) and the
// display lists and textures of the context.
struct RenderEnv {
    const CGlModel& settings;
    const GlScene& scene;
};

}  // namespace velnor
