#include <gtest/gtest.h>

#include "button_test_support.h"
#include "buttons/button_factory.h"
#include "support/recording_button_windows.h"

namespace velnor {
namespace {

using test::ButtonAt;

TEST(ButtonCreation, KeysCountFrom3024AndEachButtonSitsThirtyPixelsLower) {
    test::RecordingButtonWindows windows;
    CGpage page;
    EXPECT_EQ(CreateButton(page, kButtonShow), 3024);
    EXPECT_EQ(CreateButton(page, kButtonShow), 3025);
    EXPECT_EQ(CreateButton(page, kButtonShow), 3026);
    EXPECT_EQ(page.m_buttons.at(3024)->m_rect, (CRect{15, 10, 95, 35}));
    EXPECT_EQ(page.m_buttons.at(3026)->m_rect, (CRect{15, 70, 95, 95}));
    EXPECT_EQ(windows.windows.at(3026).rect, (CRect{15, 70, 95, 95}));
    EXPECT_TRUE(windows.windows.at(3026).visible);
    EXPECT_EQ(windows.windows.at(3026).caption, "隐藏");
}

TEST(ButtonCreation, TranslateButtonTakesThePageVectorAndPointsAndSolidsOnly) {
    test::RecordingButtonWindows windows;
    CGpage page;
    page.m_translation = {1, 2, 3};
    page.m_selPoints = {0, 1};
    page.m_selLines = {4};
    page.m_selSolids = {3};
    auto& button = ButtonAt<CBtnTranslate>(page, CreateButton(page, kButtonTranslate));
    EXPECT_EQ(button.m_vector, (Float3{1, 2, 3}));
    EXPECT_EQ(button.m_targetVerts, (std::vector<int>{0, 1}));
    EXPECT_TRUE(button.m_targetLines.empty());
    EXPECT_EQ(button.m_savedVerts.size(), 2u);
    EXPECT_EQ(button.m_savedSolidPos.size(), 1u);
    EXPECT_EQ(windows.windows.at(button.m_nKey).caption, "平移");
}

TEST(ButtonCreation, RotateButtonTakesThePageAxisAndAngle) {
    test::RecordingButtonWindows windows;
    CGpage page;
    page.m_axisDir = {0, 0, 1};
    page.m_axisPoint = {1, 1, 1};
    page.m_fAngle = 45.0f;
    page.m_selSolids = {3};
    auto& button = ButtonAt<CBtnRotatef>(page, CreateButton(page, kButtonRotate));
    EXPECT_EQ(button.m_axisDir, (Float3{0, 0, 1}));
    EXPECT_EQ(button.m_axisPoint, (Float3{1, 1, 1}));
    EXPECT_EQ(button.m_angle, 45.0f);
    EXPECT_EQ(button.m_savedSolidAxis.size(), 1u);
    EXPECT_EQ(button.m_savedSolidAngle.size(), 1u);
}

TEST(ButtonCreation, SerialSeriesCountsOneTickBetweenAndAroundItsMembers) {
    test::RecordingButtonWindows windows;
    CGpage page;
    const uint16_t show = CreateButton(page, kButtonShow);
    const uint16_t translate = CreateButton(page, kButtonTranslate);
    page.m_selButtons = {translate, show};
    auto& series = ButtonAt<CBtnSerues2>(page, CreateButton(page, kButtonSerial));
    EXPECT_EQ(series.m_members, (std::vector<int>{translate, show}));
    EXPECT_EQ(series.m_nTicksOneWay, 1 + 53 + 3);
    EXPECT_EQ(series.m_nTicksPerPress, 57);
}

}  // namespace
}  // namespace velnor
