#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "view/frame_renderer.h"

namespace velnor {

class CGpage;
class OffscreenRenderer;

// The longest recording: 1000 ticks, 40 seconds at the usual speed.
inline constexpr int kLongestRecording = 1000;

// What a recording presses and how long it may run.
struct RecordingPlan {
    std::optional<uint16_t> pressKey;  // none: record the buttons that run already
    int maxTicks = kLongestRecording;
};

struct Recording {
    std::vector<QImage> frames;  // QImage::Format_RGB32, the layout's size
    QString error;               // why nothing was recorded
    bool cancelled = false;
};

// Why the page cannot be recorded as planned, or an empty string.
QString RecordingRefusal(const CGpage& page, const RecordingPlan& plan);

// Presses the planned button and records the page as the view's timer would show it: the first
// frame as pressed, then one frame after each tick until no button runs or the plan's ticks are
// done. The page moves as in the window, so the caller records on a page it may change.
// `progress` hears the ticks done so far and cancels the recording by returning false.
Recording RecordAnimation(CGpage& page, OffscreenRenderer& renderer, const FrameLayout& layout,
                          const RecordingPlan& plan,
                          const std::function<bool(int ticks)>& progress = {});

}  // namespace velnor
