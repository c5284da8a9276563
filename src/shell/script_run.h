#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace velnor {

class WindowScriptRunner;

// `velnor [FILE.plm] --run SCRIPT`: the script's lines run in the window one after another, each
// once the one before has finished (a dialog it opened included). A bad line ends the program
// with status 2 and "velnor: SCRIPT: line N: ..." on standard error; 退出 ends it as the menu does.
// A document that cannot be opened ends it the same way, its message on standard output, since
// no one is there to close a box.
class ScriptRun : public QObject {
    Q_OBJECT

public:
    // `document`, when not empty, is opened before the first line.
    ScriptRun(WindowScriptRunner& runner, QWidget& window, QString path, QString document = {});

    // Reads the script; false, after saying why on standard error, when it cannot be read.
    bool Load();
    // Runs the lines from the event loop, so that the window paints between them.
    void Start();

private:
    void RunNextLine();

    WindowScriptRunner& m_runner;
    QWidget& m_window;
    QString m_strPath;
    QString m_strDocument;
    std::vector<std::string> m_lines;
    size_t m_nNext = 0;
};

}  // namespace velnor
