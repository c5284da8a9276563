#include <QApplication>

#include <string>

#include "shell/plain_window.h"
#include "view/gl_setup.h"

int main(int argc, char** argv) {
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    velnor::PlainWindow window;
    window.OpenWhenReady(argc > 1 ? std::string(argv[1]) : std::string());
    window.show();
    return app.exec();
}
