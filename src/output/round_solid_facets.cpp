#include "output/round_solid_facets.h"

#include <cmath>
#include <numbers>

#include "shapes/molecule.h"

namespace velnor {

namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;

// Lit, the molecule's parts take its materials' diffuse colours.
QColor DiffuseOf(const MoleculeMaterial& material) {
    const auto& d = material.diffuse;
    return QColor::fromRgbF(d[0], d[1], d[2]);
}

// A small number of sides is enough for the molecule's tiny atoms and sticks.
constexpr int kAtomSlices = 8;
constexpr int kAtomStacks = 4;
constexpr int kStickSides = 4;

QVector3D ToVector(const MoleculePoint& p) {
    return QVector3D(static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2]));
}

QVector3D OnSphere(const QVector3D& centre, double radius, double longitude, double latitude) {
    return centre + QVector3D(static_cast<float>(radius * std::cos(latitude) * std::cos(longitude)),
                              static_cast<float>(radius * std::cos(latitude) * std::sin(longitude)),
                              static_cast<float>(radius * std::sin(latitude)));
}

// The point of the torus at `ring` round the z axis and `side` round the tube.
QVector3D OnTorus(double ring, double side) {
    constexpr double kTube = 0.2, kCentre = 1.0;
    const double r = kCentre + kTube * std::cos(side);
    return QVector3D(static_cast<float>(r * std::cos(ring)), static_cast<float>(r * std::sin(ring)),
                     static_cast<float>(kTube * std::sin(side)));
}

void AddStick(std::vector<Facet>& facets, const QVector3D& from, const QVector3D& to,
              const QColor& color) {
    const QVector3D axis = to - from;
    const QVector3D mid = (from + to) / 2.0f;
    const QVector3D half = axis.normalized() * static_cast<float>(kStickLength / 2);
    const QVector3D across =
        std::fabs(axis.normalized().z()) < 0.9f ? QVector3D(0, 0, 1) : QVector3D(1, 0, 0);
    const QVector3D u = QVector3D::crossProduct(axis, across).normalized();
    const QVector3D v = QVector3D::crossProduct(axis.normalized(), u);
    const auto round = [&](int k) {
        const double a = kTurn * k / kStickSides;
        return (u * static_cast<float>(std::cos(a)) + v * static_cast<float>(std::sin(a))) *
               static_cast<float>(kStickRadius);
    };
    for (int k = 0; k < kStickSides; ++k) {
        facets.push_back({{mid - half + round(k), mid - half + round(k + 1),
                           mid + half + round(k + 1), mid + half + round(k)},
                          color});
    }
}

}  // namespace

void AddSphereFacets(std::vector<Facet>& facets, const QVector3D& centre, double radius, int slices,
                     int stacks, const QColor& color) {
    for (int i = 0; i < stacks; ++i) {
        const double p0 = std::numbers::pi * i / stacks - std::numbers::pi / 2;
        const double p1 = std::numbers::pi * (i + 1) / stacks - std::numbers::pi / 2;
        for (int k = 0; k < slices; ++k) {
            const double a0 = kTurn * k / slices, a1 = kTurn * (k + 1) / slices;
            Facet facet{{OnSphere(centre, radius, a0, p0), OnSphere(centre, radius, a1, p0),
                         OnSphere(centre, radius, a1, p1), OnSphere(centre, radius, a0, p1)},
                        color};
            // The poles' quads have two corners in one point.
            if (i == 0) {
                facet.corners.erase(facet.corners.begin());
            } else if (i == stacks - 1) {
                facet.corners.pop_back();
            }
            facets.push_back(std::move(facet));
        }
    }
}

void AddTorusFacets(std::vector<Facet>& facets) {
    constexpr int kSides = 10, kRings = 24;
    for (int i = 0; i < kRings; ++i) {
        const double r0 = kTurn * i / kRings, r1 = kTurn * (i + 1) / kRings;
        for (int j = 0; j < kSides; ++j) {
            const double s0 = kTurn * j / kSides, s1 = kTurn * (j + 1) / kSides;
            facets.push_back(
                {{OnTorus(r0, s0), OnTorus(r1, s0), OnTorus(r1, s1), OnTorus(r0, s1)}, {}});
        }
    }
}

void AddMoleculeFacets(std::vector<Facet>& facets, bool lit) {
    for (const auto& [from, to] : Molecule().sticks) {
        AddStick(facets, ToVector(from), ToVector(to), lit ? DiffuseOf(kStickMaterial) : QColor());
    }
    for (const MoleculePoint& atom : Molecule().atoms) {
        AddSphereFacets(facets, ToVector(atom), kAtomRadius, kAtomSlices, kAtomStacks,
                        lit ? DiffuseOf(kAtomMaterial) : QColor());
    }
}

}  // namespace velnor
