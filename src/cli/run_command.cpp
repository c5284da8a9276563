#include "cli/run_command.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "commands/script_file.h"
#include "commands/script_interpreter.h"
#include "model/document.h"
#include "persistence/archive_error.h"
#include "persistence/document_io.h"
#include "richtext/qt_text_renderer.h"

namespace velnor::cli {

namespace {

struct RunArguments {
    std::string input;
    std::string script;
    std::string output;
};

bool ParseArguments(int argc, char** argv, RunArguments& args) {
    std::vector<std::string> positional;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0) {
            if (i + 1 == argc || !args.output.empty()) {
                return false;
            }
            args.output = argv[++i];
        } else {
            positional.emplace_back(argv[i]);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        return false;
    }
    args.script = positional.back();
    if (positional.size() == 2) {
        args.input = positional.front();
    }
    return true;
}

// 添加文本 lays its text out with Qt, which needs an application object but no display.
class TextLayout {
public:
    TextLayout() : m_app(m_argc, m_argv) { m_previous = SetTextRenderer(&m_renderer); }
    ~TextLayout() { SetTextRenderer(m_previous); }

private:
    char m_name[11] = "velnor-cli";
    char m_platformFlag[10] = "-platform";
    char m_platform[10] = "offscreen";
    int m_argc = 3;
    char* m_argv[4] = {m_name, m_platformFlag, m_platform, nullptr};
    QGuiApplication m_app;
    QtTextRenderer m_renderer;
    ITextRenderer* m_previous = nullptr;
};

int Fail(const std::string& problem) {
    std::fprintf(stderr, "velnor-cli run: %s\n", problem.c_str());
    return 2;
}

}  // namespace

int RunScript(int argc, char** argv) {
    RunArguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::fprintf(stderr, "usage: velnor-cli run [IN.plm] SCRIPT [-o OUT.plm]\n");
        return 2;
    }
    const auto lines = ReadScriptLines(args.script);
    if (!lines) {
        return Fail("cannot read the script " + args.script);
    }
    const TextLayout textLayout;
    CPlomDoc doc;
    doc.OnNewDocument();
    ScriptInterpreter interpreter(doc, std::cout);
    try {
        if (!args.input.empty()) {
            LoadDocumentFile(doc, args.input);
        }
        for (size_t i = 0; i < lines->size(); ++i) {
            interpreter.RunLine((*lines)[i], static_cast<int>(i + 1));
        }
        std::cout.flush();
        if (!args.output.empty()) {
            SaveDocumentFile(doc, args.output);
        }
    } catch (const ScriptError& error) {
        std::cout.flush();
        return Fail(args.script + ": " + error.what());
    } catch (const ArchiveError& error) {
        return Fail(error.what());
    }
    return 0;
}

}  // namespace velnor::cli
