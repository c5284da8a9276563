#pragma once

#include <cstdint>
#include <vector>

#include "geometry/vec3.h"
#include "model/color.h"

namespace velnor {

// One corner of a triangle mesh: where it is, its unit normal, and where it takes the texture
// (0 to 1 across the picture) on the solids that are textured.
struct MeshVertex {
    Vec3 position;
    Vec3 normal;
    float s = 0.0f;
    float t = 0.0f;
};

// Whose colour a surface is painted in.
enum class SurfacePaint : uint8_t {
    kSolid,          // the solid's material, or the component colour unlit
    kOwnColour,      // its own colour wherever the drawing colour shows (the cube's sides)
    kStickMaterial,  // the molecule's grey sticks
    kAtomMaterial,   // the molecule's red atoms
};

// A piece of a solid's skin as triangles, each counter-clockwise seen from the side its normals
// point to.
struct Surface {
    std::vector<MeshVertex> vertices;
    std::vector<uint32_t> triangles;  // three vertex indices each
    SurfacePaint paint = SurfacePaint::kSolid;
    Rgb ownColour;

    // Adds a vertex and returns its index.
    uint32_t Add(const MeshVertex& vertex);
    void AddTriangle(uint32_t a, uint32_t b, uint32_t c);
    // The quad a b c d as the triangles a b c and a c d.
    void AddQuad(uint32_t a, uint32_t b, uint32_t c, uint32_t d);
};

using MeshLine = std::vector<Vec3>;

// A point of a plane: the base plane of a unit solid, or a letter's outline.
struct Point2 {
    double x, y;
};

// A flat face with holes, filled by the non-zero rule: the fronts and backs of the title's
// letters.
struct FlatFace {
    std::vector<MeshLine> contours;
    Vec3 normal;
};

}  // namespace velnor
