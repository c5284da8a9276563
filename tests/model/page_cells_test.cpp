#include <gtest/gtest.h>

#include <cmath>

#include "model/bit_text.h"
#include "model/gl_model.h"
#include "model/page.h"

namespace velnor {
namespace {

CGpage PageWithSquare() {
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.AddVertex(1, 1, 0);
    page.AddVertex(0, 1, 0);
    return page;
}

TEST(PageLines, KeysStartAtOneAndNamesJoinLabels) {
    CGpage page = PageWithSquare();
    EXPECT_EQ(page.AddLine(0, 1, kVector), 1);
    EXPECT_EQ(page.AddLine(2, 3), 2);
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "AB");
    EXPECT_EQ(page.m_lines.at(1)->m_nKind, kVector);
    EXPECT_EQ(page.m_lines.at(2)->m_strName, "CD");
}

TEST(PageLines, NewLinesTakeTheLineKindOfThePagesSettings) {
    CGpage page = PageWithSquare();
    CGlModel settings;
    settings.m_nLineKind = kRay;
    page.UseSettings(settings);
    page.AddLine(0, 1);
    page.m_selPoints = {1, 2, 3};
    page.ClosePolygon();
    for (const auto& [key, line] : page.m_lines) {
        EXPECT_EQ(line->m_nKind, kRay) << key;
    }
    const CLineCell defaulted;
    EXPECT_EQ(defaulted.m_nKind, kSegment);
    EXPECT_EQ(defaulted.m_strName, "线");
}

TEST(PageLines, ClosingATriangleMakesThreeLinesAndUnselects) {
    CGpage page = PageWithSquare();
    page.m_selPoints = {0, 1, 2};
    page.ClosePolygon();
    ASSERT_EQ(page.m_lines.size(), 3u);
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "AB");
    EXPECT_EQ(page.m_lines.at(2)->m_strName, "BC");
    EXPECT_EQ(page.m_lines.at(3)->m_strName, "CA");
    EXPECT_TRUE(page.m_selPoints.empty());
}

TEST(PageLines, ClosingTwoVerticesDrawsOneLineAndOneVertexNone) {
    CGpage page = PageWithSquare();
    page.m_selPoints = {3, 1};
    page.ClosePolygon();
    ASSERT_EQ(page.m_lines.size(), 1u);
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "DB");
    page.m_selPoints = {2};
    page.ClosePolygon();
    EXPECT_EQ(page.m_lines.size(), 1u);
}

TEST(PageLines, ReversingTwiceRestores) {
    CLineCell line(2, 5, kVector);
    line.Reverse();
    EXPECT_EQ(line.m_nStart, 5);
    EXPECT_EQ(line.m_nEnd, 2);
    line.Reverse();
    EXPECT_EQ(line, CLineCell(2, 5, kVector));
}

TEST(PageFaces, KindFollowsTheVertexCount) {
    CGpage page;
    for (int i = 0; i < 21; ++i) {
        page.AddVertex(float(i), float(i * i), 0);  // all in the plane z = 0
    }
    std::vector<int> all(21);
    for (int i = 0; i < 21; ++i) all[i] = i;

    EXPECT_EQ(page.AddFace(std::span(all).first(3)), 1);
    EXPECT_EQ(page.AddFace(std::span(all).first(4)), 2);
    EXPECT_EQ(page.AddFace(std::span(all).first(20)), 3);
    EXPECT_EQ(page.AddFace(all), std::nullopt);
    EXPECT_STREQ(page.m_faces.at(1)->ClassName(), "CFace3");
    EXPECT_STREQ(page.m_faces.at(2)->ClassName(), "CFace4");
    EXPECT_STREQ(page.m_faces.at(3)->ClassName(), "CFacen");
    EXPECT_EQ(page.m_faces.at(3)->m_nVerts, 20);
    EXPECT_EQ(page.m_nNextFaceId, 4);
}

TEST(PageFaces, NonCoplanarVerticesGiveNoFace) {
    CGpage page = PageWithSquare();
    page.AddVertex(0, 0, 1);
    EXPECT_EQ(page.AddFace(std::vector<int>{0, 1, 2, 4}), std::nullopt);
    EXPECT_TRUE(page.m_faces.empty());
    const auto key = page.AddFace(std::vector<int>{0, 1, 2, 3});
    ASSERT_TRUE(key);
    EXPECT_EQ(page.m_faces.at(*key)->m_strName, "ABCD");
}

TEST(PageFaces, PlanarityToleranceIsOneThousandth) {
    CGpage page = PageWithSquare();
    page.m_pos[3] = {0, 1, 0.0009f};  // det = 0.0009
    EXPECT_TRUE(page.AddFace(std::vector<int>{0, 1, 2, 3}));
    page.m_pos[3] = {0, 1, 0.0011f};
    EXPECT_FALSE(page.AddFace(std::vector<int>{0, 1, 2, 3}));
}

TEST(PageFaces, SixVertexFaceIsRenamedWithFourLabels) {
    CGpage page;
    for (int i = 0; i < 6; ++i) {
        page.AddVertex(std::cos(i * 1.0472f), std::sin(i * 1.0472f), 2);
    }
    const auto key = page.AddFaceFromSelection();
    ASSERT_TRUE(key);
    EXPECT_EQ(page.m_faces.at(*key)->m_strName, "ABCDE...");
    page.RefreshNames();
    EXPECT_EQ(page.m_faces.at(*key)->m_strName, "ABCD...");
}

TEST(PageFaces, PolygonOfFiveVerticesIsNamedWithEllipsis) {
    CGpage page;
    for (int i = 0; i < 5; ++i) {
        page.AddVertex(std::cos(i * 1.2566f), std::sin(i * 1.2566f), 0);
    }
    const auto key = page.AddFaceFromSelection();
    ASSERT_TRUE(key);
    EXPECT_EQ(page.m_faces.at(*key)->m_strName, "ABCDE...");
}

TEST(PageFaces, MoreThanTwentySelectedVerticesMakeNothing) {
    CGpage page;
    for (int i = 0; i < 21; ++i) {
        page.AddVertex(float(i), 0, 0);
    }
    EXPECT_EQ(page.AddFaceFromSelection(), std::nullopt);
}

TEST(PageCells, BitmapRowsArePaddedToWords) {
    EXPECT_EQ(CBitText::BytesPerRow(1), 4);
    EXPECT_EQ(CBitText::BytesPerRow(32), 4);
    EXPECT_EQ(CBitText::BytesPerRow(33), 8);
    CBitText text(33, 2, std::vector<uint8_t>(16, 0xFF));
    EXPECT_EQ(text.m_nKind, kSolidBitmapText);
    EXPECT_EQ(text.m_strName, "位图文本");
    EXPECT_EQ(text.m_position, (Float3{-8, 0, 6}));
    EXPECT_THROW(CBitText(33, 2, std::vector<uint8_t>(8)), std::invalid_argument);
}

TEST(PageCells, SolidsAreNamedAfterTheirKindAndFixANullAxis) {
    const Plane p1{0, 0, 1, 0}, p2{0, 0, -1, 0};
    CSubassembly cylinder(kSolidCylinder, 0, {1, 2, 3}, 0, {0, 0, 2}, {1, 1, 1}, 0.5, 0, p1, p2);
    EXPECT_EQ(cylinder.m_strName, "圆柱体");
    EXPECT_EQ(cylinder.m_direction, (Float3{0, 0, 2}));
    EXPECT_EQ(cylinder.m_material, kDefaultMaterial);
    EXPECT_FALSE(cylinder.m_bOwnMaterial);

    CSubassembly tiny(kSolidSphere, 0, {}, 0, {0.00005f, -0.00009f, 0}, {1, 1, 1}, 0.5, 0, p1, p2);
    EXPECT_EQ(tiny.m_direction, (Float3{0, -1, 0}));
    EXPECT_EQ(SolidKindName(kSolidFrustumSide), std::string("圆台侧面*"));
    EXPECT_EQ(SolidKindPreset(kSolidFrustumSide), 1u);
    EXPECT_EQ(SolidKindPreset(28), 0u);
}

// A solid made now takes the texture of the settings; one read or pasted keeps its own.
TEST(PageCells, OnlyNewSolidsTakeTheTextureOfThePagesSettings) {
    const Plane p1{0, 0, 1, 0}, p2{0, 0, -1, 0};
    auto MakeCone = [&] {
        return std::make_unique<CSubassembly>(kSolidCone, 0, Float3{}, 0, Float3{0, 0, 1},
                                              Float3{1, 1, 1}, 0.5, 0, p1, p2);
    };
    CGpage page;
    CGlModel settings;
    settings.m_nTexture = 2;
    page.UseSettings(settings);
    auto kept = MakeCone();
    kept->m_nTexture = 0;
    const uint16_t made = page.AddNewSolid(MakeCone()), read = page.AddSolid(std::move(kept));
    EXPECT_EQ(page.m_solids.at(made)->m_nTexture, 2u);
    EXPECT_EQ(page.m_solids.at(read)->m_nTexture, 0u);
}

}  // namespace
}  // namespace velnor
