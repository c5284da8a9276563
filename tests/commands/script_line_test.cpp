#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_error.h"
#include "commands/script_line.h"

namespace velnor {
namespace {

struct Split {
    const char* line;
    std::vector<std::string> words;
};

TEST(ScriptLine, BlanksSplitWordsExceptInsideQuotes) {
    const Split cases[] = {
        {"  point 1\t2 3  # a corner", {"point", "1", "2", "3"}},
        {"# only a comment", {}},
        {"打开 file=\"第 1 课.plm\"", {"打开", "file=第 1 课.plm"}},
        {"保存RTF文件 file=\"笔记 #2.rtf\" # saved", {"保存RTF文件", "file=笔记 #2.rtf"}},
        {"\"两个 词\"合在一起", {"两个 词合在一起"}},
        {"text=\"\"", {"text="}},
    };
    for (const Split& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitScriptLine(c.line), c.words);
    }
}

TEST(ScriptLine, AQuoteLeftOpenIsRefused) {
    EXPECT_THROW(SplitScriptLine("打开 file=\"第 1 课.plm"), CommandError);
}

}  // namespace
}  // namespace velnor
