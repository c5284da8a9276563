#include "view/camera_control.h"

#include <cmath>

#include "model/page.h"
#include "view/projection.h"

namespace velnor {

namespace {

// A zero step starts at `start`; otherwise it keeps its size and takes the sign of `start`.
float Directed(float step, float start) {
    if (step == 0.0f) {
        return start;
    }
    return start > 0.0f ? std::fabs(step) : -std::fabs(step);
}

// The step changes in double precision and is kept as a float, as it always has been.
float ChangedMagnitude(float step, double change) {
    if (step > 0.0f) {
        return static_cast<float>(step + change);
    }
    if (step < 0.0f) {
        return static_cast<float>(step - change);
    }
    return step;
}

float Truncated360(float angle) {
    return angle - std::trunc(angle / 360.0f) * 360.0f;
}

}  // namespace

void CameraControl::RotateXForward() {
    m_nAnimMode = kAnimXForward;
    m_fStepX = Directed(m_fStepX, 2.0f);
    m_fStepAxis = 0.0f;
    StartTimer();
}

void CameraControl::RotateXBackward() {
    m_nAnimMode = kAnimXBackward;
    m_fStepX = Directed(m_fStepX, -2.0f);
    m_fStepAxis = 0.0f;
    StartTimer();
}

void CameraControl::RotateZForward() {
    m_nAnimMode = kAnimZForward;
    m_fStepX = 0.0f;
    m_fStepAxis = Directed(m_fStepAxis, 2.0f);
    m_camera.m_vAxis = {0.0f, 0.0f, 1.0f};
    StartTimer();
}

void CameraControl::RotateZBackward() {
    m_nAnimMode = kAnimZBackward;
    m_fStepX = 0.0f;
    m_fStepAxis = Directed(m_fStepAxis, -2.0f);
    m_camera.m_vAxis = {0.0f, 0.0f, 1.0f};
    StartTimer();
}

void CameraControl::RotateYForward() {
    m_nAnimMode = kAnimYForward;
    m_fStepX = 0.0f;
    m_fStepAxis = Directed(m_fStepAxis, 2.0f);
    m_camera.m_vAxis = {0.0f, 1.0f, 0.0f};
    StartTimer();
}

void CameraControl::RotateYBackward() {
    m_nAnimMode = kAnimYBackward;
    m_fStepX = 0.0f;
    m_fStepAxis = Directed(m_fStepAxis, -2.0f);
    m_camera.m_vAxis = {0.0f, 1.0f, 0.0f};
    StartTimer();
}

void CameraControl::RotateCustomAxis() {
    m_nAnimMode = kAnimCustomAxis;
    m_fStepX = 0.0f;
    if (m_fStepAxis == 0.0f) {
        m_fStepAxis = 2.0f;
    }
    m_camera.m_vAxis = m_vCustomAxis;
    StartTimer();
}

bool CameraControl::DefineCustomAxis(const CGpage& page) {
    if (page.m_selLines.size() != 1) {
        return false;
    }
    const auto found = page.m_lines.find(static_cast<uint16_t>(page.m_selLines.front()));
    if (found == page.m_lines.end()) {
        return false;
    }
    const CLineCell& line = *found->second;
    if (line.m_nStart >= CGpage::kMaxVertices || line.m_nEnd >= CGpage::kMaxVertices) {
        return false;
    }
    const Float3 a = page.m_pos[line.m_nStart];
    const Float3 b = page.m_pos[line.m_nEnd];
    const float dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
    const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (length == 0.0f) {
        return false;
    }
    m_vCustomAxis = {dx / length, dy / length, dz / length};
    return true;
}

void CameraControl::StartStop() {
    if (m_bTimerOn) {
        m_bTimerOn = false;
        return;
    }
    StartTimer();
    m_camera.m_fAngleX = Truncated360(m_camera.m_fAngleX);
    m_camera.m_fAngleAxis = Truncated360(m_camera.m_fAngleAxis);
}

void CameraControl::SpeedUp() {
    m_fStepX = ChangedMagnitude(m_fStepX, 0.1);
    m_fStepAxis = ChangedMagnitude(m_fStepAxis, 0.1);
}

void CameraControl::SlowDown() {
    m_fStepX = ChangedMagnitude(m_fStepX, -0.1);
    m_fStepAxis = ChangedMagnitude(m_fStepAxis, -0.1);
}

void CameraControl::StartButtonAnimation() {
    m_nAnimMode = kAnimButtons;
    StartTimer();
}

void CameraControl::ZoomIn() {
    if (m_camera.m_fZoom < 10.0f) {
        m_camera.m_fZoom += 0.1f;
    }
}

void CameraControl::ZoomOut() {
    if (m_camera.m_fZoom > 0.101f) {
        m_camera.m_fZoom -= 0.1f;
    }
}

void CameraControl::Wheel(int delta) {
    if (delta > 0) {
        ZoomOut();
    } else if (delta < 0) {
        ZoomIn();
    }
}

void CameraControl::Drag(int dx, int dy) {
    if (!m_bTimerOn) {
        m_camera.m_fAngleAxis += 0.2f * static_cast<float>(dx);
        m_camera.m_fAngleX += 0.2f * static_cast<float>(dy);
    }
}

void CameraControl::SetProjectionAngles() {
    switch (m_nProjection) {
        case kCentral:
            m_camera.m_fAngleX = -70.0f;
            m_camera.m_fAngleAxis = -20.0f;
            break;
        case kOblique:
            m_camera.m_fAngleX = -90.0f;
            m_camera.m_fAngleAxis = 0.0f;
            break;
        default:
            m_camera.m_fAngleX = -75.0f;
            m_camera.m_fAngleAxis = -15.0f;
            break;
    }
}

void CameraControl::SetProjection(int type) {
    m_nProjection = type;
    SetProjectionAngles();
}

void CameraControl::CycleProjection() {
    SetProjection((m_nProjection + 1) % 3);
}

void CameraControl::SwitchToOrthographic() {
    if (m_nProjection != kOrthographic) {
        SetProjection(kOrthographic);
    }
}

void CameraControl::FrontView() {
    StopTimer();
    SwitchToOrthographic();
    m_camera.m_fAngleX = -90.0f;
    m_camera.m_fAngleAxis = 0.0f;
}

void CameraControl::LeftView() {
    StopTimer();
    SwitchToOrthographic();
    m_camera.m_fAngleX = -90.0f;
    m_camera.m_fAngleAxis = 90.0f;
}

void CameraControl::TopView() {
    StopTimer();
    SwitchToOrthographic();
    m_camera.m_fAngleX = 0.0f;
    m_camera.m_fAngleAxis = 0.0f;
}

void CameraControl::ToggleThreeView() {
    if (m_nViewports == 4) {
        m_nViewports = 1;
        return;
    }
    m_nViewports = 4;
    SwitchToOrthographic();
    m_camera.m_fAngleX = -75.0f;
    m_camera.m_fAngleAxis = -15.0f;
}

void CameraControl::Reset() {
    StopTimer();
    SetProjectionAngles();
    if (m_nAnimMode < 7) {
        m_nAnimMode = kAnimZForward;
    }
    m_fStepX = 0.0f;
    m_fStepAxis = 2.0f;
    m_camera.m_fPanX = 0.0f;
    m_camera.m_fPanY = 0.0f;
    m_camera.m_fDistance = -50.0f;
    m_camera.m_vAxis = {0.0f, 0.0f, 1.0f};
    m_camera.m_fZoom = 1.0f;
}

void CameraControl::InitialUpdate() {
    m_camera.m_fAngleX = -75.0f;
    m_camera.m_fAngleAxis = -15.0f;
    m_fStepX = 0.0f;
    m_fStepAxis = 2.0f;
    m_camera.m_fPanX = 0.0f;
    m_camera.m_fPanY = 0.0f;
    m_camera.m_fDistance = -50.0f;
}

void CameraControl::Tick(const std::function<bool()>& stepButtons) {
    if (m_nAnimMode <= kAnimYBackward) {
        m_camera.m_fAngleX += m_fStepX;
        m_camera.m_fAngleAxis += m_fStepAxis;
        return;
    }
    if (m_nAnimMode == kAnimButtons && stepButtons && stepButtons()) {
        return;
    }
    StopTimer();
    m_nAnimMode = kAnimZForward;
}

void CameraControl::StopTimer() {
    m_bTimerOn = false;
}

bool CameraControl::IsProjectionEnabled(int type) const {
    return type == kOrthographic || m_nViewports != 4;
}

}  // namespace velnor
