#include <gtest/gtest.h>

#include <vector>

#include "model/display_presets.h"
#include "model/gl_model.h"

namespace velnor {
namespace {

std::vector<int> Switches(const CGlModel& s) {
    return {s.m_bSmoothColors, s.m_bColorLines,    s.m_bLighting,    s.m_bTexturing,
            s.m_bBlending,     s.m_bColorMaterial, s.m_bSmoothLines, s.m_bExtraLights};
}

TEST(DisplayPresets, WireframeKeepsOnlySmoothLinesAndAsksForTheOrthographicView) {
    CGlModel s;
    s.m_bLighting = 1;
    s.m_nFillStipple = 2;
    EXPECT_EQ(ApplyDisplayPreset(s, kPresetWireframe), PresetProjection::kOrthographic);
    EXPECT_EQ(Switches(s), (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(s.m_nFillStipple, 0);
    EXPECT_EQ(s.m_lightPosition, (Rgba{0, 200, 1000, 1}));
    EXPECT_EQ(s.m_material.shininess, 120.0f);
    EXPECT_EQ(s.m_material.specular, (Rgba{1, 1, 1, 1}));
}

TEST(DisplayPresets, TexturedPresetLightsAndTexturesAndAsksForTheCentralView) {
    CGlModel s;
    EXPECT_EQ(ApplyDisplayPreset(s, kPresetTextured), PresetProjection::kCentral);
    EXPECT_EQ(Switches(s), (std::vector<int>{1, 0, 1, 1, 0, 1, 0, 0}));
    EXPECT_EQ(s.m_lightPosition, (Rgba{0, 500, 500, 1}));
    EXPECT_EQ(s.m_material.ambient, (Rgba{0.6f, 0.6f, 0.6f, 1}));
    EXPECT_EQ(s.m_material.shininess, 128.0f);
}

TEST(DisplayPresets, CrystalAndPinkKeepTheProjection) {
    CGlModel s;
    EXPECT_EQ(ApplyDisplayPreset(s, kPresetCrystal), PresetProjection::kUnchanged);
    EXPECT_EQ(Switches(s), (std::vector<int>{1, 0, 1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(s.m_lightDiffuse, (Rgba{0.15f, 0.15f, 0.6f, 1}));
    EXPECT_EQ(s.m_material.shininess, 100.0f);
    EXPECT_EQ(ApplyDisplayPreset(s, kPresetPink), PresetProjection::kUnchanged);
    EXPECT_EQ(Switches(s), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.m_material.diffuse, (Rgba{1, 0, 1, 1}));
    EXPECT_EQ(s.m_material.shininess, 80.0f);
}

TEST(DisplayPresets, CamouflageChangesOnlyTheSwitches) {
    CGlModel s;
    ApplyDisplayPreset(s, kPresetPink);
    const Material before = s.m_material;
    const Rgba light = s.m_lightPosition;
    ApplyDisplayPreset(s, kPresetCamouflage);
    EXPECT_EQ(Switches(s), (std::vector<int>{1, 1, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(s.m_material, before);
    EXPECT_EQ(s.m_lightPosition, light);
}

TEST(DisplayPresets, NoPresetChangesNothing) {
    CGlModel s;
    s.m_bLighting = 1;
    EXPECT_EQ(ApplyDisplayPreset(s, kPresetNone), PresetProjection::kUnchanged);
    EXPECT_EQ(ApplyDisplayPreset(s, 9), PresetProjection::kUnchanged);
    EXPECT_EQ(s.m_bLighting, 1);
}

TEST(DisplayPresets, F4StepsThroughThePresetsInItsOwnOrder) {
    std::vector<int> applied;
    int preset = kPresetNone;
    for (int press = 0; press < 6; ++press) {
        preset = NextPresetInCycle(preset);
        applied.push_back(preset);
    }
    EXPECT_EQ(applied, (std::vector<int>{kPresetWireframe, kPresetCamouflage, kPresetTextured,
                                         kPresetCrystal, kPresetPink, kPresetWireframe}));
}

}  // namespace
}  // namespace velnor
