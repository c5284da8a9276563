#include "shapes/molecule.h"

#include <cmath>

#include "shapes/flat_shapes.h"
#include "shapes/round_shapes.h"
#include "shapes/turn.h"

namespace velnor {

namespace {

constexpr double kA = 0.525731112;
constexpr double kB = 0.850650808;

const std::array<MoleculePoint, 12> kIcosahedron{{{-kA, 0, kB},
                                                  {kA, 0, kB},
                                                  {-kA, 0, -kB},
                                                  {kA, 0, -kB},
                                                  {0, kB, kA},
                                                  {0, kB, -kA},
                                                  {0, -kB, kA},
                                                  {0, -kB, -kA},
                                                  {kB, kA, 0},
                                                  {-kB, kA, 0},
                                                  {kB, -kA, 0},
                                                  {-kB, -kA, 0}}};

// The twenty triangles of the icosahedron above.
constexpr int kTriangles[20][3] = {{0, 4, 1},  {0, 9, 4},  {9, 5, 4},  {4, 5, 8},  {4, 8, 1},
                                   {8, 10, 1}, {8, 3, 10}, {5, 3, 8},  {5, 2, 3},  {2, 7, 3},
                                   {7, 10, 3}, {7, 6, 10}, {7, 11, 6}, {11, 0, 6}, {0, 1, 6},
                                   {6, 1, 10}, {9, 0, 11}, {9, 11, 2}, {9, 2, 5},  {7, 2, 11}};

// The atom on the edge from a to b, a third of the way from a.
MoleculePoint NearAtom(const MoleculePoint& a, const MoleculePoint& b) {
    return {a[0] + (b[0] - a[0]) / 3, a[1] + (b[1] - a[1]) / 3, a[2] + (b[2] - a[2]) / 3};
}

// The pentagons' sticks come from the corners of each triangle, the hexagons' joining sticks
// and the atoms from the icosahedron's edges.
MoleculeLayout Build() {
    MoleculeLayout m;
    for (const auto& t : kTriangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const MoleculePoint& v = kIcosahedron[t[corner]];
            const MoleculePoint& next = kIcosahedron[t[(corner + 1) % 3]];
            const MoleculePoint& prev = kIcosahedron[t[(corner + 2) % 3]];
            m.sticks.push_back({NearAtom(v, next), NearAtom(v, prev)});
        }
    }
    for (int i = 0; i < 12; ++i) {
        for (int j = i + 1; j < 12; ++j) {
            const MoleculePoint& a = kIcosahedron[i];
            const MoleculePoint& b = kIcosahedron[j];
            const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
            if (std::fabs(d - 3 * kStickLength) < 0.01) {
                m.sticks.push_back({NearAtom(a, b), NearAtom(b, a)});
                m.atoms.push_back(NearAtom(a, b));
                m.atoms.push_back(NearAtom(b, a));
            }
        }
    }
    return m;
}

Vec3 ToVec(const MoleculePoint& p) {
    return {static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])};
}

// The unit cylinder side, thinned and stretched into the stick between the two atoms: turned
// from +z onto the stick about the axis across both.
void AddStick(Surface& sticks, const Surface& side, const MoleculePoint& from,
              const MoleculePoint& to) {
    const Vec3 a = ToVec(from), b = ToVec(to);
    const Vec3 d = b - a, middle = 0.5f * (a + b);
    const Vec3 across{-d.y, d.x, 0.0f};
    const bool turns = d.x != 0.0f || d.y != 0.0f;
    const double angle = std::acos(std::fmax(-1.0, std::fmin(1.0, d.z / kStickLength)));
    const Vec3 axis = turns ? across / Length(across) : Vec3{};
    const auto place = [&](const Vec3& v) { return turns ? Turned(v, axis, angle) : v; };
    const auto first = static_cast<uint32_t>(sticks.vertices.size());
    constexpr float kHalfLength = 0.35f;
    for (const MeshVertex& v : side.vertices) {
        const Vec3 p{static_cast<float>(kStickRadius) * v.position.x,
                     static_cast<float>(kStickRadius) * v.position.y, kHalfLength * v.position.z};
        sticks.Add({middle + place(p), place(v.normal)});
    }
    for (const uint32_t index : side.triangles) {
        sticks.triangles.push_back(first + index);
    }
}

void Append(Surface& to, const Surface& from) {
    const auto first = static_cast<uint32_t>(to.vertices.size());
    to.vertices.insert(to.vertices.end(), from.vertices.begin(), from.vertices.end());
    for (const uint32_t index : from.triangles) {
        to.triangles.push_back(first + index);
    }
}

}  // namespace

const MoleculeLayout& Molecule() {
    static const MoleculeLayout layout = Build();
    return layout;
}

std::vector<Surface> MoleculeSurfaces(int atomSlices) {
    Surface sticks;
    sticks.paint = SurfacePaint::kStickMaterial;
    const Surface side = StepCylinderSide();
    for (const auto& [from, to] : Molecule().sticks) {
        AddStick(sticks, side, from, to);
    }
    Surface atoms;
    atoms.paint = SurfacePaint::kAtomMaterial;
    for (const MoleculePoint& atom : Molecule().atoms) {
        Append(atoms, GlutSphere(ToVec(atom), kAtomRadius, atomSlices, atomSlices));
    }
    return {std::move(sticks), std::move(atoms)};
}

}  // namespace velnor
