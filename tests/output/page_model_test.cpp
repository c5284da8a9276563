#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "model/gl_model.h"
#include "model/page.h"
#include "output/page_model.h"
#include "shapes/shape_kind.h"

namespace velnor {
namespace {

// The cube from 0 to 2, its faces given the way a teacher clicks them: some clockwise, some
// counter-clockwise seen from outside.
void AddCube(CGpage& page) {
    for (int i = 0; i < 8; ++i) {
        page.AddVertex(i & 1 ? 2.0f : 0.0f, i & 2 ? 2.0f : 0.0f, i & 4 ? 2.0f : 0.0f);
    }
    for (const std::vector<int>& face : std::vector<std::vector<int>>{
             {0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}}) {
        page.AddFace(face);
    }
}

size_t TriangleCount(const PageModel& model) {
    size_t count = 0;
    for (const ModelPart& part : model.parts) {
        count += part.triangles.size() / 3;
    }
    return count;
}

// Closed and facing outwards: every edge, by the positions of its ends, is run once each way,
// and the triangles enclose a positive volume.
void ExpectClosedOutwards(const PageModel& model) {
    std::map<std::pair<std::vector<float>, std::vector<float>>, int> runs;
    double volume = 0.0;
    for (const ModelPart& part : model.parts) {
        for (size_t i = 0; i < part.triangles.size(); i += 3) {
            for (int k = 0; k < 3; ++k) {
                const Vec3& a = part.positions[part.triangles[i + k]];
                const Vec3& b = part.positions[part.triangles[i + (k + 1) % 3]];
                ++runs[{{a.x, a.y, a.z}, {b.x, b.y, b.z}}];
            }
            const Vec3& a = part.positions[part.triangles[i]];
            volume += Dot(a, Cross(part.positions[part.triangles[i + 1]],
                                   part.positions[part.triangles[i + 2]])) /
                      6.0;
        }
    }
    for (const auto& [edge, count] : runs) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(runs.count({edge.second, edge.first}), 1u);
    }
    EXPECT_GT(volume, 0.0);
}

TEST(PageModel, AClosedCubeStaysClosedAndFacesOutwards) {
    CGpage page;
    AddCube(page);
    const PageModel model = BuildPageModel(page, CGlModel(), {});
    EXPECT_TRUE(model.facesClosed);
    EXPECT_EQ(model.parts.size(), 6u);
    EXPECT_EQ(TriangleCount(model), 12u);
    ExpectClosedOutwards(model);
}

TEST(PageModel, AnOpenFaceSetIsWrittenWithBothSidesAndSaysSo) {
    CGpage page;
    AddCube(page);
    page.m_faces.begin()->second->m_bHidden = true;
    const PageModel model = BuildPageModel(page, CGlModel(), {});
    EXPECT_FALSE(model.facesClosed);
    EXPECT_EQ(model.parts.size(), 5u);
    EXPECT_EQ(TriangleCount(model), 20u);
}

TEST(PageModel, FacesAreNamedByTheirCornersLabels) {
    CGpage page;
    AddCube(page);
    const PageModel model = BuildPageModel(page, CGlModel(), {});
    EXPECT_EQ(model.parts[0].name, "ABDC");
}

TEST(PageModel, TubesAndBallsAreClosedAndOnlyWhenAskedFor) {
    CGpage page;
    AddCube(page);
    page.m_faces.clear();
    page.AddLine(0, 7, kSegment);
    page.m_bShown[3] = 0;
    EXPECT_TRUE(BuildPageModel(page, CGlModel(), {}).parts.empty());

    ModelOptions options;
    options.tubeRadius = 0.1;
    const PageModel tubes = BuildPageModel(page, CGlModel(), options);
    ASSERT_EQ(tubes.parts.size(), 1u);
    EXPECT_EQ(tubes.parts[0].name, "AH");
    ExpectClosedOutwards(tubes);

    options.tubeRadius = 0.0;
    options.ballRadius = 0.2;
    EXPECT_EQ(BuildPageModel(page, CGlModel(), options).parts.size(), 7u);
}

TEST(PageModel, UnitsAndScaleGiveMillimetres) {
    struct Case {
        ModelUnit unit;
        double scale;
        float farCorner;
    };
    for (const Case& c :
         {Case{ModelUnit::kMillimetre, 1.0, 2.0f}, Case{ModelUnit::kCentimetre, 1.0, 20.0f},
          Case{ModelUnit::kMetre, 0.5, 1000.0f}, Case{ModelUnit::kInch, 2.0, 101.6f}}) {
        SCOPED_TRACE(c.farCorner);
        CGpage page;
        AddCube(page);
        ModelOptions options;
        options.unit = c.unit;
        options.scale = c.scale;
        float largest = 0.0f;
        for (const ModelPart& part : BuildPageModel(page, CGlModel(), options).parts) {
            for (const Vec3& p : part.positions) {
                largest = std::max({largest, p.x, p.y, p.z});
            }
        }
        EXPECT_FLOAT_EQ(largest, c.farCorner);
    }
}

TEST(PageModel, AHiddenSolidIsLeftOutAndAShownOneIsPlacedAndScaled) {
    CGpage page;
    auto cube = std::make_unique<CSubassembly>();
    cube->m_nKind = static_cast<uint8_t>(ShapeKind::kCube);
    cube->m_position = {5.0f, 0.0f, 0.0f};
    cube->m_scale = {2.0f, 2.0f, 2.0f};
    page.AddSolid(std::move(cube));
    const PageModel model = BuildPageModel(page, CGlModel(), {});
    ASSERT_EQ(model.parts.size(), 1u);
    float low = 1e9f, high = -1e9f;
    for (const Vec3& p : model.parts[0].positions) {
        low = std::min(low, p.x);
        high = std::max(high, p.x);
    }
    EXPECT_FLOAT_EQ(low, 3.0f);
    EXPECT_FLOAT_EQ(high, 7.0f);

    page.m_solids.begin()->second->m_bHidden = true;
    EXPECT_TRUE(BuildPageModel(page, CGlModel(), {}).parts.empty());
}

// glTF readers refuse normals that are not of unit length; every kind the view paints must give
// them. The title is left out: its letters need the font of a running program.
TEST(PageModel, EverySolidKindGivesUnitNormals) {
    for (int kind = 0; kind < kShapeKindCount; ++kind) {
        if (kind == static_cast<int>(ShapeKind::kTitle)) {
            continue;
        }
        SCOPED_TRACE(kind);
        CGpage page;
        auto solid = std::make_unique<CSubassembly>();
        solid->m_nKind = static_cast<uint8_t>(kind);
        solid->m_direction = {1.0f, 2.0f, 3.0f};
        solid->m_scale = {1.0f, 2.0f, 0.5f};
        page.AddSolid(std::move(solid));
        for (const ModelPart& part : BuildPageModel(page, CGlModel(), {}).parts) {
            ASSERT_EQ(part.normals.size(), part.positions.size());
            for (const Vec3& n : part.normals) {
                ASSERT_NEAR(Length(n), 1.0f, 1e-4f);
            }
        }
    }
}

}  // namespace
}  // namespace velnor
