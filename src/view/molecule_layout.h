#pragma once

#include <array>
#include <vector>

namespace velnor {

using MoleculePoint = std::array<double, 3>;

// The ball-and-stick truncated icosahedron: its atoms and the ends of its sticks, in the unit
// frame of the solid.
struct MoleculeLayout {
    std::vector<MoleculePoint> atoms;
    std::vector<std::array<MoleculePoint, 2>> sticks;
};

inline constexpr double kAtomRadius = 0.06;
inline constexpr double kStickRadius = 0.015;
inline constexpr double kStickLength = 0.35048741;  // a third of the icosahedron's edge

const MoleculeLayout& Molecule();

}  // namespace velnor
