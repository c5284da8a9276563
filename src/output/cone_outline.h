#pragma once

#include <QPolygonF>
#include <QVector3D>

#include <optional>

namespace velnor {

class SceneProjector;

// The outline on the drawing of a cone with its apex at `apex`, pointing along `direction`, one
// unit long and of base `radius`: the arrow head of a vector, the tip of an axis. Nothing when a
// part of it lies at or behind the eye.
std::optional<QPolygonF> ConeOutline(const SceneProjector& projector, const QVector3D& apex,
                                     const QVector3D& direction, float radius);

}  // namespace velnor
