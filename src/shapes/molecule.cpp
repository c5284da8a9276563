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
MeshCopy StickCopy(const MoleculePoint& from, const MoleculePoint& to) {
    constexpr float kHalfLength = 0.35f;
    const Vec3 a = ToVec(from), b = ToVec(to);
    const Vec3 d = b - a;
    const Vec3 across{-d.y, d.x, 0.0f};
    const bool turns = d.x != 0.0f || d.y != 0.0f;
    const auto radius = static_cast<float>(kStickRadius);
    return {Vec3{radius, radius, kHalfLength}, turns ? across / Length(across) : Vec3{},
            turns ? std::acos(std::fmax(-1.0, std::fmin(1.0, d.z / kStickLength))) : 0.0,
            0.5f * (a + b)};
}

MeshCopy AtomCopy(const MoleculePoint& centre) {
    const auto radius = static_cast<float>(kAtomRadius);
    return {Vec3{radius, radius, radius}, Vec3{}, 0.0, ToVec(centre)};
}

// A direction of the unit mesh, such as a normal, as the copy turns it.
Vec3 TurnedBy(const MeshCopy& copy, const Vec3& v) {
    return copy.angle != 0.0 ? Turned(v, copy.axis, copy.angle) : v;
}

Vec3 PlacedBy(const MeshCopy& copy, const Vec3& p) {
    return copy.at + TurnedBy(copy, {copy.scale.x * p.x, copy.scale.y * p.y, copy.scale.z * p.z});
}

// The copies of a part's unit mesh made into one surface.
Surface Copied(const MoleculePart& part) {
    Surface all;
    all.paint = part.unit.paint;
    for (const MeshCopy& copy : part.copies) {
        const auto first = static_cast<uint32_t>(all.vertices.size());
        for (const MeshVertex& v : part.unit.vertices) {
            all.Add({PlacedBy(copy, v.position), TurnedBy(copy, v.normal)});
        }
        for (const uint32_t index : part.unit.triangles) {
            all.triangles.push_back(first + index);
        }
    }
    return all;
}

}  // namespace

const MoleculeLayout& Molecule() {
    static const MoleculeLayout layout = Build();
    return layout;
}

std::vector<MoleculePart> MoleculeParts(int atomSlices) {
    MoleculePart sticks{StepCylinderSide(), {}};
    sticks.unit.paint = SurfacePaint::kStickMaterial;
    for (const auto& [from, to] : Molecule().sticks) {
        sticks.copies.push_back(StickCopy(from, to));
    }
    MoleculePart atoms{GlutSphere(Vec3{}, 1.0, atomSlices, atomSlices), {}};
    atoms.unit.paint = SurfacePaint::kAtomMaterial;
    for (const MoleculePoint& atom : Molecule().atoms) {
        atoms.copies.push_back(AtomCopy(atom));
    }
    return {std::move(sticks), std::move(atoms)};
}

std::vector<Surface> MoleculeSurfaces(int atomSlices) {
    std::vector<Surface> surfaces;
    for (const MoleculePart& part : MoleculeParts(atomSlices)) {
        surfaces.push_back(Copied(part));
    }
    return surfaces;
}

}  // namespace velnor
