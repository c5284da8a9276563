#include "commands/script_fixture.h"
#include "model/gl_model.h"

namespace velnor::test {
namespace {

TEST_F(ScriptTest, RelabellingRenamesTheLinesThroughTheVertices) {
    Run("point 0 0 0\npoint 1 0 0\npoint 0 1 0\nline 0 1\nselect points 0 1\n"
        "批量修改标签 letter=P suffix=1\n");
    EXPECT_EQ(Page().m_label[0], "P1");
    EXPECT_EQ(Page().m_label[1], "Q1");
    EXPECT_EQ(Page().m_label[2], "C");
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "P1Q1");
}

TEST_F(ScriptTest, ColoursAreBytesAndAreRefusedOutsideThem) {
    Run("point 0 0 0\npoint 1 0 0\nselect points 1\n修改点的颜色 r=255 g=0 b=51\n");
    EXPECT_EQ(Page().m_color[1], (Float3{1.0f, 0.0f, 0.2f}));
    EXPECT_THROW(Run("修改点的颜色 r=256\n"), ScriptError);
    EXPECT_EQ(Page().m_color[1], (Float3{1.0f, 0.0f, 0.2f}));
    Run("修改文本颜色 r=1 g=2 b=3\n");
    EXPECT_EQ(doc.Settings().m_textColor, (Rgb{1, 2, 3}));
}

TEST_F(ScriptTest, ReversingALineSwapsItsEndsAndEmptiesTheLineSelection) {
    Run("point 0 0 0\npoint 1 0 0\nline 0 1\nselect lines 1\n修改线的方向\n");
    EXPECT_EQ(Page().m_lines.at(1)->m_nStart, 1);
    EXPECT_EQ(Page().m_lines.at(1)->m_nEnd, 0);
    EXPECT_TRUE(Page().m_selLines.empty());
    EXPECT_EQ(Run("修改线的方向\n"), "disabled: 修改线的方向\n");
}

}  // namespace
}  // namespace velnor::test
