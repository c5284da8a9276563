#pragma once

#include <GL/gl.h>

#include <array>

namespace velnor {

// The direction towards the eye in the current model-view frame, through the point the frame's
// origin is seen at: (l, m, o) of the silhouette constructions.
std::array<double, 3> EyeDirection();

// The outlines of surfaces as seen from the eye, in the unit frame of their solid. Each line is
// drawn dashed where hidden and solid where visible.
void DrawCylinderSilhouette(const std::array<double, 3>& d);
void DrawConeSilhouette(const std::array<double, 3>& d);
void DrawFrustumSilhouette(const std::array<double, 3>& d, double topRatio);
void DrawSphereSilhouette(const std::array<double, 3>& d, GLuint dashedCircle);

// The 20 side panels of a frustum with top radius `topRatio` at z = 1, as lines.
void DrawFrustumWire(double topRatio);
// The same panels filled, with both end discs (for the depth-only form).
void DrawFrustumBody(double topRatio);

}  // namespace velnor
