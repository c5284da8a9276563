#include <QApplication>

#include <cstdio>

#include "model/page.h"
#include "shell/plain_window.h"
#include "view/demo_page.h"
#include "view/gl_setup.h"

int main(int argc, char** argv) {
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    if (argc > 1) {
        std::fprintf(stderr, "velnor: opening documents is not available in this build; "
                             "showing the demonstration page\n");
    }
    velnor::PlainWindow window(velnor::MakeDemoPage());
    window.show();
    return app.exec();
}
