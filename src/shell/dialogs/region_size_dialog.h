#pragma once

#include <optional>

class QWidget;

namespace velnor {

// A region larger than any screen is of no use; 1 pixel is the least that can be saved.
inline constexpr int kLargestRegionSide = 8192;

struct RegionSize {
    int width = 0;
    int height = 0;
};

// 设置区域: the preset width and height of the screen region, starting from the current ones.
// Nothing when the user cancels.
std::optional<RegionSize> AskRegionSize(const RegionSize& current, QWidget* parent);

}  // namespace velnor
