#include "shapes/teapot.h"

#include <array>
#include <cmath>

#include "shapes/teapot_patches.h"

namespace velnor {

namespace {

// GLUT centres the teapot on its axis by lowering it by this, in Newell's units, and halves it.
constexpr float kCentreHeight = 1.575f;

using ControlPoints = std::array<std::array<Vec3, 4>, 4>;

// A grid of points on a patch: n rows (along u) of n points (along v).
struct PatchGrid {
    std::vector<Vec3> points;
    std::vector<Vec3> normals;
};

struct Bernstein {
    std::array<float, 4> value;
    std::array<float, 4> slope;
};

Bernstein CubicBernstein(float x) {
    const float y = 1.0f - x;
    return {{y * y * y, 3 * x * y * y, 3 * x * x * y, x * x * x},
            {-3 * y * y, 3 * y * y - 6 * x * y, 6 * x * y - 3 * x * x, 3 * x * x}};
}

// Newell's frame turned so that his z is our y, scaled, and lowered onto the middle.
ControlPoints PatchControlPoints(int patch, float size) {
    ControlPoints cp;
    for (int i = 0; i < 16; ++i) {
        const auto& p = kTeapotPoints[static_cast<size_t>(kTeapotPatchPoints[patch][i])];
        cp[i / 4][i % 4] = {p[0] * size / 2.0f, (p[2] - kCentreHeight) * size / 2.0f,
                            -p[1] * size / 2.0f};
    }
    return cp;
}

Vec3 Unit(const Vec3& v) {
    const float length = Length(v);
    return length > 0.0f ? v / length : v;
}

PatchGrid Evaluate(const ControlPoints& cp, int n) {
    std::vector<Bernstein> b;
    for (int s = 0; s < n; ++s) {
        b.push_back(CubicBernstein(static_cast<float>(s) / static_cast<float>(n - 1)));
    }
    PatchGrid grid;
    for (int u = 0; u < n; ++u) {
        for (int v = 0; v < n; ++v) {
            Vec3 point, alongV, alongU;
            for (int i = 0; i < 4; ++i) {
                Vec3 row, rowSlope;
                for (int j = 0; j < 4; ++j) {
                    row = row + b[v].value[j] * cp[i][j];
                    rowSlope = rowSlope + b[v].slope[j] * cp[i][j];
                }
                point = point + b[u].value[i] * row;
                alongV = alongV + b[u].value[i] * rowSlope;
                alongU = alongU + b[u].slope[i] * row;
            }
            grid.points.push_back(point);
            grid.normals.push_back(Unit(Cross(alongV, alongU)));
        }
    }
    return grid;
}

// The lid's top and the bottom's middle meet in one point, where the patches' slopes give no
// normal: their first rows point straight up and straight down.
void FixPoleNormals(PatchGrid& grid, int patch, int n) {
    constexpr int kLid = 3, kBottom = 5;
    if (patch != kLid && patch != kBottom) {
        return;
    }
    for (int v = 0; v < n; ++v) {
        grid.normals[static_cast<size_t>(v)] = {0.0f, patch == kLid ? 1.0f : -1.0f, 0.0f};
    }
}

PatchGrid Mapped(const PatchGrid& grid, Vec3 (*map)(const Vec3&)) {
    PatchGrid out;
    for (size_t k = 0; k < grid.points.size(); ++k) {
        out.points.push_back(map(grid.points[k]));
        out.normals.push_back(map(grid.normals[k]));
    }
    return out;
}

// The patch mirrored across z = 0, its rows in reverse so that it still faces outwards.
PatchGrid Mirrored(const PatchGrid& grid, int n) {
    PatchGrid out;
    for (int u = n - 1; u >= 0; --u) {
        for (int v = 0; v < n; ++v) {
            const size_t k = static_cast<size_t>(u * n + v);
            const Vec3& p = grid.points[k];
            const Vec3& m = grid.normals[k];
            out.points.push_back({p.x, p.y, -p.z});
            out.normals.push_back({m.x, m.y, -m.z});
        }
    }
    return out;
}

// Every patch of the teapot, in GLUT's order: each input patch, then its copies.
std::vector<PatchGrid> TeapotGrids(double size, int n) {
    std::vector<PatchGrid> grids;
    for (int patch = 0; patch < kTeapotInputPatches; ++patch) {
        PatchGrid grid = Evaluate(PatchControlPoints(patch, static_cast<float>(size)), n);
        FixPoleNormals(grid, patch, n);
        grids.push_back(grid);
        if (patch < kTeapotTurnedPatches) {
            grids.push_back(Mapped(grid, [](const Vec3& p) { return Vec3{p.z, p.y, -p.x}; }));
            grids.push_back(Mapped(grid, [](const Vec3& p) { return Vec3{-p.x, p.y, -p.z}; }));
            grids.push_back(Mapped(grid, [](const Vec3& p) { return Vec3{-p.z, p.y, p.x}; }));
        } else {
            grids.push_back(Mirrored(grid, n));
        }
    }
    return grids;
}

}  // namespace

Surface SolidTeapot(double size) {
    constexpr int n = kSolidTeapotGrid;
    Surface teapot;
    for (const PatchGrid& grid : TeapotGrids(size, n)) {
        const auto first = static_cast<uint32_t>(teapot.vertices.size());
        for (int k = 0; k < n * n; ++k) {
            teapot.Add({grid.points[static_cast<size_t>(k)], grid.normals[static_cast<size_t>(k)],
                        static_cast<float>(k / n) / (n - 1), static_cast<float>(k % n) / (n - 1)});
        }
        for (uint32_t r = 0; r + 1 < n; ++r) {
            for (uint32_t c = 0; c + 1 < n; ++c) {
                const uint32_t upper = first + r * n + c, lower = upper + n;
                teapot.AddQuad(upper, upper + 1, lower + 1, lower);
            }
        }
    }
    return teapot;
}

namespace {

// The grid's lines of every patch, first along u, then along v, through `values` (the points or
// the normals).
std::vector<MeshLine> WireGridLines(double size, std::vector<Vec3> PatchGrid::*values) {
    constexpr int n = kWireTeapotGrid;
    const std::vector<PatchGrid> grids = TeapotGrids(size, n);
    std::vector<MeshLine> lines;
    for (const PatchGrid& grid : grids) {
        const std::vector<Vec3>& v = grid.*values;
        for (int c = 0; c < n; ++c) {
            MeshLine line;
            for (int r = 0; r < n; ++r) {
                line.push_back(v[static_cast<size_t>(r * n + c)]);
            }
            lines.push_back(std::move(line));
        }
    }
    for (const PatchGrid& grid : grids) {
        const std::vector<Vec3>& v = grid.*values;
        for (int r = 0; r < n; ++r) {
            lines.emplace_back(v.begin() + r * n, v.begin() + (r + 1) * n);
        }
    }
    return lines;
}

}  // namespace

std::vector<MeshLine> WireTeapot(double size) {
    return WireGridLines(size, &PatchGrid::points);
}

std::vector<MeshLine> WireTeapotNormals(double size) {
    return WireGridLines(size, &PatchGrid::normals);
}

}  // namespace velnor
