#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "shell/command_icons.h"
#include "shell/display_check.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "shell/qt_translations.h"
#include "shell/script_run.h"
#include "view/gl_setup.h"
#include "view/plom_view.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

constexpr const char* kUsage = "usage: velnor [FILE.plm] [--run SCRIPT]\n";
// What --help adds below the usage line.
constexpr const char* kOptions =
    "  FILE.plm      the document to open\n"
    "  --run SCRIPT  run the commands of SCRIPT in the window, as velnor-cli run does\n"
    "  --help        print this text\n"
    "  --version     print the version\n";

struct StartArguments {
    QString file;
    QString script;
    // For timing the start: the program ends once the first frame with the document is shown.
    bool quitAfterFirstFrame = false;
};

// velnor [FILE.plm] [--run SCRIPT] [--quit-after-first-frame]
bool ReadArguments(const QStringList& words, StartArguments& arguments) {
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words[i] == QStringLiteral("--run")) {
            if (i + 1 == words.size() || !arguments.script.isEmpty()) {
                return false;
            }
            arguments.script = words[++i];
        } else if (words[i] == QStringLiteral("--quit-after-first-frame")) {
            arguments.quitAfterFirstFrame = true;
        } else if (arguments.file.isEmpty()) {
            arguments.file = words[i];
        } else {
            return false;
        }
    }
    return true;
}

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

// --help and --version answer before anything needs a display.
bool HasOption(int argc, char** argv, std::string_view option) {
    return std::find(argv + 1, argv + argc, option) != argv + argc;
}

}  // namespace

int main(int argc, char** argv) {
    if (HasOption(argc, argv, "--help")) {
        std::fputs(kUsage, stdout);
        std::fputs(kOptions, stdout);
        return 0;
    }
    if (HasOption(argc, argv, "--version")) {
        std::printf("velnor %s\n", VELNOR_VERSION);
        return 0;
    }
    if (const auto missing = velnor::MissingDisplay()) {
        std::fprintf(stderr, "velnor: %s\n", missing->c_str());
        return kNoDisplay;
    }
    velnor::UseCompatibilityFormat();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kalbrix"));
    QApplication::setApplicationName(QStringLiteral("Velnor"));
    QApplication::setApplicationVersion(QStringLiteral(VELNOR_VERSION));
    QApplication::setWindowIcon(velnor::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("velnor"));
    UseChineseFont(app);
    velnor::InstallQtTranslations(app);

    StartArguments arguments;
    if (!ReadArguments(QApplication::arguments(), arguments)) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }
    velnor::CMainFrame frame;
    // A scripted run opens its document itself, so that a failure ends it rather than wait at a
    // box.
    if (!arguments.file.isEmpty() && arguments.script.isEmpty()) {
        frame.OpenAtStart(arguments.file);
    }
    if (!arguments.script.isEmpty()) {
        auto* run =
            new velnor::ScriptRun(frame.ScriptRunner(), frame, arguments.script, arguments.file);
        if (!run->Load()) {
            return kUsageError;
        }
        QObject::connect(&frame, &velnor::CMainFrame::Started, run, &velnor::ScriptRun::Start);
    }
    if (arguments.quitAfterFirstFrame) {
        QObject::connect(&frame.View(), &QOpenGLWidget::frameSwapped, &app, [&] {
            if (arguments.file.isEmpty() || !frame.Files().Path().isEmpty()) {
                QApplication::quit();
            }
        });
    } else if (arguments.script.isEmpty()) {
        // A scripted run goes on unattended; an ordinary start offers what a crash left.
        frame.RecoverAtStart();
    }
    frame.showMaximized();
    return app.exec();
}
