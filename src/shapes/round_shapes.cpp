#include "shapes/round_shapes.h"

#include <cmath>
#include <numbers>

namespace velnor {

namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;

Vec3 At(double x, double y, double z) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

// GLU's point of slice i: sin for x, cos for y.
Vec3 QuadricRim(int i, int slices, double radius, double z) {
    const double a = kTurn * (i % slices) / slices;
    return At(radius * std::sin(a), radius * std::cos(a), z);
}

// GLUT's point of slice i: its circle runs clockwise seen from +z.
Vec3 GlutRim(int i, int slices, double radius, double z) {
    const double a = -kTurn * (i % slices) / slices;
    return At(radius * std::cos(a), radius * std::sin(a), z);
}

// A sphere's triangles between the points `point(i, j)` of slice i and stack j (stack 0 the north
// pole). Both kinds of sphere run their slices clockwise seen from the north pole; the stacks at
// the poles are triangles.
template <typename PointOf>
void AddSphereBands(Surface& sphere, int slices, int stacks, PointOf point) {
    for (int j = 0; j < stacks; ++j) {
        for (int i = 0; i < slices; ++i) {
            const uint32_t a = point(i, j), b = point(i, j + 1), c = point(i + 1, j + 1),
                           d = point(i + 1, j);
            if (j == 0) {
                sphere.AddTriangle(a, c, b);
            } else if (j == stacks - 1) {
                sphere.AddTriangle(a, d, b);
            } else {
                sphere.AddQuad(a, d, c, b);
            }
        }
    }
}

MeshLine Closed(MeshLine line) {
    line.push_back(line.front());
    return line;
}

}  // namespace

Surface QuadricSphere(int slices, int stacks) {
    Surface sphere;
    const auto point = [&](int i, int j) {
        const double rho = std::numbers::pi * j / stacks;
        const Vec3 p = QuadricRim(i, slices, std::sin(rho), std::cos(rho));
        return sphere.Add(
            {p, p, 1.0f - static_cast<float>(i) / slices, 1.0f - static_cast<float>(j) / stacks});
    };
    AddSphereBands(sphere, slices, stacks, point);
    return sphere;
}

Surface QuadricCylinder(double base, double top, int slices, int stacks) {
    Surface side;
    const double length = std::hypot(base - top, 1.0);
    const auto point = [&](int i, int j) {
        const double radius = base - (base - top) * j / stacks;
        const Vec3 rim = QuadricRim(i, slices, 1.0, 0.0);
        const Vec3 normal = At(rim.x / length, rim.y / length, (base - top) / length);
        return side.Add({QuadricRim(i, slices, radius, static_cast<double>(j) / stacks), normal,
                         1.0f - static_cast<float>(i) / slices, static_cast<float>(j) / stacks});
    };
    for (int j = 0; j < stacks; ++j) {
        for (int i = 0; i < slices; ++i) {
            side.AddQuad(point(i, j), point(i, j + 1), point(i + 1, j + 1), point(i + 1, j));
        }
    }
    return side;
}

Surface QuadricDisk(int slices) {
    Surface disk;
    const Vec3 up{0.0f, 0.0f, 1.0f};
    const uint32_t centre = disk.Add({{}, up, 0.5f, 0.5f});
    const auto point = [&](int i) {
        const Vec3 p = QuadricRim(i, slices, 1.0, 0.0);
        return disk.Add({p, up, 0.5f + p.x / 2.0f, 0.5f + p.y / 2.0f});
    };
    for (int i = 0; i < slices; ++i) {
        disk.AddTriangle(centre, point(i + 1), point(i));
    }
    return disk;
}

std::vector<MeshLine> QuadricCylinderLines(int slices, int stacks) {
    std::vector<MeshLine> lines;
    for (int j = 0; j <= stacks; ++j) {
        MeshLine circle;
        for (int i = 0; i <= slices; ++i) {
            circle.push_back(QuadricRim(i, slices, 1.0, static_cast<double>(j) / stacks));
        }
        lines.push_back(std::move(circle));
    }
    for (int i = 0; i < slices; ++i) {
        MeshLine line;
        for (int j = 0; j <= stacks; ++j) {
            line.push_back(QuadricRim(i, slices, 1.0, static_cast<double>(j) / stacks));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

Surface GlutSphere(const Vec3& centre, double radius, int slices, int stacks) {
    Surface sphere;
    const auto point = [&](int i, int j) {
        const double theta = std::numbers::pi * j / stacks;
        const Vec3 normal = GlutRim(i, slices, std::sin(theta), std::cos(theta));
        return sphere.Add({centre + static_cast<float>(radius) * normal, normal});
    };
    AddSphereBands(sphere, slices, stacks, point);
    return sphere;
}

std::vector<MeshLine> GlutSphereLines(double radius, int slices, int stacks) {
    std::vector<MeshLine> lines;
    const auto point = [&](int i, int j) {
        const double theta = std::numbers::pi * j / stacks;
        return static_cast<float>(radius) * GlutRim(i, slices, std::sin(theta), std::cos(theta));
    };
    for (int i = 0; i < slices; ++i) {
        MeshLine slice;
        for (int j = 0; j <= stacks; ++j) {
            slice.push_back(point(i, j));
        }
        lines.push_back(std::move(slice));
    }
    for (int j = 1; j < stacks; ++j) {
        MeshLine stack;
        for (int i = 0; i < slices; ++i) {
            stack.push_back(point(i, j));
        }
        lines.push_back(Closed(std::move(stack)));
    }
    return lines;
}

std::vector<MeshLine> GlutConeLines(double size, int slices, int stacks) {
    std::vector<MeshLine> lines;
    const auto point = [&](int i, int j) {
        return GlutRim(i, slices, size * (stacks - j) / stacks, size * j / stacks);
    };
    for (int i = 0; i < slices; ++i) {
        lines.push_back({point(i, 0), point(i, stacks)});
    }
    for (int j = 0; j < stacks; ++j) {
        MeshLine stack;
        for (int i = 0; i < slices; ++i) {
            stack.push_back(point(i, j));
        }
        lines.push_back(Closed(std::move(stack)));
    }
    return lines;
}

namespace {

// Ring j round the z axis, side i round the tube.
MeshVertex OnTorus(double tube, double ring, int i, int j, int sides, int rings) {
    const double psi = kTurn * (j % rings) / rings;
    const double phi = -kTurn * (i % sides) / sides;
    const Vec3 normal =
        At(std::cos(psi) * std::cos(phi), std::sin(psi) * std::cos(phi), std::sin(phi));
    const double r = ring + tube * std::cos(phi);
    return {At(r * std::cos(psi), r * std::sin(psi), tube * std::sin(phi)), normal};
}

}  // namespace

Surface GlutTorus(double tube, double ring, int sides, int rings) {
    Surface torus;
    const auto point = [&](int i, int j) {
        return torus.Add(OnTorus(tube, ring, i, j, sides, rings));
    };
    for (int j = 0; j < rings; ++j) {
        for (int i = 0; i < sides; ++i) {
            torus.AddQuad(point(i, j), point(i + 1, j), point(i + 1, j + 1), point(i, j + 1));
        }
    }
    return torus;
}

std::vector<MeshLine> GlutTorusLines(double tube, double ring, int sides, int rings) {
    std::vector<MeshLine> lines;
    for (int j = 0; j < rings; ++j) {
        MeshLine loop;
        for (int i = 0; i < sides; ++i) {
            loop.push_back(OnTorus(tube, ring, i, j, sides, rings).position);
        }
        lines.push_back(Closed(std::move(loop)));
    }
    for (int i = 0; i < sides; ++i) {
        MeshLine loop;
        for (int j = 0; j < rings; ++j) {
            loop.push_back(OnTorus(tube, ring, i, j, sides, rings).position);
        }
        lines.push_back(Closed(std::move(loop)));
    }
    return lines;
}

}  // namespace velnor
