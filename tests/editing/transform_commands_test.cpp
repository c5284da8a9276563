#include "editing/transform_commands.h"

#include <gtest/gtest.h>

#include "transform_test_support.h"

namespace velnor {
namespace {

using Transformations = test::TransformDocument;

bool Undo(CPlomDoc& doc) {
    return doc.CommandProcessor().Undo();
}
bool Redo(CPlomDoc& doc) {
    return doc.CommandProcessor().Redo();
}

TEST_F(Transformations, AreOfferedForASelectedVertexOrSolidOnly) {
    EXPECT_FALSE(CanTransform(Page()));
    Page().m_selLines = {1};
    Page().m_selButtons = {3024};
    EXPECT_FALSE(CanTransform(Page()));
    Page().m_selSolids = {1};
    EXPECT_TRUE(CanTransform(Page()));
    Page().ClearSelection();
    Page().m_selPoints = {0};
    EXPECT_TRUE(CanTransform(Page()));
}

TEST_F(Transformations, TranslationMovesByTheVectorAndUndoesAndRedoes) {
    Page().m_selPoints = {0};
    Page().m_selSolids = {1};
    TranslateSelection(doc);
    EXPECT_EQ(Page().m_pos[0], (Float3{11, 0, 0}));
    EXPECT_EQ(Page().m_pos[1], (Float3{2, 4, -6}));
    EXPECT_EQ(Solid().m_position, (Float3{11, 2, 3}));
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "平移变换");
    EXPECT_EQ(Text(), "A ( 11.0000 , 0.0000 , 0.0000 )");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{0}));  // the selection stays
    EXPECT_TRUE(Undo(doc));
    EXPECT_EQ(Page().m_pos[0], (Float3{1, 0, 0}));
    EXPECT_EQ(Solid().m_position, (Float3{1, 2, 3}));
    EXPECT_TRUE(Redo(doc));
    EXPECT_EQ(Page().m_pos[0], (Float3{11, 0, 0}));
    EXPECT_EQ(Solid().m_position, (Float3{11, 2, 3}));
    EXPECT_EQ(views.hints.back(), kHintRedraw);
}

TEST_F(Transformations, RotationWithTheInitialAxisTurnsXOntoMinusZ) {
    Page().m_selPoints = {0};
    RotateSelection(doc);
    EXPECT_NEAR(Page().m_pos[0][0], 0.0f, 1e-5);
    EXPECT_NEAR(Page().m_pos[0][1], 0.0f, 1e-5);
    EXPECT_NEAR(Page().m_pos[0][2], -1.0f, 1e-5);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "旋转变换");
}

TEST_F(Transformations, RotationUndoesAndRedoesSolidsExactly) {
    Page().m_axisDir = {0, 0, 1};
    Page().m_selPoints = {1};
    Page().m_selSolids = {1};
    Solid().m_fSpin = 7.0f;
    RotateSelection(doc);
    const Float3 turnedVertex = Page().m_pos[1];
    const CSubassembly turned = Solid();
    EXPECT_NEAR(turned.m_fSpin, 97.0f, 1e-4);
    EXPECT_NEAR(turned.m_position[0], -2.0f, 1e-5);
    EXPECT_NEAR(turned.m_position[1], 1.0f, 1e-5);
    Undo(doc);
    EXPECT_EQ(Page().m_pos[1], (Float3{2, 4, -6}));
    EXPECT_EQ(Solid().m_position, (Float3{1, 2, 3}));
    EXPECT_EQ(Solid().m_direction, (Float3{0, 0, 1}));
    EXPECT_EQ(Solid().m_fSpin, 7.0f);
    Redo(doc);
    EXPECT_EQ(Page().m_pos[1], turnedVertex);
    EXPECT_EQ(Solid(), turned);
}

TEST_F(Transformations, ScalingHalvesPositionsAndSolidFactorsAndUndoes) {
    Page().m_selPoints = {1};
    Page().m_selSolids = {1};
    ScaleSelection(doc);
    EXPECT_EQ(Page().m_pos[1], (Float3{1, 2, -3}));
    EXPECT_EQ(Solid().m_position, (Float3{0.5f, 1, 1.5f}));
    EXPECT_EQ(Solid().m_scale, (Float3{1, 1, 1}));
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "放缩变换");
    Undo(doc);
    EXPECT_EQ(Solid().m_scale, (Float3{2, 2, 2}));
    Redo(doc);
    EXPECT_EQ(Solid().m_scale, (Float3{1, 1, 1}));
}

TEST_F(Transformations, ScalingByZeroCollapsesAndUndoRestoresExactly) {
    Page().m_scaleFactors = {0, 0, 0};
    Page().m_pos[1] = {0.1f, 1.0f / 3.0f, -7.7f};
    Page().m_selPoints = {1};
    ScaleSelection(doc);
    EXPECT_EQ(Page().m_pos[1], (Float3{0, 0, 0}));
    Undo(doc);
    EXPECT_EQ(Page().m_pos[1], (Float3{0.1f, 1.0f / 3.0f, -7.7f}));
}

TEST_F(Transformations, OnlySolidsLeaveTheTextsAloneOnUndoAndRedo) {
    Page().m_selSolids = {1};
    TranslateSelection(doc);
    MarkTextStale();
    Undo(doc);
    Redo(doc);
    EXPECT_EQ(Text(), kStale);
    Page().m_selPoints = {0};
    TranslateSelection(doc);
    MarkTextStale();
    Undo(doc);
    EXPECT_EQ(Text(), "A ( 1.0000 , 0.0000 , 0.0000 )");
}

}  // namespace
}  // namespace velnor
