#pragma once

#include <cstdint>
#include <string>

#include "model/color.h"
#include "model/line_cell.h"
#include "model/log_font.h"
#include "model/material.h"
#include "model/view_camera.h"

namespace velnor {

// The scene settings: camera, colours, light, global material, display switches and the 3D title.
// Each document owns one record; its file stores all of it but the camera.
class CGlModel {
public:
    CGlModel();

    ViewCamera m_camera;

    Rgb m_bgColor{0, 0, 0};
    Rgb m_lineColor{0, 255, 0};
    Rgb m_fillColor{255, 255, 0};
    Rgb m_labelColor{255, 0, 255};
    Rgb m_componentColor{0, 0, 255};
    Rgb m_selectColor{255, 0, 0};
    Rgb m_newPointColor{0, 255, 0};
    Rgb m_textColor{255, 255, 0};

    std::string m_strTitle1 = "Velnor";
    std::string m_strTitle2 = "Morv 2013";
    LogFont m_titleFont;

    Rgba m_lightPosition{100.0f, 200.0f, 100.0f, 1.0f};
    Rgba m_lightAmbient{0.2f, 0.2f, 0.2f, 1.0f};
    Rgba m_lightDiffuse{0.8f, 0.8f, 0.8f, 1.0f};
    Rgba m_lightSpecular{1.0f, 1.0f, 1.0f, 1.0f};
    Material m_material{{0.2f, 0.2f, 0.2f, 1.0f}, {0.8f, 0.8f, 0.8f, 1.0f}, {0, 0, 0, 1}, 0.0f};

    int32_t m_nTexture = 1;      // texture that new solids take (0, 1, 2)
    int32_t m_nFillStipple = 0;  // 0 colour, 1 hatch pattern, 2 picture pattern

    // Display switches.
    uint8_t m_bSmoothColors = 0;
    uint8_t m_bColorLines = 0;
    uint8_t m_bLighting = 0;
    uint8_t m_bTexturing = 0;
    uint8_t m_bBlending = 0;
    uint8_t m_bColorMaterial = 0;
    uint8_t m_bSmoothLines = 1;
    uint8_t m_bExtraLights = 0;

    uint32_t m_nListBase = 0;  // first display-list name, set by the view
    float m_fLineWidth = 2.5f;

    // Not stored: the kind that new lines take.
    uint8_t m_nLineKind = kSegment;
};

// The settings of a page that belongs to no document, and of every new document.
extern const CGlModel kDefaultSceneSettings;

}  // namespace velnor
