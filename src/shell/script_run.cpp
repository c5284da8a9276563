#include "shell/script_run.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <filesystem>

#include "commands/script_file.h"
#include "shell/window_script_runner.h"

namespace velnor {

namespace {

constexpr int kBadScript = 2;

void Fail(const QString& problem) {
    std::fprintf(stderr, "velnor: %s\n", problem.toUtf8().constData());
    std::fflush(stderr);
    QApplication::exit(kBadScript);
}

}  // namespace

ScriptRun::ScriptRun(WindowScriptRunner& runner, QWidget& window, QString path, QString document)
    : QObject(&window),
      m_runner(runner),
      m_window(window),
      m_strPath(std::move(path)),
      m_strDocument(std::move(document)) {}

bool ScriptRun::Load() {
    auto lines = ReadScriptLines(std::filesystem::path(m_strPath.toStdU16String()));
    if (!lines) {
        std::fprintf(stderr, "velnor: cannot read the script %s\n", m_strPath.toUtf8().constData());
        return false;
    }
    m_lines = std::move(*lines);
    return true;
}

void ScriptRun::Start() {
    if (!m_strDocument.isEmpty() && !m_runner.OpenDocument(m_strDocument)) {
        Fail(QStringLiteral("cannot open the document %1").arg(m_strDocument));
        return;
    }
    QTimer::singleShot(0, this, &ScriptRun::RunNextLine);
}

void ScriptRun::RunNextLine() {
    // The script has ended, or 退出 closed the window and the program is ending.
    if (m_nNext == m_lines.size() || !m_window.isVisible()) {
        return;
    }
    const size_t index = m_nNext++;
    try {
        m_runner.RunLine(m_lines[index], static_cast<int>(index + 1),
                         WindowScriptRunner::Echo::kStandardOutput);
    } catch (const ScriptError& error) {
        Fail(m_strPath + QStringLiteral(": ") + QString::fromUtf8(error.what()));
        return;
    } catch (const std::exception& error) {
        Fail(QStringLiteral("%1: line %2: %3")
                 .arg(m_strPath)
                 .arg(index + 1)
                 .arg(QString::fromUtf8(error.what())));
        return;
    }
    QTimer::singleShot(0, this, &ScriptRun::RunNextLine);
}

}  // namespace velnor
