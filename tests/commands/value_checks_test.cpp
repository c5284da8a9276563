#include <memory>
#include <string>

#include "commands/script_fixture.h"
#include "model/bit_text.h"

namespace velnor::test {
namespace {

// A script and a dialog refuse the same values with the same words, before anything changes,
// whether or not the command is available.
struct Refusal {
    const char* setup;
    const char* line;
    const char* reason;
};

const Refusal kRefusals[] = {
    {"", "图元集 type=14", "请选择图的类型。"},
    {"", "图元集 type=2 n=21", "请输入一个介于 3 和 20 之间的整数。"},
    {"", "图元集 type=0 L=0.05", "请输入一个介于 0.1 和 100 之间的数。"},
    {"", "图元集 type=0 L=abc", "参数 L=abc 不是数字"},
    {"", "图元集 type=2 n=3.5", "参数 n=3.5 不是整数"},
    {"", "组件 kind=27", "请输入一个介于 0 和 26 之间的整数。"},
    {"", "组件 kind=26", "还没有组件页，请先用“组装页”把一页组合为组件。"},
    {"组装页\n", "组件 kind=26 component=2", "请输入一个介于 1 和 1 之间的整数。"},
    {"组件 kind=0\nselect solids 1\n", "组件阵列 nz=0", "请输入一个介于 1 和 10 之间的整数。"},
    {"组件 kind=0\nselect solids 1\n", "修改图元属性 kind=-1",
     "请输入一个介于 0 和 26 之间的整数。"},
    {"point 0 0 0\npoint 1 0 0\nline 0 1\nselect none\nselect lines 1\n", "定比分点 m=3 n=-3",
     "比值不能为-1,分母不能为0!"},
    {"几何球体\nselect none\nselect solids 1\n", "球上的点、纬线、经线 lon=181",
     "请输入一个介于 -180 和 180 之间的数。"},
    {"point 0 0 0\n", "批量修改标签 letter=AB", "起始字母须是一个半角字母或数字。"},
    {"point 0 0 0\npoint 1 0 0\n", "批量修改标签 letter=~",
     "所选的点太多，从这个字母起的标签超出了范围。"},
    {"point 0 0 0\n", "批量修改标签 suffix=a_b", ""},
    {"point 0 0 0\n", "批量修改标签 letter=中 suffix=é", "起始字母须是一个半角字母或数字。"},
    {"point 0 0 0\n", "批量修改标签 letter=A suffix=é", "下标只能由半角字母或数字组成。"},
    {"point 0 0 0\n", "修改图元属性 label=ABCD", "标签不能超过3个字符。"},
    {"point 0 0 0\n", "修改图元属性 label=三角形", ""},
    {"", "修改图元属性 scheme=6", "请输入一个介于 0 和 5 之间的整数。"},
    // Greyed commands (nothing selected) refuse the same values.
    {"", "组件阵列 nz=0", "请输入一个介于 1 和 10 之间的整数。"},
    {"", "定比分点 m=3 n=-3", "比值不能为-1,分母不能为0!"},
    {"", "截面动画 count=31", "请输入一个介于 2 和 30 之间的整数。"},
    {"", "截面动画 spacing=0", "平面间距不能为0"},
};

TEST_F(ScriptTest, DialogValuesOutOfTheirRangeStopTheScriptWithTheDialogsWords) {
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(r.line);
        doc.OnNewDocument();
        Run(r.setup);
        const int vertices = Page().m_nVertexCount;
        const size_t solids = Page().m_solids.size();
        try {
            Run(std::string(r.line) + "\n");
            EXPECT_STREQ(r.reason, "") << "taken";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.what(), "line 1: " + std::string(r.reason));
            EXPECT_EQ(Page().m_nVertexCount, vertices);
            EXPECT_EQ(Page().m_solids.size(), solids);
        }
    }
}

TEST_F(ScriptTest, TheComponentDialogsClipAndRatioValuesReachTheSolid) {
    Run("组件 kind=23 ratio=0.25 clip=1 plane1=0 plane2=1 a2=1 b2=0 c2=0 d2=-1\n");
    ASSERT_EQ(Page().m_solids.size(), 1u);
    const CSubassembly& solid = *Page().m_solids.at(1);
    EXPECT_DOUBLE_EQ(solid.m_dShape, 0.25);
    EXPECT_EQ(solid.m_nClipMode, 2u);
    EXPECT_EQ(solid.m_clipPlane2, (Plane{1.0, 0.0, 0.0, -1.0}));
    Run("组装页\n组件 kind=26 component=1\nselect none\nselect solids 2\n修改图元属性 clip=0\n");
    EXPECT_EQ(Page().m_solids.at(2)->m_nComponent, 1);
    EXPECT_EQ(Page().m_solids.at(2)->m_nClipMode, 0u);
}

TEST_F(ScriptTest, APlainBitmapTextRefusesItsPropertiesWithItsOwnReason) {
    Page().AddSolid(std::make_unique<CBitText>());
    EXPECT_EQ(Run("select solids 1\n修改图元属性\n"),
              "message: 这是图形类文本，若要修改内容，请删除后重建！\n");
}

}  // namespace
}  // namespace velnor::test
