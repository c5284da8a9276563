#pragma once

namespace velnor {

class CGlModel;

// The five display presets of the settings pane; a page may carry one of them (its m_nScheme).
enum DisplayPreset : int {
    kPresetNone = 0,
    kPresetWireframe = 1,   // 线框
    kPresetTextured = 2,    // 贴图
    kPresetCrystal = 3,     // 水晶
    kPresetPink = 4,        // 粉红
    kPresetCamouflage = 5,  // 迷彩
};

// The projection a preset asks the view for.
enum class PresetProjection { kUnchanged, kOrthographic, kCentral };

// Writes the preset's light, material and switches into the settings. Other presets (0 and
// unknown numbers) change nothing.
PresetProjection ApplyDisplayPreset(CGlModel& settings, int preset);

// The preset that F4 switches to after `preset`: 线框, 迷彩, 贴图, 水晶, 粉红, then 线框 again.
int NextPresetInCycle(int preset);

}  // namespace velnor
