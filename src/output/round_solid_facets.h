#pragma once

#include <QColor>
#include <QVector3D>

#include <vector>

#include "output/solid_geometry.h"

namespace velnor {

// A sphere as quads between `stacks` circles of latitude, `slices` to a circle.
void AddSphereFacets(std::vector<Facet>& facets, const QVector3D& centre, double radius, int slices,
                     int stacks, const QColor& color = {});

// The view's torus: a tube of radius 0.2 round the unit circle of the xy plane, 10 sides to
// the tube, 24 rings.
void AddTorusFacets(std::vector<Facet>& facets);

// The ball-and-stick molecule. Lit, its materials make the sticks grey and the atoms red;
// unlit, it takes the solid's colour.
void AddMoleculeFacets(std::vector<Facet>& facets, bool lit);

}  // namespace velnor
