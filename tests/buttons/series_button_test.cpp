#include <gtest/gtest.h>

#include "button_test_support.h"
#include "buttons/button_factory.h"
#include "support/recording_button_windows.h"

namespace velnor {
namespace {

using test::ButtonAt;
using test::Ticks;
using test::TicksUntilIdle;

class SeriesButton : public ::testing::Test {
protected:
    void SetUp() override {
        page.AddVertex(0, 0, 0);
        page.m_selPoints = {0};
    }

    uint16_t Series(ButtonKind kind, std::vector<int> members) {
        page.m_selButtons = std::move(members);
        return CreateButton(page, kind);
    }

    bool Running(uint16_t key) { return page.m_buttons.at(key)->m_bRunning == 1; }

    test::RecordingButtonWindows windows;
    CGpage page;
};

TEST_F(SeriesButton, ParallelLastsAsLongAsItsLongestMember) {
    const uint16_t translate = CreateButton(page, kButtonTranslate);
    const uint16_t show = CreateButton(page, kButtonShow);
    const uint16_t series = Series(kButtonParallel, {translate, show});
    EXPECT_EQ(ButtonAt<CBtnSerues>(page, series).m_nTicksOneWay, 52);
    PressButton(page, series);
    Ticks(page, 1);
    EXPECT_TRUE(Running(translate));
    EXPECT_TRUE(Running(show));
    // 52 ticks after the one that started both.
    EXPECT_EQ(TicksUntilIdle(page), 52);
    EXPECT_NEAR(page.m_pos[0][0], 10.0f, 1e-4);
    EXPECT_EQ(page.m_bShown[0], 0);
    EXPECT_EQ(windows.windows.at(series).caption, "并行复位");
}

TEST_F(SeriesButton, ParallelTakesAtLeastOneTick) {
    const uint16_t series = Series(kButtonParallel, {});
    EXPECT_EQ(ButtonAt<CBtnSerues>(page, series).m_nTicksPerPress, 1);
}

TEST_F(SeriesButton, SerialStartsItsSecondMemberAtTickFiftyFour) {
    const uint16_t first = CreateButton(page, kButtonTranslate);
    const uint16_t second = CreateButton(page, kButtonTranslate);
    const uint16_t series = Series(kButtonSerial, {first, second});
    EXPECT_EQ(ButtonAt<CBtnSerues2>(page, series).m_nTicksOneWay, 107);
    PressButton(page, series);
    Ticks(page, 1);
    EXPECT_TRUE(Running(first));
    Ticks(page, 52);
    EXPECT_FALSE(Running(first));
    EXPECT_FALSE(Running(second));
    Ticks(page, 1);  // tick 54
    EXPECT_TRUE(Running(second));
    EXPECT_EQ(TicksUntilIdle(page), 107 - 54);
    EXPECT_NEAR(page.m_pos[0][0], 20.0f, 1e-4);
    EXPECT_EQ(ButtonAt<CBtnSerues2>(page, series).m_nState, 1);
    EXPECT_EQ(windows.windows.at(series).caption, "串行复位");
}

TEST_F(SeriesButton, SerialRunsBackwardFromItsLastMember) {
    const uint16_t first = CreateButton(page, kButtonTranslate);
    const uint16_t second = CreateButton(page, kButtonTranslate);
    const uint16_t series = Series(kButtonSerial, {first, second});
    PressButton(page, series);
    TicksUntilIdle(page);
    PressButton(page, series);
    Ticks(page, 1);
    EXPECT_TRUE(Running(second));
    EXPECT_FALSE(Running(first));
    Ticks(page, 53);
    EXPECT_TRUE(Running(first));
    EXPECT_EQ(TicksUntilIdle(page), 107 - 54);
    EXPECT_EQ(page.m_pos[0], (Float3{0, 0, 0}));
    EXPECT_EQ(windows.windows.at(series).caption, "串行");
}

TEST_F(SeriesButton, SerialPassesOverMembersThatAreGone) {
    const uint16_t first = CreateButton(page, kButtonTranslate);
    const uint16_t second = CreateButton(page, kButtonTranslate);
    const uint16_t series = Series(kButtonSerial, {first, second});
    page.m_buttons.erase(first);
    PressButton(page, series);
    EXPECT_EQ(TicksUntilIdle(page), 107);
    EXPECT_EQ(ButtonAt<CBtnSerues2>(page, series).m_nState, 1);
}

}  // namespace
}  // namespace velnor
