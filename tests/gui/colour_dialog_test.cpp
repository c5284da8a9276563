#include <gtest/gtest.h>

#include <QPushButton>

#include "model/gl_model.h"
#include "shell/colour_dialog.h"
#include "shell/rgb_colour.h"

namespace velnor {
namespace {

QPushButton* ButtonWithText(QWidget& dialog, const QString& text) {
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

// The eight colour buttons come first in the dialog, background first, and carry no text.
QPushButton* BackgroundButton(QWidget& dialog) {
    return ButtonWithText(dialog, QString());
}

TEST(ColourDialog, SchemesReachTheSettingsAndShowOnTheColourButtons) {
    CGlModel settings;
    settings.m_bgColor = {1, 2, 3};
    int applied = 0;
    CGLCOLORDLG dialog(settings, [&] { ++applied; });
    dialog.show();
    ASSERT_NE(BackgroundButton(dialog), nullptr);
    EXPECT_TRUE(BackgroundButton(dialog)->styleSheet().contains(QStringLiteral("#010203")));

    const CGlModel defaults;
    const struct {
        const char* button;
        Rgb background;
        Rgb selection;
    } cases[] = {
        {"黑白", {255, 255, 255}, {0, 0, 255}},
        {"默认", defaults.m_bgColor, defaults.m_selectColor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        QPushButton* scheme = ButtonWithText(dialog, QString::fromUtf8(c.button));
        ASSERT_NE(scheme, nullptr);
        const int before = applied;
        scheme->click();
        EXPECT_EQ(applied, before + 1);
        EXPECT_EQ(settings.m_bgColor, c.background);
        EXPECT_EQ(settings.m_selectColor, c.selection);
        EXPECT_TRUE(BackgroundButton(dialog)->styleSheet().contains(ToQColor(c.background).name()));
    }
    dialog.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/dialog_colours.png"));
}

}  // namespace
}  // namespace velnor
