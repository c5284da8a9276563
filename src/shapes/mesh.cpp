#include "shapes/mesh.h"

namespace velnor {

uint32_t Surface::Add(const MeshVertex& vertex) {
    vertices.push_back(vertex);
    return static_cast<uint32_t>(vertices.size() - 1);
}

void Surface::AddTriangle(uint32_t a, uint32_t b, uint32_t c) {
    triangles.insert(triangles.end(), {a, b, c});
}

void Surface::AddQuad(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    AddTriangle(a, b, c);
    AddTriangle(a, c, d);
}

}  // namespace velnor
