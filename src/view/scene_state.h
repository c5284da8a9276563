#pragma once

namespace velnor {

class CGlModel;
struct LineStipple;

// The size of the page's dots, in pixels.
inline constexpr float kDotPixels = 6.0f;

// Sets the OpenGL state that the scene settings describe: clear colour, colour array, texturing,
// fill stipple, shading, lights, blending and depth test, line smoothing, colour material, light 0
// and the scene material.
void ApplySettings(const CGlModel& settings);

// The constant state of a new context (depth test, smoothing, point size, stipples, the two extra
// lights and the light model), then the settings themselves.
void InitContextState(const CGlModel& settings);

// The 虚线 choice for hidden edges.
void ApplyLineStipple(const LineStipple& stipple);

// The polygon stipple of a fill-stipple choice; 0 keeps the current pattern.
void ApplyFillStipple(int fillStipple);

// A material on front and back faces.
void ApplySceneMaterial(const CGlModel& settings);

}  // namespace velnor
