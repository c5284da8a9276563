#include "output/frame_change.h"

#include <algorithm>
#include <cstring>

namespace velnor {

QRect ChangedRect(std::span<const uint8_t> before, std::span<const uint8_t> after, int width) {
    const int height = width > 0 ? static_cast<int>(after.size()) / width : 0;
    const auto row = [&](std::span<const uint8_t> frame, int y) {
        return frame.subspan(static_cast<size_t>(y) * width, static_cast<size_t>(width));
    };
    const auto rowDiffers = [&](int y) {
        return std::memcmp(row(before, y).data(), row(after, y).data(), width) != 0;
    };
    int top = 0;
    while (top < height && !rowDiffers(top)) {
        ++top;
    }
    if (top == height) {
        return {};
    }
    int bottom = height - 1;
    while (!rowDiffers(bottom)) {
        --bottom;
    }
    int left = width, right = -1;
    for (int y = top; y <= bottom; ++y) {
        const auto old = row(before, y), now = row(after, y);
        const auto first = std::mismatch(now.begin(), now.end(), old.begin()).first;
        if (first == now.end()) {
            continue;
        }
        const auto last = std::mismatch(now.rbegin(), now.rend(), old.rbegin()).first;
        left = std::min(left, static_cast<int>(first - now.begin()));
        right = std::max(right, static_cast<int>(now.rend() - last) - 1);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace velnor
