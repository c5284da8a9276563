#include "editing/transform_definitions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "transform_test_support.h"

namespace velnor {
namespace {

using Definitions = test::TransformDocument;

TEST_F(Definitions, TwoVerticesGiveTheSecondMinusTheFirst) {
    Page().m_selPoints = {1, 0};
    EXPECT_EQ(DefineTranslationFromSelection(doc), DefineOutcome::kDefined);
    EXPECT_EQ(Page().m_translation, (Float3{-1, -4, 6}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

TEST_F(Definitions, OtherSelectionsAskForTheVector) {
    Page().m_selPoints = {0};
    EXPECT_EQ(DefineTranslationFromSelection(doc), DefineOutcome::kNeedsDialog);
    EXPECT_EQ(Page().m_translation, (Float3{10, 0, 0}));
    EXPECT_FALSE(doc.IsModified());
    SetTranslation(doc, {0, 0, -3});
    EXPECT_EQ(Page().m_translation, (Float3{0, 0, -3}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Definitions, ASelectedLineGivesTheAxisThroughItsStart) {
    Page().AddLine(1, 0);
    Page().ClearSelection();
    Page().m_selLines = {1};
    EXPECT_EQ(DefineAxisFromSelection(doc), DefineOutcome::kDefined);
    EXPECT_EQ(Page().m_axisPoint, (Float3{2, 4, -6}));
    // (1, 0, 0) - (2, 4, -6) = (-1, -4, 6), of length sqrt(53).
    const float length = std::sqrt(53.0f);
    EXPECT_NEAR(Page().m_axisDir[0], -1 / length, 1e-6);
    EXPECT_NEAR(Page().m_axisDir[1], -4 / length, 1e-6);
    EXPECT_NEAR(Page().m_axisDir[2], 6 / length, 1e-6);
}

TEST_F(Definitions, ALineWithoutLengthLeavesTheAxisWithAMessage) {
    Page().AddVertex(1, 0, 0);
    Page().AddLine(0, 2);
    Page().ClearSelection();
    Page().m_selLines = {1};
    EXPECT_EQ(DefineAxisFromSelection(doc), DefineOutcome::kRefused);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"旋转轴方程不正确,未作改动"}));
    EXPECT_EQ(Page().m_axisDir, (Float3{0, 1, 0}));
}

TEST_F(Definitions, AxisDialogStoresAUnitDirectionOrRefusesAZeroOne) {
    Page().m_selPoints = {0};
    EXPECT_EQ(DefineAxisFromSelection(doc), DefineOutcome::kNeedsDialog);
    EXPECT_TRUE(SetRotationAxis(doc, {1, 2, 3}, {0, 0, 4}));
    EXPECT_EQ(Page().m_axisDir, (Float3{0, 0, 1}));
    EXPECT_EQ(Page().m_axisPoint, (Float3{1, 2, 3}));
    EXPECT_FALSE(SetRotationAxis(doc, {5, 5, 5}, {0, 0, 0}));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"旋转轴方程不正确,未作改动"}));
    EXPECT_EQ(Page().m_axisDir, (Float3{0, 0, 1}));
    EXPECT_EQ(Page().m_axisPoint, (Float3{1, 2, 3}));
}

TEST_F(Definitions, AngleAndScaleTakeAnyValue) {
    SetRotationAngle(doc, -720.0f);
    SetScaleFactors(doc, {-1, 0, 3});
    EXPECT_EQ(Page().m_fAngle, -720.0f);
    EXPECT_EQ(Page().m_scaleFactors, (Float3{-1, 0, 3}));
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace velnor
