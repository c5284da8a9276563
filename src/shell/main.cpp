#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "geometry/measure_text.h"
#include "model/dynamic_text_updater.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "view/gl_setup.h"
#include "view/plom_view.h"

namespace {

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
    UseChineseFont(app);
    velnor::SetDynamicTextUpdater(&velnor::UpdateMeasure);

    velnor::CMainFrame frame;
    frame.showMaximized();
    // The file's page components are compiled into display lists, so it is read once the view's
    // context exists. A file that cannot be read ends the start-up after its message.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        frame.View().WhenReady([&frame, path] {
            if (!frame.Files().OpenPath(path)) {
                QApplication::exit(1);
            }
        });
    }
    return app.exec();
}
