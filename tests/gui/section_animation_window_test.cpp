#include <gtest/gtest.h>

#include <QImage>
#include <QStandardPaths>
#include <QTest>

#include <string>
#include <vector>

#include "model/document.h"
#include "shell/main_frame.h"
#include "shell/window_script_runner.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

// The cube of edge 8 cut across its diagonal from A towards C1, from the plane A1BD on: each
// plane 2/√3 further, so the sections run triangle, hexagons, the triangle B1D1C1 and smaller
// triangles.
const char* const kScript[] = {
    "图元集 type=0 L=8",
    "select none",
    "select points 2 7 5",
    "截面动画 spacing=1.1547005 count=8",
};

int PixelsApart(const QImage& a, const QImage& b) {
    int apart = 0;
    for (int y = 0; y < a.height(); y += 2) {
        for (int x = 0; x < a.width(); x += 2) {
            apart += qGray(a.pixel(x, y)) != qGray(b.pixel(x, y)) ? 1 : 0;
        }
    }
    return apart;
}

// Three moments of the class watching the section move, run as `velnor --run` runs a script and
// saved for a person to look at: the first triangle, the regular hexagon through the middle, and
// a small triangle near C1. Each differs from the one before where the section was.
TEST(SectionAnimationWindow, ThePressedButtonShowsTheSectionsOneAfterAnother) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    frame.resize(1600, 1000);
    frame.show();
    QTest::qWait(200);
    WindowScriptRunner& runner = frame.ScriptRunner();
    int lineNumber = 0;
    for (const char* line : kScript) {
        runner.RunLine(line, ++lineNumber, WindowScriptRunner::Echo::kCollect);
    }
    ASSERT_EQ(frame.Document().CurrentPage().m_buttons.size(), 1u + 3 * 7);

    std::vector<QImage> shots;
    // The series swaps to section k at tick 2 + 26 (k - 1).
    // Before the press, after tick 40 (section 2) and after tick 140 (section 6); the view's own
    // timer adds a few ticks while the picture is taken.
    const std::vector<std::vector<std::string>> steps{{}, {"press 3024", "tick 40"}, {"tick 100"}};
    for (const auto& step : steps) {
        for (const std::string& line : step) {
            runner.RunLine(line, ++lineNumber, WindowScriptRunner::Echo::kCollect);
        }
        QTest::qWait(100);
        shots.push_back(frame.grab().toImage());
        shots.back().save(QString::fromStdString(VELNOR_SCREENSHOT_DIR "/section_step_" +
                                                 std::to_string(shots.size()) + ".png"));
    }
    EXPECT_GT(PixelsApart(shots[0], shots[1]), 200);
    EXPECT_GT(PixelsApart(shots[1], shots[2]), 200);
}

}  // namespace
}  // namespace velnor
