#include <cmath>
#include <vector>

#include "geometry/solid_generator_builder.h"
#include "geometry/solid_generators.h"
#include "geometry/tolerances.h"

namespace velnor {

namespace {

// The corner i of a regular n-gon of radius r about the vertical axis through the centre, at
// height z above it.
Vec3 BaseCorner(Vec3 centre, int i, int sides, double radius, float z) {
    const double theta = -kPi / 2.0 - kPi / sides + 2.0 * kPi * i / sides;
    return centre + Vec3{static_cast<float>(radius * std::cos(theta)),
                         static_cast<float>(radius * std::sin(theta)), z};
}

char LetterAfter(int sides) {
    return static_cast<char>('A' + sides);
}

// Bottom corners e .. e+n−1, top corners e+n .. e+2n−1; the top radius is the bottom's times
// `topRatio` (1 for a prism).
AddedCells AddPrismoid(CGpage& page, Vec3 centre, int n, float radius, float height,
                       float topRatio) {
    FigureBuilder figure(page);
    for (int i = 0; i < n; ++i) {
        figure.Vertex(BaseCorner(centre, i, n, radius, -height / 2.0f), LetterLabel(i));
    }
    for (int i = 0; i < n; ++i) {
        figure.Vertex(BaseCorner(centre, i, n, topRatio * radius, height / 2.0f),
                      LetterLabel(i, "1"));
    }
    for (int i = 0; i < n; ++i) {
        figure.Edge(i, n + i);
    }
    std::vector<int> bottom, top;
    for (int i = 0; i < n; ++i) {
        bottom.insert(bottom.begin(), i);
        top.push_back(n + i);
    }
    figure.Face(bottom);
    figure.Face(top);
    for (int i = 1; i < n; ++i) {
        figure.Edge(i - 1, i);
        figure.Edge(n + i - 1, n + i);
        figure.Face({i - 1, i, n + i, n + i - 1});
    }
    figure.Edge(0, n - 1);
    figure.Edge(n, 2 * n - 1);
    figure.Face({n - 1, 0, n, 2 * n - 1});
    return figure.Finish(LetterAfter(n));
}

}  // namespace

std::optional<AddedCells> AddPrism(CGpage& page, Vec3 centre, int sides, float radius,
                                   float height) {
    if (!RoomForFigure(page, 2 * sides)) {
        return std::nullopt;
    }
    return AddPrismoid(page, centre, sides, radius, height, 1.0f);
}

std::optional<AddedCells> AddFrustum(CGpage& page, Vec3 centre, int sides, float radius,
                                     float height, float topRatio) {
    if (!RoomForFigure(page, 2 * sides)) {
        return std::nullopt;
    }
    return AddPrismoid(page, centre, sides, radius, height, topRatio);
}

std::optional<AddedCells> AddPyramid(CGpage& page, Vec3 centre, int sides, float radius,
                                     float height) {
    // One more than the pyramid needs: it has always left a row free.
    if (!RoomForFigure(page, sides + 2)) {
        return std::nullopt;
    }
    const int n = sides;
    // The circumscribed sphere's radius: the apex and the base corners are all R from the centre.
    const float sphere = (radius * radius + height * height) / (2.0f * height);
    FigureBuilder pyramid(page);
    pyramid.Vertex(centre + Vec3{0.0f, 0.0f, sphere}, "P");
    for (int i = 0; i < n; ++i) {
        pyramid.Vertex(BaseCorner(centre, i, n, radius, sphere - height), LetterLabel(i));
        pyramid.Edge(0, 1 + i);
    }
    for (int i = 1; i < n; ++i) {
        pyramid.Edge(i, i + 1);
        pyramid.Face({0, i, i + 1});
    }
    pyramid.Edge(n, 1);
    pyramid.Face({0, n, 1});
    std::vector<int> base;
    for (int i = n; i >= 1; --i) {
        base.push_back(i);
    }
    pyramid.Face(base);
    return pyramid.Finish(LetterAfter(n));
}

std::optional<AddedCells> AddPolygon(CGpage& page, Vec3 centre, int sides, float radius) {
    if (!RoomForFigure(page, sides)) {
        return std::nullopt;
    }
    const int n = sides;
    FigureBuilder polygon(page);
    std::vector<int> face;
    for (int i = 0; i < n; ++i) {
        polygon.Vertex(BaseCorner(centre, i, n, radius, 0.0f), LetterLabel(i));
        face.push_back(i);
    }
    for (int i = 1; i < n; ++i) {
        polygon.Edge(i - 1, i);
    }
    polygon.Edge(n - 1, 0);
    polygon.Face(face);
    return polygon.Finish(LetterAfter(n));
}

}  // namespace velnor
