#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/view_camera.h"

namespace velnor {

class CGpage;

// What the view animation turns about, per timer tick.
enum AnimMode : uint8_t {
    kAnimXForward = 0,
    kAnimXBackward = 1,
    kAnimZForward = 2,
    kAnimZBackward = 3,
    kAnimCustomAxis = 4,
    kAnimYForward = 5,
    kAnimYBackward = 6,
    kAnimButtons = 9,
};

// The 定义速度 choices: timer intervals in milliseconds.
inline constexpr int kIntervalFast = 10;
inline constexpr int kIntervalFaster = 20;
inline constexpr int kIntervalMedium = 40;
inline constexpr int kIntervalSlower = 100;
inline constexpr int kIntervalSlow = 500;

// The camera commands of the view and the state they keep: projection, layout, rotation steps,
// animation mode and whether the animation timer should run. No drawing and no window here: the
// view starts and stops its timer to follow m_bTimerOn and redraws after each command.
class CameraControl {
public:
    explicit CameraControl(ViewCamera& camera) : m_camera(camera) {}

    // The seven rotation commands; each starts the timer.
    void RotateXForward();
    void RotateXBackward();
    void RotateZForward();
    void RotateZBackward();
    void RotateYForward();
    void RotateYBackward();
    void RotateCustomAxis();
    // 自定义旋转轴: the unit direction of the single selected line. Returns false (and changes
    // nothing) unless exactly one line of a positive length is selected.
    bool DefineCustomAxis(const CGpage& page);

    void StartStop();
    void SpeedUp();
    void SlowDown();
    // A speed command: takes effect at the next start of the timer.
    void SetInterval(int milliseconds) { m_nInterval = milliseconds; }
    // Starts the timer in the action-button mode.
    void StartButtonAnimation();

    void ZoomIn();
    void ZoomOut();
    // A wheel turned away from the user (positive delta) zooms out.
    void Wheel(int delta);
    void PanLeft() { m_camera.m_fPanX -= 0.5f; }
    void PanRight() { m_camera.m_fPanX += 0.5f; }
    void PanDown() { m_camera.m_fPanY -= 0.5f; }
    void PanUp() { m_camera.m_fPanY += 0.5f; }
    void MoveFarther() { m_camera.m_fDistance -= 1.0f; }
    void MoveNearer() { m_camera.m_fDistance += 1.0f; }
    // A left-button drag by (dx, dy) pixels turns the figure while the timer is off.
    void Drag(int dx, int dy);

    // 中心投影, 正(等测)投影, 斜(二测)投影 and 透视类型 (F5): the projection and its angles.
    void SetProjection(int type);
    void CycleProjection();
    void FrontView();
    void LeftView();
    void TopView();
    void ToggleThreeView();

    void Reset();
    // The camera's start state for a new or opened document.
    void InitialUpdate();

    // One timer tick. In the button mode `stepButtons` updates the page's texts, steps its running
    // buttons and says whether any still runs; when none does, the timer stops.
    void Tick(const std::function<bool()>& stepButtons);

    // Menu states.
    bool IsProjectionEnabled(int type) const;

    int m_nProjection = 1;
    int m_nViewports = 1;
    float m_fStepX = 0.0f;
    float m_fStepAxis = 2.0f;
    uint8_t m_nAnimMode = kAnimZForward;
    bool m_bTimerOn = false;
    int m_nInterval = kIntervalMedium;
    std::array<float, 3> m_vCustomAxis{1.0f, 1.0f, 1.0f};

private:
    void StartTimer() { m_bTimerOn = true; }
    void StopTimer();
    void SetProjectionAngles();
    void SwitchToOrthographic();

    ViewCamera& m_camera;
};

}  // namespace velnor
