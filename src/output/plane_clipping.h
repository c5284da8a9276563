#pragma once

#include <QMatrix4x4>
#include <QVector3D>
#include <QVector4D>

#include <array>
#include <span>
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
bool IsOnKeptSides(const QVector3D& p, std::span<const ClipPlane> planes);

// The plane in the frame whose points `toPlaneFrame` takes into the plane's frame.
ClipPlane PlaneInFrame(const ClipPlane& plane, const QMatrix4x4& toPlaneFrame);

}  // namespace velnor
