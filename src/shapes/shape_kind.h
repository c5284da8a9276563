#pragma once

#include <cstdint>
#include <optional>

namespace velnor {

// The solid kinds as the shape module sees them. Files and cells keep the kind as a byte
// (SolidKind in model/subassembly.h); it becomes a ShapeKind here, so that a switch that leaves
// a kind out does not compile.
enum class ShapeKind : uint8_t {
    kSphere,
    kPlane,
    kTetrahedron,
    kOctahedron,
    kDodecahedron,
    kIcosahedron,
    kCylinder,
    kCone,
    kTorus,
    kTitle,
    kCube,
    kDisk,
    kTeapot,
    kC60,
    kCircleOutline,
    kSphereWire,
    kCuboidWire,
    kTetrahedronWire,
    kOctahedronWire,
    kDodecahedronWire,
    kIcosahedronWire,
    kCylinderSide,
    kConeSide,
    kFrustumSide,
    kTeapotWire,
    kSphereOutline,
    kPageComponent,
};

inline constexpr int kShapeKindCount = 27;

// The kind of a stored byte; nothing for a byte that names no solid of its own (bitmap texts,
// damaged values).
std::optional<ShapeKind> ShapeKindOf(uint8_t storedKind);

}  // namespace velnor
