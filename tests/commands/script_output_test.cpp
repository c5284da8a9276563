#include "commands/command_error.h"
#include "commands/script_fixture.h"

namespace velnor::test {
namespace {

// The line number and problem of the error that running the script raises.
std::string ErrorOf(ScriptTest& test, const std::string& script,
                    std::string (ScriptTest::*run)(const std::string&)) {
    try {
        (test.*run)(script);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "no error";
}

class ScriptOutputTest : public ScriptTest {
protected:
    std::string ErrorOf(const std::string& script) {
        return test::ErrorOf(*this, script, &ScriptOutputTest::Run);
    }
};

TEST_F(ScriptOutputTest, MessagesOfTheProgramArePrintedOneALine) {
    std::string points;
    for (int i = 0; i < CGpage::kMaxVertices; ++i) {
        points += "point " + std::to_string(i) + " 0 0\n";
    }
    EXPECT_EQ(Run(points), "");
    EXPECT_EQ(Run("point 0 1 0\n"), "message: 本页顶点数已达界限,请新建一页\n");
    EXPECT_EQ(Page().m_nVertexCount, CGpage::kMaxVertices);
    EXPECT_EQ(Run("select points 1\n定义旋转轴 dx=0 dy=0 dz=0\n"),
              "message: 旋转轴方程不正确,未作改动\n");
}

TEST_F(ScriptOutputTest, ADisabledCommandPrintsItsText) {
    EXPECT_EQ(Run("平移\n清除\npage next\n"), "disabled: 平移\ndisabled: 清除\ndisabled: 下一页\n");
}

TEST_F(ScriptOutputTest, ViewCommandsAndToolsAreSkipped) {
    EXPECT_EQ(Run("三视图\n32745\n"), "skipped: 三视图\nskipped: 启动/停止\n");
    Run("point 0 0 0\npoint 1 0 0\nselect none\n");
    EXPECT_EQ(Run("线段、射线、直线、向量\n"), "skipped: 线段、射线、直线、向量\n");
}

TEST_F(ScriptOutputTest, CommandsAreFoundByIdOrTextWithOrWithoutDots) {
    Run("定义旋转角... angle=30\n");
    EXPECT_FLOAT_EQ(Page().m_fAngle, 30.0f);
    Run("定义旋转角 angle=45\n");
    EXPECT_FLOAT_EQ(Page().m_fAngle, 45.0f);
    Run("32972 angle=60   # the same by id\n");
    EXPECT_FLOAT_EQ(Page().m_fAngle, 60.0f);
}

TEST_F(ScriptOutputTest, BadLinesNameTheirLineAndStopTheScript) {
    EXPECT_EQ(ErrorOf("# comment\n\nfrobnicate\npoint 1 1 1\n"),
              "line 3: unknown command 'frobnicate'");
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_EQ(ErrorOf("定义旋转角 angle=abc\n"), "line 1: 参数 angle=abc 不是数字");
    EXPECT_EQ(ErrorOf("定义旋转角 speed=2\n"), "line 1: 定义旋转角... takes no parameter speed");
    EXPECT_EQ(ErrorOf("定义旋转角 angle\n"),
              "line 1: 'angle' is not name=value (after 定义旋转角...)");
    EXPECT_EQ(ErrorOf("point 1 2\n"), "line 1: usage: point X Y Z");
    EXPECT_EQ(ErrorOf("point 1 2 \"3\n"), "line 1: a quote is not closed");
    EXPECT_EQ(ErrorOf("point 1 2 nan\n"), "line 1: coordinate 'nan' is not a number");
    EXPECT_EQ(ErrorOf("point 0 0 0\nline 0 1\n"), "line 2: vertex 1 is not in 0..0");
    EXPECT_EQ(ErrorOf("select lines 7\n"), "line 1: the page has no lines item 7");
    EXPECT_EQ(ErrorOf("press 3024\n"), "line 1: the page has no button 3024");
    EXPECT_EQ(ErrorOf("tick -1\n"), "line 1: tick count -1 is not in 0..1000000");
}

TEST_F(ScriptOutputTest, ADefinitionTheSelectionDoesNotGiveNeedsItsValues) {
    EXPECT_EQ(ErrorOf("定义平移向量\n"), "line 1: 定义平移向量 needs its dialog values: x y z");
    Run("point 0 0 0\npoint 0 4 0\n定义平移向量\n");
    EXPECT_EQ(Page().m_translation, (Float3{0.0f, 4.0f, 0.0f}));
}

TEST_F(ScriptOutputTest, AFaceOffItsPlaneIsRefused) {
    Run("point 0 0 0\npoint 1 0 0\npoint 1 1 0\npoint 0 1 1\n");
    EXPECT_EQ(ErrorOf("face 0 1 2 3\n"),
              "line 1: the vertices of the face do not lie in one plane");
    EXPECT_EQ(ErrorOf("face 0 1 1\n"), "line 1: vertex 1 appears twice in the face");
    EXPECT_TRUE(Page().m_faces.empty());
}

TEST_F(ScriptOutputTest, SelectingReplacesOneListAndEndsThePageSelection) {
    Run("point 0 0 0\npoint 1 0 0\nline 0 1\nselect page\n");
    EXPECT_TRUE(doc.m_bPageSelected);
    Run("select points 1 0\nselect lines 1\n");
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_EQ(Page().m_selPoints, (std::vector<int>{1, 0}));
    EXPECT_EQ(Page().m_selLines, (std::vector<int>{1}));
    Run("select none\n");
    EXPECT_FALSE(Page().HasSelection());
}

}  // namespace
}  // namespace velnor::test
