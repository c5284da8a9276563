#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "shapes/solid_shape.h"
#include "shapes/teapot.h"
#include "shapes/title_outlines.h"

namespace velnor {
namespace {

// One letter: a square with a square hole.
class SquareLetter : public ITitleOutlines {
public:
    std::vector<TitleLineOutline> TitleLines() const override {
        GlyphOutline glyph{{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0.2, 0.2}, {0.2, 0.8}, {0.8, 0.8}}},
                           1.0};
        return {{{glyph}, {-2.2, 0.4}}};
    }
};

const SquareLetter kLetter;

ShapeValues ValuesOf(ShapeKind kind) {
    return {kind, 0.5, &kLetter};
}

using Key = std::tuple<float, float, float>;

Key KeyOf(const Vec3& p) {
    const auto round = [](float v) { return std::round(v * 1e4f) / 1e4f; };
    return {round(p.x), round(p.y), round(p.z)};
}

// Each directed edge between welded corners, counted.
std::map<std::pair<Key, Key>, int> DirectedEdges(const std::vector<Surface>& surfaces) {
    std::map<std::pair<Key, Key>, int> edges;
    for (const Surface& s : surfaces) {
        for (size_t i = 0; i + 2 < s.triangles.size(); i += 3) {
            for (size_t k = 0; k < 3; ++k) {
                const Key a = KeyOf(s.vertices[s.triangles[i + k]].position);
                const Key b = KeyOf(s.vertices[s.triangles[i + (k + 1) % 3]].position);
                if (a != b) {
                    ++edges[{a, b}];
                }
            }
        }
    }
    return edges;
}

// Six times the enclosed volume, positive when the triangles face outwards.
double SignedVolume(const std::vector<Surface>& surfaces) {
    double volume = 0.0;
    for (const Surface& s : surfaces) {
        for (size_t i = 0; i + 2 < s.triangles.size(); i += 3) {
            const Vec3& a = s.vertices[s.triangles[i]].position;
            const Vec3& b = s.vertices[s.triangles[i + 1]].position;
            const Vec3& c = s.vertices[s.triangles[i + 2]].position;
            volume += Dot(a, Cross(b, c));
        }
    }
    return volume;
}

void ExpectWellFormed(const Surface& s) {
    ASSERT_EQ(s.triangles.size() % 3, 0u);
    EXPECT_FALSE(s.triangles.empty());
    for (const uint32_t index : s.triangles) {
        ASSERT_LT(index, s.vertices.size());
    }
    for (const MeshVertex& v : s.vertices) {
        EXPECT_NEAR(Length(v.normal), 1.0f, 1e-3f);
    }
    // Each triangle turns the way its corners' normals point, but for specks (the teapot's lid
    // folds a little about its knob).
    int against = 0;
    for (size_t i = 0; i < s.triangles.size(); i += 3) {
        const MeshVertex& a = s.vertices[s.triangles[i]];
        const MeshVertex& b = s.vertices[s.triangles[i + 1]];
        const MeshVertex& c = s.vertices[s.triangles[i + 2]];
        const Vec3 turn = Cross(b.position - a.position, c.position - a.position);
        const bool speck = Length(turn) < 1e-4f;
        against += !speck && Dot(turn, a.normal + b.normal + c.normal) < 0.0f ? 1 : 0;
    }
    EXPECT_EQ(against, 0);
}

class EveryKind : public testing::TestWithParam<int> {};

TEST_P(EveryKind, HasAWellFormedMeshAndTheLinesItsFormsDraw) {
    const auto kind = static_cast<ShapeKind>(GetParam());
    const SolidShape shape = ShapeOf(ValuesOf(kind));
    for (const Surface& s : shape.surfaces) {
        ExpectWellFormed(s);
    }
    if (shape.closed) {
        // Every edge is walked once each way: no holes, no folds.
        const auto edges = DirectedEdges(shape.surfaces);
        for (const auto& [edge, count] : edges) {
            const auto& [a, b] = edge;
            EXPECT_EQ(count, 1);
            EXPECT_EQ(edges.count({b, a}), 1u);
        }
        EXPECT_GT(SignedVolume(shape.surfaces), 0.0);
    }
    const bool wireForm = (GetParam() >= 14 && GetParam() <= 20) || kind == ShapeKind::kTeapotWire;
    EXPECT_EQ(!shape.lines.empty(), wireForm);
    if (!shape.lineNormals.empty()) {
        ASSERT_EQ(shape.lineNormals.size(), shape.lines.size());
        for (size_t i = 0; i < shape.lines.size(); ++i) {
            ASSERT_EQ(shape.lineNormals[i].size(), shape.lines[i].size());
            for (const Vec3& normal : shape.lineNormals[i]) {
                EXPECT_NEAR(Length(normal), 1.0f, 1e-3f);
            }
        }
    }
    const bool drawsNothingOfItsOwn = kind == ShapeKind::kPageComponent || HasSilhouette(kind);
    EXPECT_EQ(shape.surfaces.empty() && shape.lines.empty(), drawsNothingOfItsOwn);
    const bool hasOutline = kind != ShapeKind::kTitle && kind != ShapeKind::kPageComponent;
    EXPECT_EQ(!OutlineOf(ValuesOf(kind)).lines.empty(), hasOutline);
    for (const MeshLine& line : OutlineOf(ValuesOf(kind)).lines) {
        EXPECT_GE(line.size(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, testing::Range(0, kShapeKindCount));

TEST(ShapeKindTest, NamesTheStoredKindsAndNoOthers) {
    EXPECT_EQ(ShapeKindOf(0), ShapeKind::kSphere);
    EXPECT_EQ(ShapeKindOf(26), ShapeKind::kPageComponent);
    EXPECT_EQ(ShapeKindOf(27), std::nullopt);
    EXPECT_EQ(ShapeKindOf(30), std::nullopt);  // bitmap texts are drawn apart
}

TEST(TeapotTest, EvaluatesEveryPatchOnGlutsGrid) {
    const Surface teapot = ShapeOf(ValuesOf(ShapeKind::kTeapot)).surfaces.at(0);
    constexpr size_t n = kSolidTeapotGrid;
    EXPECT_EQ(teapot.vertices.size(), kTeapotPatches * n * n);
    EXPECT_EQ(teapot.triangles.size(), kTeapotPatches * (n - 1) * (n - 1) * 2 * 3);
    const auto wire = ShapeOf(ValuesOf(ShapeKind::kTeapotWire)).lines;
    EXPECT_EQ(wire.size(), size_t{kTeapotPatches} * 2 * kWireTeapotGrid);
    // GLUT's teapot of size 1 stands centred on its axis: the lid's knob at y = 0.7875, the middle
    // of the bottom at -0.7875.
    float top = 0, bottom = 0;
    for (const MeshVertex& v : teapot.vertices) {
        top = std::max(top, v.position.y);
        bottom = std::min(bottom, v.position.y);
    }
    EXPECT_NEAR(top, 0.7875f, 1e-4f);
    EXPECT_NEAR(bottom, -0.7875f, 1e-4f);
}

// The surface normal of each silhouette kind at a point of its side (away from a cone's apex):
// a sphere's is the point itself, the sides' lean by how much narrower the top is.
Vec3 SideNormal(ShapeKind kind, const Vec3& p, double top) {
    if (kind == ShapeKind::kSphereOutline) {
        return p;
    }
    const float r = std::hypot(p.x, p.y);
    const double narrowing = kind == ShapeKind::kCylinderSide ? 0.0
                             : kind == ShapeKind::kConeSide   ? 1.0
                                                              : 1.0 - top;
    return {p.x / r, p.y / r, static_cast<float>(narrowing)};
}

TEST(SilhouetteTest, TouchesTheBodyWhereItTurnsAwayFromTheEye) {
    const ShapeKind kinds[] = {ShapeKind::kCylinderSide, ShapeKind::kConeSide,
                               ShapeKind::kFrustumSide, ShapeKind::kSphereOutline};
    const Vec3 eyes[] = {{1, 0.5f, 0.3f}, {-0.2f, 1, 0.6f}, {0.3f, -0.7f, -0.2f}, {1, 1, 0}};
    for (const ShapeKind kind : kinds) {
        for (const Vec3& eye : eyes) {
            SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " eye " + std::to_string(eye.x) +
                         "," + std::to_string(eye.y) + "," + std::to_string(eye.z));
            const ShapeValues values{kind, 0.4, nullptr};
            const std::vector<MeshLine> lines = SilhouetteOf(values, eye);
            ASSERT_FALSE(lines.empty());
            EXPECT_FALSE(HidingBodyOf(values).empty());
            for (const MeshLine& line : lines) {
                for (const Vec3& p : line) {
                    if (std::hypot(p.x, p.y) < 1e-3f) {
                        continue;  // the apex
                    }
                    const Vec3 n = SideNormal(kind, p, 0.4);
                    EXPECT_NEAR(Dot(n, eye) / (Length(n) * Length(eye)), 0.0f, 2e-3f);
                }
            }
        }
    }
}

TEST(SilhouetteTest, NoneForAnEyeInsideTheConeOfItsSide) {
    EXPECT_TRUE(SilhouetteOf({ShapeKind::kConeSide, 0.5, nullptr}, {0, 0, 1}).empty());
    EXPECT_TRUE(SilhouetteOf({ShapeKind::kTorus, 0.5, nullptr}, {1, 0, 0}).empty());
}

TEST(FrustumTest, DrawsATopOfOneOrNoneAsAlmostThat) {
    EXPECT_EQ(DrawnShapeValue(ShapeKind::kFrustumSide, 1.0), 0.999);
    EXPECT_EQ(DrawnShapeValue(ShapeKind::kFrustumSide, 0.0), 0.0001);
    EXPECT_EQ(DrawnShapeValue(ShapeKind::kFrustumSide, 0.3), 0.3);
    EXPECT_EQ(DrawnShapeValue(ShapeKind::kCylinderSide, 1.0), 1.0);
}

}  // namespace
}  // namespace velnor
