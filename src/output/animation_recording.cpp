#include "output/animation_recording.h"

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "model/page.h"
#include "view/offscreen_renderer.h"

namespace velnor {

// Every frame is kept until the file is written, as the GIF palette is built from all of them;
// past this many bytes of frames the recording stops rather than exhaust the memory.
constexpr qsizetype kFrameMemoryBudget = qsizetype{1} << 31;

QString RecordingRefusal(const CGpage& page, const RecordingPlan& plan) {
    if (page.m_buttons.empty()) {
        return QStringLiteral("这一页没有按钮，没有动画可录制");
    }
    if (plan.pressKey && !page.m_buttons.contains(*plan.pressKey)) {
        return QStringLiteral("这一页没有编号为 %1 的按钮").arg(*plan.pressKey);
    }
    if (plan.pressKey && page.m_buttons.at(*plan.pressKey)->m_bRunning == 1) {
        return QStringLiteral("按钮 %1 正在运行，按下只会让它停下").arg(*plan.pressKey);
    }
    if (!plan.pressKey && !AnyButtonRuns(page)) {
        return QStringLiteral("这一页没有正在运行的按钮");
    }
    return {};
}

Recording RecordAnimation(CGpage& page, OffscreenRenderer& renderer, const FrameLayout& layout,
                          const RecordingPlan& plan, const std::function<bool(int)>& progress) {
    Recording recording;
    recording.error = RecordingRefusal(page, plan);
    if (!recording.error.isEmpty()) {
        return recording;
    }
    if (plan.pressKey) {
        PressButton(page, *plan.pressKey);
    }
    recording.frames.push_back(renderer.Render(&page, layout));
    bool running = true;
    for (int tick = 1; running && tick <= plan.maxTicks; ++tick) {
        running = TickButtonAnimation(page);
        recording.frames.push_back(renderer.Render(&page, layout));
        if (progress && !progress(tick)) {
            return {{}, {}, true};
        }
        if (recording.frames.back().sizeInBytes() * std::ssize(recording.frames) >
            kFrameMemoryBudget) {
            return {{}, QStringLiteral("动画太大：请缩小尺寸或减少帧数"), false};
        }
    }
    return recording;
}

}  // namespace velnor
