#include <algorithm>
#include <cmath>

#include "commands/script_fixture.h"
#include "model/button_cells.h"

namespace velnor::test {
namespace {

const CDTextCell& Text(CGpage& page, uint16_t key) {
    return *page.m_texts.at(key);
}

TEST_F(ScriptTest, DrawingStepsBuildACubeRecordedAsTheMouseToolsRecordIt) {
    Run(kCubeScript);
    EXPECT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(Page().m_lines.size(), 12u);
    EXPECT_EQ(Page().m_faces.size(), 6u);
    EXPECT_EQ(Page().m_label[6], "G");
    EXPECT_EQ(Page().m_lines.at(9)->m_strName, "AE");
    EXPECT_EQ(doc.CommandProcessor().Count(), 26);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加面");
    EXPECT_FALSE(Page().HasSelection());
}

TEST_F(ScriptTest, MeasuresAnEdgeAndADihedralAngle) {
    Run(kCubeScript);
    Run("select lines 9\n两点间距离\nselect none\nselect faces 1 2\n二面角\n");
    ASSERT_EQ(Page().m_texts.size(), 2u);
    EXPECT_NEAR(Text(Page(), 1).m_fValue, 2.0f, 1e-5f);
    EXPECT_NEAR(Text(Page(), 2).m_fValue, 90.0f, 1e-3f);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加二面角度量文本");
}

TEST_F(ScriptTest, ATranslateButtonPressedAndTickedToTheEndMovesTheTopAndItsMeasure) {
    Run(kCubeScript);
    Run("select lines 9\n33160\nselect none\n"
        "定义平移向量 x=0 y=0 z=3\n"
        "select points 4 5 6 7\n33193\n"
        "press 3024\ntick 100\n");
    for (int top = 4; top < 8; ++top) {
        EXPECT_NEAR(Page().m_pos[top][2], 5.0f, 1e-4f) << top;
    }
    EXPECT_FLOAT_EQ(Page().m_pos[0][2], 0.0f);
    EXPECT_NEAR(Text(Page(), 1).m_fValue, 5.0f, 1e-4f);
    const CBtCmd& button = *Page().m_buttons.at(3024);
    EXPECT_EQ(button.m_bRunning, 0);
    EXPECT_EQ(button.m_nState, 1);
}

TEST_F(ScriptTest, TicksStopWhenTheRunEndsAndDoNothingWithoutAPress) {
    Run(kCubeScript);
    Run("tick 5\nselect points 4\n33193\npress 3024\ntick 10\n");
    const float partWay = Page().m_pos[4][0];
    EXPECT_GT(partWay, 0.0f);
    EXPECT_LT(partWay, 10.0f);
    Run("tick 1000\n");
    const float atEnd = Page().m_pos[4][0];
    EXPECT_NEAR(atEnd, 10.0f, 1e-4f);
    Run("tick 10\n");
    EXPECT_EQ(Page().m_pos[4][0], atEnd);
}

TEST_F(ScriptTest, TransformationsAndUndoRedoRunThroughTheTable) {
    Run(kCubeScript);
    Run("select points 0\n定义旋转轴 dx=0 dy=0 dz=2 px=1 py=1 pz=0\n定义旋转角 angle=180\n旋转\n");
    EXPECT_NEAR(Page().m_pos[0][0], 2.0f, 1e-5f);
    EXPECT_NEAR(Page().m_pos[0][1], 2.0f, 1e-5f);
    Run("undo\n");
    EXPECT_NEAR(Page().m_pos[0][0], 0.0f, 1e-6f);
    Run("redo\n定义缩放比 sx=2\n缩放\n");
    EXPECT_NEAR(Page().m_pos[0][0], 4.0f, 1e-5f);
    EXPECT_NEAR(Page().m_pos[0][1], 1.0f, 1e-5f);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "放缩变换");
}

TEST_F(ScriptTest, ConstructionsTakeTheirDialogValuesAsParameters) {
    Run(kCubeScript);
    Run("select lines 1\n定比分点 m=3 n=1\n");
    ASSERT_EQ(Page().m_nVertexCount, 9);
    EXPECT_NEAR(Page().m_pos[8][0], 1.5f, 1e-6f);
    Run("select lines 1\n中点\n");
    EXPECT_NEAR(Page().m_pos[9][0], 1.0f, 1e-6f);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加中点");
}

TEST_F(ScriptTest, UndoingEveryStepEmptiesThePageAndPagesSwitch) {
    Run(kCubeScript);
    Run("新建页\npoint 1 1 1\npage prev\n");
    EXPECT_EQ(doc.CurrentPageNumber(), 1);
    Run("page next\n");
    EXPECT_EQ(Page().m_nVertexCount, 1);
    for (int i = 0; i < 30; ++i) {
        Run("undo\n");
    }
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_TRUE(Page().m_lines.empty());
    EXPECT_EQ(Run("undo\n"), "disabled: 撤消\n");
}

TEST_F(ScriptTest, PropertiesEditAVertexOrShowTheReportOfTheSelection) {
    Run(kCubeScript);
    Run("select points 0\n修改图元属性 x=-1 label=O\n");
    EXPECT_FLOAT_EQ(Page().m_pos[0][0], -1.0f);
    EXPECT_EQ(Page().m_label[0], "O");
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "OB");
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "修改点");
    const std::string shown = Run("select none\nselect points 1 2\n修改图元属性\n");
    EXPECT_EQ(shown.rfind("message: ", 0), 0u) << shown;
}

TEST_F(ScriptTest, CutsTheCubeThroughItsCentreIntoAHexagonAndUndoesIt) {
    Run(kCubeScript);
    const std::string shown = Run("point 1 1 1\npoint 2 2 1\npoint 1 2 2\n截面\n");
    EXPECT_EQ(shown, "");
    // J and K are midpoints of edges, so the hexagon takes them and four new corners.
    EXPECT_EQ(Page().m_nVertexCount, 15);
    ASSERT_EQ(Page().m_faces.size(), 7u);
    EXPECT_EQ(Page().m_faces.at(7)->m_strName, "LMNOK...");
    EXPECT_EQ(Page().m_faces.at(7)->m_nVerts, 6);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加截面");
    Run("undo\n");
    EXPECT_EQ(Page().m_nVertexCount, 11);
    EXPECT_EQ(Page().m_faces.size(), 6u);
}

TEST_F(ScriptTest, UnfoldsTheCubeAndItsButtonFoldsTheNetBackOntoIt) {
    Run(kCubeScript);
    EXPECT_EQ(Run("展开图\n"), "");
    EXPECT_EQ(Page().m_nVertexCount, 8 + 14);
    const CBtCmd& series = *Page().m_buttons.at(3031);
    EXPECT_EQ(series.m_strCaption, "折叠/展开");
    Run("press 3031\ntick 1000\n");
    EXPECT_EQ(series.m_nState, 1);
    for (int v = 8; v < Page().m_nVertexCount; ++v) {
        const Float3& p = Page().m_pos[v];
        for (float coordinate : p) {
            EXPECT_LT(std::min(std::fabs(coordinate), std::fabs(coordinate - 2.0f)), 1e-4f) << v;
        }
    }
}

}  // namespace
}  // namespace velnor::test
