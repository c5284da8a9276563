#pragma once

#include <array>

namespace velnor {

// The three projections the user can choose.
enum Projection : int { kCentral = 0, kOrthographic = 1, kOblique = 2 };

// The oblique (cabinet) projection for a window of `aspect` = width / height, column-major: an
// orthographic window centred on 17.675 with x and y sheared by -0.35355 z.
std::array<double, 16> ObliqueMatrix(float aspect);

// The projection matrix of `type` for a window of `aspect`, column-major as OpenGL takes it. The
// vector drawing of a page uses it as well, so both show the same picture.
std::array<double, 16> ProjectionMatrix(int type, float aspect);

// Multiplies the projection of `type` onto the current matrix; the caller has selected
// GL_PROJECTION and loaded the identity.
void SetupProjection(int type, float aspect);

}  // namespace velnor
