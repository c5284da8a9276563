#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/cell.h"
#include "model/material.h"

namespace velnor {

using Plane = std::array<double, 4>;  // a, b, c, d of ax + by + cz + d = 0
using Float3 = std::array<float, 3>;

// Solid kinds with a meaning of their own; 14..25 are the outline ("*") forms.
enum SolidKind : uint8_t {
    kSolidSphere = 0,
    kSolidPlane = 1,
    kSolidTetrahedron = 2,
    kSolidOctahedron = 3,
    kSolidDodecahedron = 4,
    kSolidIcosahedron = 5,
    kSolidCylinder = 6,
    kSolidCone = 7,
    kSolidTorus = 8,
    kSolidTitle = 9,
    kSolidCube = 10,
    kSolidDisk = 11,
    kSolidTeapot = 12,
    kSolidC60 = 13,
    kSolidCircleOutline = 14,
    kSolidSphereWire = 15,
    kSolidCuboidWire = 16,
    kSolidTetrahedronWire = 17,
    kSolidOctahedronWire = 18,
    kSolidDodecahedronWire = 19,
    kSolidIcosahedronWire = 20,
    kSolidCylinderSide = 21,
    kSolidConeSide = 22,
    kSolidFrustumSide = 23,
    kSolidTeapotWire = 24,
    kSolidSphereOutline = 25,
    kSolidPageComponent = 26,
    kSolidBitmapText = 30,
};

// Default name of a solid of that kind ("球", "圆柱体", ...); "页组件" for the page-component kinds.
const char* SolidKindName(uint8_t kind);

// Display preset that creating such a solid sets on its page.
uint32_t SolidKindPreset(uint8_t kind);

// A placed instance of a ready-made shape ("组件"): sphere, cylinder, polyhedron, page component...
class CSubassembly : public CGcell {
public:
    CSubassembly() = default;
    CSubassembly(uint8_t kind, uint8_t componentNumber, const Float3& position, float spin,
                 const Float3& direction, const Float3& scale, double shapeParameter,
                 uint32_t clipMode, const Plane& clipPlane1, const Plane& clipPlane2);

    const char* ClassName() const override { return "CSubassembly"; }
    bool operator==(const CSubassembly&) const = default;
    // A copy of the same class with every parameter.
    virtual std::unique_ptr<CSubassembly> Clone() const {
        return std::make_unique<CSubassembly>(*this);
    }

    uint8_t m_nKind = 0;
    uint8_t m_nComponent = 0;  // page component shown by kind 26
    Float3 m_position{};
    float m_fSpin = 0.0f;  // degrees about the solid's own z axis
    Float3 m_direction{0.0f, 0.0f, 1.0f};
    Float3 m_scale{1.0f, 1.0f, 1.0f};
    double m_dShape = 0.5;  // kind 23: top radius relative to the bottom
    uint32_t m_nClipMode = 0;  // 0 none, 1 plane 1, 2 plane 2, 3 both
    Plane m_clipPlane1{0.0, 0.0, 1.0, 0.0};
    Plane m_clipPlane2{0.0, 0.0, -1.0, 0.0};
    uint32_t m_nTexture = 1;
    uint8_t m_bOwnMaterial = 0;
    Material m_material = kDefaultMaterial;
};

}  // namespace velnor
