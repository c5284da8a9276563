#pragma once

#include <QVector3D>

#include <array>
#include <vector>

namespace velnor {

// The GLUT teapot of size 1 as the view draws it, read back from OpenGL once and kept: the
// solid teapot's flat pieces (its triangles, joined in pairs to the convex quads of the patches'
// grid) and the wire teapot's lines, in the solid's unit frame. Both are empty where no
// OpenGL context can be made. Needs a QGuiApplication.
struct TeapotMesh {
    std::vector<std::vector<QVector3D>> pieces;
    std::vector<std::vector<QVector3D>> lines;
};

const TeapotMesh& Teapot();

}  // namespace velnor
