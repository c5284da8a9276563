#include <memory>

#include "editing/cmd_add_button.h"
#include "editing/cmd_add_cells.h"
#include "editing/cmd_add_dtext.h"
#include "editing/cmd_add_points.h"
#include "editing/cmd_compound.h"
#include "editing/cmd_del_cell.h"
#include "editing/record_additions.h"
#include "editing_fixture.h"
#include "model/button_window.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class AddCommandsTest : public test::EditingTest {
protected:
    void AddSquare() {
        Page().AddVertex(0, 0, 0);
        Page().AddVertex(1, 0, 0);
        Page().AddVertex(1, 1, 0);
        Page().AddVertex(0, 1, 0);
    }
};

TEST_F(AddCommandsTest, UndoingPointsLowersTheCountAndUnselectsThem) {
    Page().AddVertex(5, 5, 5);
    Page().ClearSelection();
    Page().m_selPoints = {0};
    AddSquare();
    History().AddCommand(std::make_unique<CCmdAddPoints>(4, doc, "添加点"));
    EXPECT_EQ(UndoText(), "撤消 添加点(&U)\tCtrl+Z");
    History().Undo();
    EXPECT_EQ(Page().m_nVertexCount, 1);
    EXPECT_EQ(Page().m_selPoints, std::vector<int>{0});
    EXPECT_EQ(views.hints.back(), kHintVertices);
    History().Redo();
    EXPECT_EQ(Page().m_nVertexCount, 5);
    EXPECT_EQ(Page().m_label[4], "E");
    EXPECT_EQ(Page().m_pos[4], (Float3{0, 1, 0}));
}

TEST_F(AddCommandsTest, PointsAddedAfterADeletionSurviveUndoingAndRedoingBoth) {
    AddSquare();
    Page().ClearSelection();
    auto deletion = std::make_unique<CCmdDelCell>(doc);
    deletion->m_pointIds = {1};
    CCmd& recorded = *deletion;
    History().AddCommand(std::move(deletion));
    recorded.Redo();
    Page().AddVertex(7, 7, 7);
    Page().ClearSelection();
    const auto edited = test::CopyPage(Page());
    RecordAdditions(doc, "添加点", {.points = 1});
    History().Undo();
    History().Undo();  // moves rows up over the undone vertex
    History().Redo();
    History().Redo();
    EXPECT_TRUE(test::PagesEqual(*edited, Page()));
}

TEST_F(AddCommandsTest, UndoingLinesHoldsTheLastKeysAndRedoPutsThemBack) {
    AddSquare();
    Page().AddLine(0, 1);
    Page().AddLine(1, 2);
    Page().AddLine(2, 3);
    Page().m_selLines = {3, 1};
    History().AddCommand(std::make_unique<CCmdAddLines>(2, doc, "添加线"));
    History().Undo();
    EXPECT_EQ(Page().m_lines.size(), 1u);
    EXPECT_TRUE(Page().m_lines.contains(1));
    EXPECT_EQ(Page().m_nNextLineId, 2);
    EXPECT_EQ(Page().m_selLines, std::vector<int>{1});
    EXPECT_EQ(views.hints.back(), kHintLines);
    History().Redo();
    EXPECT_EQ(Page().m_nNextLineId, 4);
    EXPECT_EQ(Page().m_lines.at(3)->m_strName, "CD");
}

TEST_F(AddCommandsTest, FacesAndSolidsUndoWithTheirOwnCountersAndHints) {
    AddSquare();
    Page().AddFace(std::vector<int>{0, 1, 2, 3});
    Page().AddSolid(std::make_unique<CSubassembly>());
    auto faces = std::make_unique<CCmdAddFaces>(1, doc);
    EXPECT_EQ(faces->GetName(), "添加面");
    History().AddCommand(std::move(faces));
    History().AddCommand(std::make_unique<CCmdAddTis>(1, doc, "添加球"));
    History().Undo();
    EXPECT_TRUE(Page().m_solids.empty());
    EXPECT_EQ(Page().m_nNextSolidId, 1);
    EXPECT_EQ(views.hints.back(), kHintSolids);
    History().Undo();
    EXPECT_TRUE(Page().m_faces.empty());
    EXPECT_EQ(views.hints.back(), kHintFaces);
}

TEST_F(AddCommandsTest, UndoingAButtonDestroysItsWindowAndRedoCreatesItUnderTheSameKey) {
    const uint16_t key = Page().AddButton(std::make_unique<CBtnShow>());
    CreateButtonWindow(*Page().m_buttons.at(key), true);
    Page().m_selButtons = {key};
    History().AddCommand(std::make_unique<CCmdAddButton>(doc, "添加显示隐藏按钮"));
    History().Undo();
    EXPECT_FALSE(windows.Exists(key));
    EXPECT_TRUE(Page().m_buttons.empty());
    EXPECT_TRUE(Page().m_selButtons.empty());
    EXPECT_EQ(Page().m_nNextButtonId, CGpage::kFirstButtonKey);
    History().Redo();
    EXPECT_TRUE(windows.Visible(key));
    EXPECT_TRUE(Page().m_buttons.contains(key));
    EXPECT_EQ(Page().m_nNextButtonId, CGpage::kFirstButtonKey + 1);
    EXPECT_TRUE(views.hints.empty());
}

TEST_F(AddCommandsTest, UndoingADynamicTextHoldsItAndRedraws) {
    Page().AddText(std::make_unique<CDTextCell>(2));
    History().AddCommand(std::make_unique<CCmdAddDtext>(doc, "添加距离度量文本"));
    History().Undo();
    EXPECT_TRUE(Page().m_texts.empty());
    EXPECT_EQ(Page().m_nNextTextId, 1);
    EXPECT_EQ(views.hints, std::vector<int>{kHintRedraw});
    History().Redo();
    EXPECT_EQ(Page().m_texts.at(1)->m_nType, 2);
}

TEST_F(AddCommandsTest, ACubeIsRecordedAsOneCompoundUndoneInReverse) {
    const auto before = test::CopyPage(Page());
    AddSquare();
    Page().ClosePolygon();
    Page().AddFace(std::vector<int>{0, 1, 2, 3});
    Page().AddSolid(std::make_unique<CSubassembly>());
    Page().AddText(std::make_unique<CDTextCell>(1));
    Page().ClearSelection();
    const auto after = test::CopyPage(Page());
    RecordAdditions(doc, "添加正方体",
                    {.points = 4, .lines = 4, .faces = 1, .solids = 1, .texts = 1});
    ASSERT_EQ(History().Count(), 1);
    const auto* compound = dynamic_cast<const CCmdCompound*>(History().Current());
    ASSERT_NE(compound, nullptr);
    std::vector<std::string> names;
    for (const auto& cmd : compound->Commands()) {
        names.push_back(cmd->GetName());
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"添加点", "添加线", "添加面", "添加组件", "添加动态文本"}));
    EXPECT_EQ(UndoText(), "撤消 添加正方体(&U)\tCtrl+Z");
    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page(), {.labelCounters = false}));
    History().Redo();
    EXPECT_TRUE(test::PagesEqual(*after, Page()));
}

TEST_F(AddCommandsTest, OneKindIsRecordedWithoutACompound) {
    Page().AddVertex(0, 0, 0);
    RecordAdditions(doc, "添加中点", {.points = 1});
    EXPECT_NE(dynamic_cast<const CCmdAddPoints*>(History().Current()), nullptr);
    EXPECT_EQ(History().Current()->GetName(), "添加中点");
    Page().AddFace(std::vector<int>{0, 0, 0});
    RecordAdditions(doc, "添加相交面", {.faces = 1});
    EXPECT_NE(dynamic_cast<const CCmdCompound*>(History().Current()), nullptr);
    EXPECT_EQ(UndoText(), "撤消 添加相交面(&U)\tCtrl+Z");
    RecordAdditions(doc, "无", {});
    EXPECT_EQ(History().Count(), 2);
}

}  // namespace
}  // namespace velnor
