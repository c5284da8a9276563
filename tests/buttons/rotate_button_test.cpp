#include <gtest/gtest.h>

#include "button_test_support.h"
#include "buttons/button_factory.h"
#include "support/recording_button_windows.h"

namespace velnor {
namespace {

using test::ButtonAt;
using test::TicksUntilIdle;

class RotateButton : public ::testing::Test {
protected:
    void SetUp() override {
        page.AddVertex(1, 0, 0);
        auto solid = std::make_unique<CSubassembly>();
        solid->m_position = {0, 0, 2};
        solid->m_direction = {1, 0, 0};
        solid->m_fSpin = 15.0f;
        page.AddSolid(std::move(solid));
        page.m_selSolids = {1};
        key = CreateButton(page, kButtonRotate);  // the page's axis and angle: y, 90
    }

    CBtnRotatef& Button() { return ButtonAt<CBtnRotatef>(page, key); }

    test::RecordingButtonWindows windows;
    CGpage page;
    uint16_t key = 0;
};

TEST_F(RotateButton, ForwardRunTurnsByTheAngleAndFlipsItsSign) {
    PressButton(page, key);
    EXPECT_EQ(TicksUntilIdle(page), 52);
    EXPECT_NEAR(page.m_pos[0][0], 0.0f, 1e-4);
    EXPECT_NEAR(page.m_pos[0][2], -1.0f, 1e-4);
    EXPECT_NEAR(page.m_solids.at(1)->m_position[0], 2.0f, 1e-4);
    EXPECT_EQ(Button().m_angle, -90.0f);
    EXPECT_EQ(Button().m_nState, 1);
    EXPECT_EQ(windows.windows.at(key).caption, "旋转复位");
}

TEST_F(RotateButton, TwoWayEndsInItsStartingStateWithThePlainCaption) {
    Button().m_bTwoWay = 1;
    PressButton(page, key);
    test::Ticks(page, 52);
    EXPECT_NEAR(page.m_pos[0][2], -1.0f, 1e-4);
    EXPECT_EQ(Button().m_nState, 1);
    EXPECT_EQ(TicksUntilIdle(page), 52);
    EXPECT_EQ(Button().m_nState, 0);
    EXPECT_EQ(Button().m_bRunning, 0);
    EXPECT_EQ(Button().m_angle, 90.0f);
    EXPECT_EQ(windows.windows.at(key).caption, "旋转");
    EXPECT_EQ(page.m_pos[0], (Float3{1, 0, 0}));
    const CSubassembly& solid = *page.m_solids.at(1);
    EXPECT_EQ(solid.m_position, (Float3{0, 0, 2}));
    EXPECT_EQ(solid.m_direction, (Float3{1, 0, 0}));
    EXPECT_EQ(solid.m_fSpin, 15.0f);
}

TEST_F(RotateButton, BackwardRunTurnsTheOtherWayBeforeTheRestore) {
    PressButton(page, key);
    TicksUntilIdle(page);
    PressButton(page, key);
    test::Ticks(page, 25);  // half way back: 45 degrees left of (0, 0, -1) towards (1, 0, 0)
    EXPECT_NEAR(page.m_pos[0][0], 0.7071f, 1e-3);
    EXPECT_NEAR(page.m_pos[0][2], -0.7071f, 1e-3);
}

}  // namespace
}  // namespace velnor
