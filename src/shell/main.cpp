#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "shell/command_icons.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/qt_translations.h"
#include "view/gl_setup.h"
#include "view/plom_view.h"

namespace {

const QString kQuitAfterFirstFrame = QStringLiteral("--quit-after-first-frame");

// The interface is Chinese: prefer a CJK face where the default one lacks the glyphs.
void UseChineseFont(QApplication& app) {
    for (const QString& family :
         {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
          QStringLiteral("WenQuanYi Micro Hei")}) {
        if (QFontDatabase::hasFamily(family)) {
            QFont font(family);
            font.setPointSize(app.font().pointSize());
            app.setFont(font);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kalbrix"));
    QApplication::setApplicationName(QStringLiteral("Velnor"));
    QApplication::setApplicationVersion(QStringLiteral(VELNOR_VERSION));
    QApplication::setWindowIcon(velnor::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("velnor"));
    UseChineseFont(app);
    velnor::InstallQtTranslations(app);

    velnor::CMainFrame frame;
    QStringList arguments = QApplication::arguments();
    // For timing the start: the program ends once the first frame with the document is shown.
    const bool quitAfterFirstFrame = arguments.removeAll(kQuitAfterFirstFrame) > 0;
    if (arguments.size() > 1) {
        frame.OpenAtStart(arguments.at(1));
    }
    if (quitAfterFirstFrame) {
        QObject::connect(&frame.View(), &QOpenGLWidget::frameSwapped, &app, [&] {
            if (arguments.size() == 1 || !frame.Files().Path().isEmpty()) {
                QApplication::quit();
            }
        });
    } else {
        frame.RecoverAtStart();
    }
    frame.showMaximized();
    return app.exec();
}
