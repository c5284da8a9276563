#include <gtest/gtest.h>

#include "button_test_support.h"
#include "buttons/button_factory.h"
#include "support/recording_button_windows.h"

namespace velnor {
namespace {

using test::ButtonAt;
using test::TicksUntilIdle;

class ShowButton : public ::testing::Test {
protected:
    void SetUp() override {
        page.AddVertex(0, 0, 0);
        page.AddVertex(1, 0, 0);
        page.AddLine(0, 1);
        page.AddSolid(std::make_unique<CSubassembly>());
        page.m_selPoints = {1};
        page.m_selLines = {1};
        page.m_selSolids = {1};
        key = CreateButton(page, kButtonShow);
    }

    test::RecordingButtonWindows windows;
    CGpage page;
    uint16_t key = 0;
};

TEST_F(ShowButton, HidesInOneTickAndFinishesOnTheNextReadingShow) {
    PressButton(page, key);
    EXPECT_TRUE(StepRunningButtons(page));
    EXPECT_EQ(page.m_bShown[1], 0);
    EXPECT_EQ(page.m_bShown[0], 1);
    EXPECT_TRUE(page.m_lines.at(1)->m_bHidden);
    EXPECT_TRUE(page.m_solids.at(1)->m_bHidden);
    EXPECT_EQ(windows.windows.at(key).caption, "隐藏");
    EXPECT_FALSE(StepRunningButtons(page));
    EXPECT_EQ(windows.windows.at(key).caption, "显示");
    EXPECT_EQ(ButtonAt<CBtnShow>(page, key).m_nState, 1);
}

TEST_F(ShowButton, NextPressShowsTheCellsAndReadsHide) {
    PressButton(page, key);
    TicksUntilIdle(page);
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 2);
    EXPECT_EQ(page.m_bShown[1], 1);
    EXPECT_FALSE(page.m_lines.at(1)->m_bHidden);
    EXPECT_FALSE(page.m_solids.at(1)->m_bHidden);
    EXPECT_EQ(windows.windows.at(key).caption, "隐藏");
    EXPECT_EQ(ButtonAt<CBtnShow>(page, key).m_nState, 0);
}

TEST_F(ShowButton, TwoWayHidesAndShowsAgainInFourTicks) {
    ButtonAt<CBtnShow>(page, key).m_bTwoWay = 1;
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 4);
    EXPECT_EQ(page.m_bShown[1], 1);
    EXPECT_EQ(windows.windows.at(key).caption, "隐藏");
}

TEST_F(ShowButton, TargetsThatWereDeletedAreSkipped) {
    page.m_lines.clear();
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 2);
    EXPECT_TRUE(page.m_solids.at(1)->m_bHidden);
}

}  // namespace
}  // namespace velnor
