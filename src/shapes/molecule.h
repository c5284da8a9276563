#pragma once

#include <array>
#include <vector>

#include "shapes/mesh.h"

namespace velnor {

using MoleculePoint = std::array<double, 3>;

// The ball-and-stick truncated icosahedron: its atoms and the ends of its sticks, in the unit
// frame of the solid.
struct MoleculeLayout {
    std::vector<MoleculePoint> atoms;
    std::vector<std::array<MoleculePoint, 2>> sticks;
};

// The materials the molecule is lit with: grey sticks and red atoms.
struct MoleculeMaterial {
    std::array<float, 4> ambient, diffuse;
    float shininess;
};
inline constexpr MoleculeMaterial kStickMaterial{
    {0.2f, 0.2f, 0.2f, 1.0f}, {0.7f, 0.7f, 0.7f, 1.0f}, 30.0f};
inline constexpr MoleculeMaterial kAtomMaterial{
    {0.25f, 0.05f, 0.05f, 1.0f}, {0.9f, 0.15f, 0.1f, 1.0f}, 60.0f};

inline constexpr double kAtomRadius = 0.06;
inline constexpr double kStickRadius = 0.015;
inline constexpr double kStickLength = 0.35048741;  // a third of the icosahedron's edge

const MoleculeLayout& Molecule();

// The atoms' GLUT spheres have kAtomSlices slices and stacks; seen from afar, where an atom covers
// a few pixels, kDistantAtomSlices draw the same picture with a quarter of the triangles.
inline constexpr int kAtomSlices = 16;
inline constexpr int kDistantAtomSlices = 8;

// Where one copy of a unit mesh goes: scaled along its own axes, turned by `angle` radians about
// the unit `axis` when the angle is not zero, then moved to `at`.
struct MeshCopy {
    Vec3 scale;
    Vec3 axis;
    double angle = 0.0;
    Vec3 at;
};

// One part of the molecule as a unit mesh painted in the part's material, and its copies.
struct MoleculePart {
    Surface unit;
    std::vector<MeshCopy> copies;
};

// The sticks as the unit cylinder side, copied thin and short between their atoms, then the
// atoms as the unit GLUT sphere of `atomSlices` x `atomSlices`, copied small at each centre. A
// viewer draws each unit mesh once per copy instead of carrying every copy's triangles.
std::vector<MoleculePart> MoleculeParts(int atomSlices = kAtomSlices);

// The molecule as the view draws it: the parts' copies each made into one surface.
std::vector<Surface> MoleculeSurfaces(int atomSlices = kAtomSlices);

}  // namespace velnor
