#include "shell/script_run.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

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

ScriptRun::ScriptRun(WindowScriptRunner& runner, QWidget& window, QString path)
    : QObject(&window), m_runner(runner), m_window(window), m_strPath(std::move(path)) {}

bool ScriptRun::Load() {
    std::ifstream script(std::filesystem::path(m_strPath.toStdU16String()));
    if (!script) {
        std::fprintf(stderr, "velnor: cannot read the script %s\n", m_strPath.toUtf8().constData());
        return false;
    }
    for (std::string line; std::getline(script, line);) {
        m_lines.push_back(line);
    }
    return true;
}

void ScriptRun::Start() {
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
