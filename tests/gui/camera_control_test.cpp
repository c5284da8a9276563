#include <gtest/gtest.h>

#include <cmath>

#include "model/page.h"
#include "view/camera_control.h"
#include "view/projection.h"

namespace velnor {
namespace {

class CameraControlTest : public testing::Test {
protected:
    ViewCamera camera;
    CameraControl control{camera};
};

TEST_F(CameraControlTest, StartStopTurnsAboutZByTwoDegreesPerTick) {
    control.StartStop();
    EXPECT_TRUE(control.m_bTimerOn);
    control.Tick(nullptr);
    control.Tick(nullptr);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, -11.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -75.0f);
    control.StartStop();
    EXPECT_FALSE(control.m_bTimerOn);
}

TEST_F(CameraControlTest, StartingReducesAnglesModulo360KeepingTheirSign) {
    camera.m_fAngleX = -725.0f;
    camera.m_fAngleAxis = 400.0f;
    control.StartStop();
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -5.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, 40.0f);
}

TEST_F(CameraControlTest, ReversingKeepsTheSpeedUpStep) {
    control.RotateZForward();
    control.SpeedUp();
    control.SpeedUp();
    EXPECT_FLOAT_EQ(control.m_fStepAxis, 2.2f);
    control.RotateZBackward();
    EXPECT_FLOAT_EQ(control.m_fStepAxis, -2.2f);
    EXPECT_EQ(control.m_nAnimMode, kAnimZBackward);
    control.SpeedUp();
    EXPECT_FLOAT_EQ(control.m_fStepAxis, -2.3f);
}

TEST_F(CameraControlTest, RotatingAboutXClearsTheAxisStep) {
    control.RotateXBackward();
    EXPECT_FLOAT_EQ(control.m_fStepX, -2.0f);
    EXPECT_FLOAT_EQ(control.m_fStepAxis, 0.0f);
    control.RotateXForward();
    EXPECT_FLOAT_EQ(control.m_fStepX, 2.0f);
    control.RotateYForward();
    EXPECT_EQ(camera.m_vAxis, (std::array<float, 3>{0, 1, 0}));
    EXPECT_FLOAT_EQ(control.m_fStepX, 0.0f);
    EXPECT_FLOAT_EQ(control.m_fStepAxis, 2.0f);
}

TEST_F(CameraControlTest, SlowingDownHasNoLowerBoundAndStepsThroughZero) {
    for (int i = 0; i < 20; ++i) {
        control.SlowDown();
    }
    const float nearZero = control.m_fStepAxis;
    EXPECT_NEAR(nearZero, 0.0f, 1e-5);
    EXPECT_NE(nearZero, 0.0f);
    control.SlowDown();
    EXPECT_NEAR(std::fabs(control.m_fStepAxis), 0.1f, 1e-5);
    EXPECT_NE(control.m_fStepAxis > 0.0f, nearZero > 0.0f);
}

TEST_F(CameraControlTest, AZeroStepStaysZero) {
    control.RotateXForward();  // the axis step becomes 0
    control.SpeedUp();
    control.SlowDown();
    EXPECT_EQ(control.m_fStepAxis, 0.0f);
    EXPECT_FLOAT_EQ(control.m_fStepX, 2.0f);
}

TEST_F(CameraControlTest, CustomAxisIsTheUnitDirectionOfTheSelectedLine) {
    CGpage page;
    page.AddVertex(1, 1, 1);
    page.AddVertex(1, 4, 5);
    const uint16_t key = page.AddLine(0, 1, kSegment);
    EXPECT_FALSE(control.DefineCustomAxis(page));
    page.m_selLines = {key};
    ASSERT_TRUE(control.DefineCustomAxis(page));
    EXPECT_FLOAT_EQ(control.m_vCustomAxis[1], 0.6f);
    EXPECT_FLOAT_EQ(control.m_vCustomAxis[2], 0.8f);
    EXPECT_FALSE(control.m_bTimerOn);
    control.RotateCustomAxis();
    EXPECT_EQ(camera.m_vAxis, control.m_vCustomAxis);
    EXPECT_EQ(control.m_nAnimMode, kAnimCustomAxis);
}

TEST_F(CameraControlTest, ZoomStopsAtTenAndAboutOneTenth) {
    for (int i = 0; i < 200; ++i) {
        control.ZoomIn();
    }
    EXPECT_NEAR(camera.m_fZoom, 10.0f, 0.05f);
    for (int i = 0; i < 200; ++i) {
        control.Wheel(120);
    }
    EXPECT_NEAR(camera.m_fZoom, 0.1f, 0.02f);
    EXPECT_GT(camera.m_fZoom, 0.0f);
}

TEST_F(CameraControlTest, PanAndDistanceMoveByTheirSteps) {
    control.PanLeft();
    control.PanUp();
    control.PanUp();
    control.MoveNearer();
    control.MoveFarther();
    control.MoveFarther();
    EXPECT_FLOAT_EQ(camera.m_fPanX, -0.5f);
    EXPECT_FLOAT_EQ(camera.m_fPanY, 1.0f);
    EXPECT_FLOAT_EQ(camera.m_fDistance, -51.0f);
}

TEST_F(CameraControlTest, ProjectionsSetTheirOwnAngles) {
    control.SetProjection(kCentral);
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -70.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, -20.0f);
    control.CycleProjection();
    EXPECT_EQ(control.m_nProjection, kOrthographic);
    control.CycleProjection();
    EXPECT_EQ(control.m_nProjection, kOblique);
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -90.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, 0.0f);
    control.CycleProjection();
    EXPECT_EQ(control.m_nProjection, kCentral);
}

TEST_F(CameraControlTest, ThreeViewsSwitchToTheOrthographicProjection) {
    control.SetProjection(kCentral);
    control.ToggleThreeView();
    EXPECT_EQ(control.m_nViewports, 4);
    EXPECT_EQ(control.m_nProjection, kOrthographic);
    EXPECT_FALSE(control.IsProjectionEnabled(kCentral));
    EXPECT_FALSE(control.IsProjectionEnabled(kOblique));
    EXPECT_TRUE(control.IsProjectionEnabled(kOrthographic));
    control.CycleProjection();  // F5 still cycles
    EXPECT_EQ(control.m_nProjection, kOblique);
    control.ToggleThreeView();
    EXPECT_EQ(control.m_nViewports, 1);
    EXPECT_TRUE(control.IsProjectionEnabled(kCentral));
}

TEST_F(CameraControlTest, StandardViewsStopTheTimer) {
    control.StartStop();
    control.SetProjection(kOblique);
    control.LeftView();
    EXPECT_FALSE(control.m_bTimerOn);
    EXPECT_EQ(control.m_nProjection, kOrthographic);
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -90.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, 90.0f);
    control.TopView();
    EXPECT_FLOAT_EQ(camera.m_fAngleX, 0.0f);
    control.FrontView();
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, 0.0f);
}

TEST_F(CameraControlTest, ResetRestoresTheCameraButKeepsTheButtonMode) {
    camera.m_fPanX = 3;
    camera.m_fZoom = 2;
    camera.m_vAxis = {0, 1, 0};
    control.RotateXForward();
    control.Reset();
    EXPECT_FALSE(control.m_bTimerOn);
    EXPECT_EQ(control.m_nAnimMode, kAnimZForward);
    EXPECT_FLOAT_EQ(control.m_fStepAxis, 2.0f);
    EXPECT_FLOAT_EQ(camera.m_fPanX, 0.0f);
    EXPECT_FLOAT_EQ(camera.m_fZoom, 1.0f);
    EXPECT_EQ(camera.m_vAxis, (std::array<float, 3>{0, 0, 1}));
    control.StartButtonAnimation();
    control.Reset();
    EXPECT_EQ(control.m_nAnimMode, kAnimButtons);
}

TEST_F(CameraControlTest, ButtonModeRunsUntilNoButtonIsRunning) {
    int steps = 0;
    const auto stepper = [&] { return ++steps < 3; };
    control.StartButtonAnimation();
    control.Tick(stepper);
    control.Tick(stepper);
    EXPECT_TRUE(control.m_bTimerOn);
    control.Tick(stepper);
    EXPECT_FALSE(control.m_bTimerOn);
    EXPECT_EQ(control.m_nAnimMode, kAnimZForward);
    EXPECT_EQ(steps, 3);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, -15.0f);  // the camera did not turn meanwhile
}

TEST_F(CameraControlTest, DragTurnsOnlyWhileTheTimerIsOff) {
    control.Drag(10, -5);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, -13.0f);
    EXPECT_FLOAT_EQ(camera.m_fAngleX, -76.0f);
    control.StartStop();
    control.Drag(10, 10);
    EXPECT_FLOAT_EQ(camera.m_fAngleAxis, -13.0f);
}

TEST_F(CameraControlTest, ASpeedChosenWhileRunningKeepsTheCurrentInterval) {
    control.SetInterval(kIntervalFast);
    EXPECT_EQ(control.m_nInterval, 10);
}

}  // namespace
}  // namespace velnor
