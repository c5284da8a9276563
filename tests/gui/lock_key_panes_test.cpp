#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include "shell/lock_key_indicators.h"
#include "shell/main_frame.h"

// Last: Xlib's macros would otherwise rename Qt's words.
#include <X11/XKBlib.h>

namespace velnor {
namespace {

// Locks or unlocks modifiers on the X server, as pressing the lock keys does.
void LockModifiers(unsigned int mask, bool on) {
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display, False);
}

TEST(LockKeyPanes, TheStatusBarShowsWhichLocksAreOn) {
    ASSERT_NE(qGuiApp->nativeInterface<QNativeInterface::QX11Application>(), nullptr);
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto* indicators = frame.statusBar()->findChild<LockKeyIndicators*>();
    ASSERT_NE(indicators, nullptr);
    const auto shown = [&] {
        QStringList texts;
        for (const QLabel* pane : indicators->Panes()) {
            texts << pane->text();
        }
        return texts;
    };
    struct Case {
        unsigned int locked;
        QStringList texts;
    };
    const Case cases[] = {
        {LockMask, {"大写", "", ""}},
        {LockMask | Mod2Mask, {"大写", "数字", ""}},
        {0, {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locked);
        LockModifiers(LockMask | Mod2Mask, false);
        LockModifiers(c.locked, true);
        QTest::keyClick(&frame, Qt::Key_Shift);
        EXPECT_EQ(shown(), c.texts);
        if (c.locked == (LockMask | Mod2Mask)) {
            frame.statusBar()->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/lock_keys.png"));
        }
    }
}

}  // namespace
}  // namespace velnor
