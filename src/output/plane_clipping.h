#pragma once

#include <QVector3D>
#include <QVector4D>

#include <array>
#include <vector>

namespace velnor {

// The side of the page's clip plane a x + b y + c z + d >= 0 that stays, as OpenGL keeps it.
using ClipPlane = std::array<double, 4>;

// Cuts the segment between two homogeneous points to the kept side; false when nothing stays.
bool ClipSegmentToPlane(QVector4D& a, QVector4D& b, const ClipPlane& plane);

// The part of a convex polygon on the kept side (fewer than three corners when nothing stays).
std::vector<QVector3D> ClipPolygonToPlane(const std::vector<QVector3D>& polygon,
                                          const ClipPlane& plane);

bool IsOnKeptSide(const QVector3D& p, const ClipPlane& plane);

}  // namespace velnor
