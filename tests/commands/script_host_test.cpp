#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/script_host.h"
#include "commands/script_interpreter.h"
#include "model/document.h"
#include "support/recording_document_views.h"

namespace velnor::test {
namespace {

// Writes down what a script hands to its host, as "TEXT name=value ...".
class RecordingHost final : public IScriptHost {
public:
    void RunCommand(const CommandEntry& entry, const CommandParams& params) override {
        std::string call = entry.text;
        for (const std::string& name : params.Names()) {
            call += " " + name + "=" + params.Text(name, "");
        }
        calls.push_back(call);
    }
    bool PressButton(uint16_t key) override {
        calls.push_back("press " + std::to_string(key));
        return key == 3024;
    }
    void Tick(int count) override { calls.push_back("tick " + std::to_string(count)); }

    std::vector<std::string> calls;
};

class ScriptHostTest : public ::testing::Test {
protected:
    ScriptHostTest() { doc.OnNewDocument(); }

    RecordingDocumentViews views;
    CPlomDoc doc;
    RecordingHost host;
    ScriptInterpreter interpreter{doc, host};
};

TEST_F(ScriptHostTest, CommandsPressesAndTicksGoToTheHostAndDrawingStaysInTheCore) {
    const struct {
        const char* line;
        const char* call;  // empty: the host is not asked
    } cases[] = {
        {"中点", "中点"},
        {"定比分点 m=2 n=1", "定比分点 m=2 n=1"},
        {"33091", "三视图"},
        {"另存为 file=/tmp/a.plm", "另存为... file=/tmp/a.plm"},
        {"undo", "撤消"},
        {"page prev", "上一页"},
        {"press 3024", "press 3024"},
        {"tick 5", "tick 5"},
        {"point 1 2 3", ""},
        {"select points 0", ""},
        {"# a comment", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        host.calls.clear();
        interpreter.RunLine(c.line, 1);
        const std::vector<std::string> expected =
            *c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{};
        EXPECT_EQ(host.calls, expected);
    }
    EXPECT_EQ(doc.CurrentPage().m_nVertexCount, 1);
}

TEST_F(ScriptHostTest, ABadLineNamesItsProblemApartFromItsNumber) {
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"press 7", "the page has no button 7"},
        {"tick -1", "tick count -1 is not in 0..1000000"},
        {"画圆", "unknown command '画圆'"},
        {"中点 m", "'m' is not name=value (after 中点)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            interpreter.RunLine(c.line, 4);
            ADD_FAILURE() << "ran";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), 4);
            EXPECT_EQ(error.Problem(), c.problem);
            EXPECT_EQ(std::string(error.what()), std::string("line 4: ") + c.problem);
        }
    }
}

}  // namespace
}  // namespace velnor::test
