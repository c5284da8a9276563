#include "model/display_presets.h"

#include <array>

#include "model/gl_model.h"

namespace velnor {

namespace {

struct Switches {
    bool smoothColors, colorLines, lighting, texturing, blending, colorMaterial, smoothLines,
        extraLights;
};

struct Lighting {
    Rgba position, ambient, diffuse, specular;
    Material material;
};

void SetSwitches(CGlModel& s, const Switches& on) {
    s.m_bSmoothColors = on.smoothColors;
    s.m_bColorLines = on.colorLines;
    s.m_bLighting = on.lighting;
    s.m_bTexturing = on.texturing;
    s.m_bBlending = on.blending;
    s.m_bColorMaterial = on.colorMaterial;
    s.m_bSmoothLines = on.smoothLines;
    s.m_bExtraLights = on.extraLights;
}

void SetLighting(CGlModel& s, const Lighting& l) {
    s.m_lightPosition = l.position;
    s.m_lightAmbient = l.ambient;
    s.m_lightDiffuse = l.diffuse;
    s.m_lightSpecular = l.specular;
    s.m_material = l.material;
}

}  // namespace

PresetProjection ApplyDisplayPreset(CGlModel& s, int preset) {
    switch (preset) {
        case kPresetWireframe:
            SetLighting(s, {{0, 200, 1000, 1},
                            {0.5f, 1, 0.5f, 1},
                            {0.5f, 1, 0.5f, 1},
                            {0.5f, 1, 0.5f, 1},
                            {{0.3f, 0.5f, 0.3f, 1}, {0.2f, 0.6f, 0.2f, 1}, {1, 1, 1, 1}, 120}});
            SetSwitches(s, {false, false, false, false, false, false, true, false});
            s.m_nFillStipple = 0;
            return PresetProjection::kOrthographic;
        case kPresetTextured:
            SetLighting(
                s, {{0, 500, 500, 1},
                    {0.8f, 0.8f, 0.8f, 1},
                    {0.8f, 0.8f, 0.8f, 1},
                    {1, 1, 1, 1},
                    {{0.6f, 0.6f, 0.6f, 1}, {0.8f, 0.8f, 0.8f, 1}, {0.8f, 0.8f, 0.8f, 1}, 128}});
            SetSwitches(s, {true, false, true, true, false, true, false, false});
            return PresetProjection::kCentral;
        case kPresetCrystal:
            SetLighting(
                s, {{800, 800, 800, 1},
                    {0.15f, 0.15f, 0.3f, 1},
                    {0.15f, 0.15f, 0.6f, 1},
                    {0.3f, 0.3f, 0.5f, 1},
                    {{0.15f, 0.15f, 0.4f, 1}, {0.2f, 0.2f, 0.8f, 1}, {0.4f, 0.4f, 0.4f, 1}, 100}});
            SetSwitches(s, {true, false, true, false, true, true, true, true});
            return PresetProjection::kUnchanged;
        case kPresetPink:
            SetLighting(s, {{30, 500, 1000, 1},
                            {0.5f, 0.5f, 0.5f, 1},
                            {0.6f, 0.6f, 0.6f, 1},
                            {1, 1, 1, 1},
                            {{1, 0, 0.4f, 1}, {1, 0, 1, 1}, {1, 1, 0, 1}, 80}});
            SetSwitches(s, {true, false, true, false, false, false, false, true});
            return PresetProjection::kUnchanged;
        case kPresetCamouflage:
            SetSwitches(s, {true, true, false, false, false, true, false, false});
            return PresetProjection::kUnchanged;
        default:
            return PresetProjection::kUnchanged;
    }
}

int NextPresetInCycle(int preset) {
    constexpr std::array<int, 5> kCycle{kPresetWireframe, kPresetCamouflage, kPresetTextured,
                                        kPresetCrystal, kPresetPink};
    for (size_t i = 0; i < kCycle.size(); ++i) {
        if (kCycle[i] == preset) {
            return kCycle[(i + 1) % kCycle.size()];
        }
    }
    return kPresetWireframe;
}

}  // namespace velnor
