#pragma once

#include <array>

namespace velnor {

// How the scene is looked at. One per process, not stored with documents.
struct ViewCamera {
    float m_fPanX = 0.0f;
    float m_fPanY = 0.0f;
    float m_fDistance = -50.0f;
    float m_fZoom = 1.0f;
    float m_fAngleX = -75.0f;
    float m_fAngleAxis = -15.0f;
    std::array<float, 3> m_vAxis{0.0f, 0.0f, 1.0f};
};

}  // namespace velnor
