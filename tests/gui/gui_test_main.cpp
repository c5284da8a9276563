#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <string>

#include "shell/qt_translations.h"
#include "view/gl_setup.h"
#include "view/private_display.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string error;
    if (!velnor::EnsureDisplay(error)) {
        std::fprintf(stderr, "gui_tests: %s\n", error.c_str());
        return 1;
    }
    const velnor::DisplayHold hold(5000);
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    velnor::InstallQtTranslations(app);
    return RUN_ALL_TESTS();
}
