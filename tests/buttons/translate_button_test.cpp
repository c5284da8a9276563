#include <gtest/gtest.h>

#include "button_test_support.h"
#include "buttons/button_factory.h"
#include "support/recording_button_windows.h"

namespace velnor {
namespace {

using test::ButtonAt;
using test::TicksUntilIdle;

class TranslateButton : public ::testing::Test {
protected:
    void SetUp() override {
        page.AddVertex(1.5f, -2.25f, 3.1f);
        page.AddVertex(0.3f, 0.7f, -0.1f);
        auto solid = std::make_unique<CSubassembly>();
        solid->m_position = {0.1f, 0.2f, 0.3f};
        page.AddSolid(std::move(solid));
        page.m_selPoints = {0, 1};
        page.m_selSolids = {1};
        key = CreateButton(page, kButtonTranslate);
    }

    CBtnTranslate& Button() { return ButtonAt<CBtnTranslate>(page, key); }

    test::RecordingButtonWindows windows;
    CGpage page;
    uint16_t key = 0;
};

TEST_F(TranslateButton, MovesItsTargetsByItsVectorInFiftyTwoTicks) {
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 52);
    EXPECT_NEAR(page.m_pos[0][0], 11.5f, 1e-4);
    EXPECT_EQ(page.m_pos[0][1], -2.25f);
    EXPECT_NEAR(page.m_pos[1][0], 10.3f, 1e-4);
    EXPECT_NEAR(page.m_solids.at(1)->m_position[0], 10.1f, 1e-4);
    EXPECT_EQ(Button().m_nState, 1);
    EXPECT_EQ(Button().m_bRunning, 0);
    EXPECT_EQ(windows.windows.at(key).caption, "平移复位");
}

TEST_F(TranslateButton, EachMoveIsAFiftiethOfTheVector) {
    PressButton(page, key);
    test::Ticks(page, 1);
    EXPECT_EQ(page.m_pos[0][0], 1.5f);  // the first tick only saves
    test::Ticks(page, 1);
    EXPECT_NEAR(page.m_pos[0][0], 1.7f, 1e-6);
}

TEST_F(TranslateButton, SecondPressRestoresTheSavedCoordinatesExactly) {
    PressButton(page, key);
    TicksUntilIdle(page);
    page.m_pos[0] = {5, 5, 5};  // an edit between the two presses
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 52);
    EXPECT_EQ(page.m_pos[0], (Float3{1.5f, -2.25f, 3.1f}));
    EXPECT_EQ(page.m_pos[1], (Float3{0.3f, 0.7f, -0.1f}));
    EXPECT_EQ(page.m_solids.at(1)->m_position, (Float3{0.1f, 0.2f, 0.3f}));
    EXPECT_EQ(Button().m_nState, 0);
    EXPECT_EQ(windows.windows.at(key).caption, "平移");
}

TEST_F(TranslateButton, TwoWayRunsThereAndBackInOnePress) {
    Button().m_bTwoWay = 1;
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 104);
    EXPECT_EQ(page.m_pos[0], (Float3{1.5f, -2.25f, 3.1f}));
    EXPECT_EQ(Button().m_nState, 0);
}

TEST_F(TranslateButton, PressWhileRunningPausesAndTheNextPressResumes) {
    EXPECT_EQ(PressButton(page, key), PressOutcome::kStarted);
    test::Ticks(page, 10);
    const Float3 paused = page.m_pos[0];
    EXPECT_EQ(PressButton(page, key), PressOutcome::kPaused);
    EXPECT_FALSE(StepRunningButtons(page));
    EXPECT_EQ(page.m_pos[0], paused);
    EXPECT_EQ(Button().m_nTick, 10);
    EXPECT_EQ(PressButton(page, key), PressOutcome::kStarted);
    EXPECT_EQ(TicksUntilIdle(page), 42);
    EXPECT_NEAR(page.m_pos[0][0], 11.5f, 1e-4);
}

TEST_F(TranslateButton, DamagedTickCountFinishesInsteadOfRunningOn) {
    Button().m_nTick = 400;
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 1);
    EXPECT_EQ(page.m_pos[0], (Float3{1.5f, -2.25f, 3.1f}));
}

TEST(ButtonPress, UnknownKeyPressesNothing) {
    CGpage page;
    EXPECT_EQ(PressButton(page, 3024), PressOutcome::kNoButton);
}

}  // namespace
}  // namespace velnor
