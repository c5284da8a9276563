#include "geometry/sphere_constructions.h"

#include <cmath>
#include <memory>

#include "geometry/circle_solids.h"
#include "geometry/solid_generator_builder.h"

namespace velnor {

namespace {

void AddGeometricSphereSolids(CGpage& page, Vec3 o, Vec3 oPrime, float radius,
                              float parallelRadius) {
    page.AddNewSolid(MakeOutlineSolid(kSolidSphereOutline, o, {0, 0, 1}, {radius, radius, radius}));
    page.AddNewSolid(MakeCircle(o, {1, 0, 0}, radius));
    page.AddNewSolid(MakeCircle(o, {0, 0, 1}, radius));
    page.AddNewSolid(MakeCircle(oPrime, {0, 0, 1}, parallelRadius));
}

}  // namespace

std::optional<AddedCells> AddGeometricSphere(CGpage& page, Vec3 centre, float radius) {
    if (!RoomForFigure(page, 3)) {
        return std::nullopt;
    }
    // O'A is the radius of the parallel and OA the sphere's: OO'A has a right angle at O'.
    const float height = radius / std::sqrt(3.0f);
    const float parallelRadius = radius * std::sqrt(6.0f) / 3.0f;
    const Vec3 oPrime = centre + Vec3{0.0f, 0.0f, height};
    const Vec3 a = oPrime - Vec3{0.0f, parallelRadius, 0.0f};
    AddGeometricSphereSolids(page, centre, oPrime, radius, parallelRadius);

    FigureBuilder figure(page);
    figure.Vertex(centre, "O");
    figure.Vertex(oPrime, "O'");
    figure.Vertex(a, "A");
    figure.Edge(0, 1);
    figure.Edge(1, 2);
    figure.Edge(2, 0);
    figure.Face({0, 1, 2});
    AddedCells added = figure.Finish('B');
    added.solids = 4;
    return added;
}

bool IsSphereSelected(const CGpage& page) {
    return SelectedSolidOfKind(page, kSolidSphereOutline) != nullptr;
}

}  // namespace velnor
