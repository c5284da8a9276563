// The yardstick of the cold-start benchmark: a Qt main window holding an OpenGL widget in the
// same compatibility context as the program's view, which ends once its first frame is shown.
#include <QApplication>
#include <QMainWindow>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

#include "view/gl_setup.h"

namespace {

class ClearingView : public QOpenGLWidget, private QOpenGLFunctions {
protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

}  // namespace

int main(int argc, char** argv) {
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    QMainWindow window;
    auto* view = new ClearingView;
    window.setCentralWidget(view);
    QObject::connect(view, &QOpenGLWidget::frameSwapped, &app, &QApplication::quit);
    window.showMaximized();
    return app.exec();
}
