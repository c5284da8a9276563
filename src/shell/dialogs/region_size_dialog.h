#pragma once

#include <optional>

class QWidget;

namespace velnor {

struct RegionSize {
    int width = 0;
    int height = 0;
};

// 设置区域: the preset width and height of the screen region, starting from the current ones.
// Nothing when the user cancels.
std::optional<RegionSize> AskRegionSize(const RegionSize& current, QWidget* parent);

}  // namespace velnor
