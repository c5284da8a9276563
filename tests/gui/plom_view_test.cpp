#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QTest>

#include "gui/render_fixture.h"
#include "model/display_presets.h"
#include "model/gl_model.h"
#include "view/demo_page.h"
#include "view/plom_view.h"

namespace velnor::test {
namespace {

class PlomViewTest : public testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<CPlomView>(settings);
        view->resize(640, 480);
        view->SetPage(page.get());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    CGlModel settings;
    std::unique_ptr<CGpage> page = MakeDemoPage();
    std::unique_ptr<CPlomView> view;
};

TEST_F(PlomViewTest, DrawsThePageInTheWindow) {
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_demo_page.png"));
    EXPECT_GT(CountIn(image, 0, 0, image.width(), image.height(), IsLineGreen), 1000);
    EXPECT_GT(CountIn(image, 0, 0, image.width(), image.height(), IsLabelMagenta), 200);
}

TEST_F(PlomViewTest, TimerTurnsTheFigureAndStops) {
    view->SetInterval(kIntervalFast);
    view->StartStop();
    QTest::qWait(150);
    EXPECT_GE(settings.m_camera.m_fAngleAxis, -15.0f + 2.0f * 3);  // turned by several ticks
    view->StartStop();
    const float stopped = settings.m_camera.m_fAngleAxis;
    QTest::qWait(60);
    EXPECT_EQ(settings.m_camera.m_fAngleAxis, stopped);
}

TEST_F(PlomViewTest, ButtonAnimationCallsTheStepperUntilItIsDone) {
    int steps = 0;
    view->SetButtonStepper([&] { return ++steps < 4; });
    view->SetInterval(kIntervalFast);
    view->StartButtonAnimation();
    QElapsedTimer clock;
    clock.start();
    while (view->Control().m_bTimerOn && clock.elapsed() < 2000) {
        QTest::qWait(10);
    }
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(view->Control().m_nAnimMode, kAnimZForward);
}

TEST_F(PlomViewTest, WireframePresetSwitchesBackToTheOrthographicProjection) {
    view->SetProjection(0);
    view->ApplyPreset(kPresetWireframe);
    EXPECT_EQ(view->Control().m_nProjection, 1);
    view->ApplyPreset(kPresetTextured);
    EXPECT_EQ(view->Control().m_nProjection, 0);
    EXPECT_EQ(settings.m_bTexturing, 1);
    const QImage image = view->grabFramebuffer();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/window_textured_preset.png"));
    EXPECT_GT(CountIn(image, 0, 0, image.width(), image.height(), IsLabelMagenta), 200);
}

TEST_F(PlomViewTest, LabelSizeChangesTheGlyphs) {
    const auto magenta = [&] {
        const QImage image = view->grabFramebuffer();
        return CountIn(image, 0, 0, image.width(), image.height(), IsLabelMagenta);
    };
    view->SetLabelSize(3);
    const int small = magenta();
    view->SetLabelSize(1);
    const int large = magenta();
    EXPECT_GT(large, small * 2);
}

// Counts what would wake the view when nothing moves: frames asked for, painted or swapped, and
// timer events.
class WakeCounter : public QObject {
public:
    explicit WakeCounter(CPlomView& view) : m_view(view) {
        view.installEventFilter(this);
        connect(&view, &QOpenGLWidget::frameSwapped, this, [this] { ++frames; });
    }
    ~WakeCounter() override { m_view.removeEventFilter(this); }

    int frames = 0, paints = 0, timers = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) {
            ++paints;
        } else if (event->type() == QEvent::Timer) {
            ++timers;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CPlomView& m_view;
};

// A class watches a still figure for minutes: the view must cost nothing then.
TEST_F(PlomViewTest, AStillViewNeitherTicksNorDraws) {
    QTest::qWait(300);  // the frames of showing the window
    const WakeCounter still(*view);
    QTest::qWait(3000);
    EXPECT_EQ(still.frames, 0);
    EXPECT_EQ(still.paints, 0);
    EXPECT_EQ(still.timers, 0);
}

TEST_F(PlomViewTest, AStoppedAnimationLeavesTheViewStill) {
    view->SetInterval(kIntervalFast);
    view->StartStop();
    QTest::qWait(100);
    view->StartStop();
    QTest::qWait(300);
    const WakeCounter still(*view);
    QTest::qWait(2000);
    EXPECT_EQ(still.frames, 0);
    EXPECT_EQ(still.timers, 0);
}

}  // namespace
}  // namespace velnor::test
