#include <memory>

#include "editing/clear_operation.h"
#include "editing/cmd_del_cell.h"
#include "editing/dependants.h"
#include "editing/page_operations.h"
#include "editing_fixture.h"
#include "model/button_window.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class DeletionTest : public test::EditingTest {
protected:
    // Vertices A..E at x = 0..4 (indices 0..4), nothing selected.
    void FiveVertices() {
        for (int i = 0; i < 5; ++i) {
            Page().AddVertex(static_cast<float>(i), 0, 0);
        }
        Page().ClearSelection();
    }

    uint16_t AddDistanceText(uint8_t a, uint8_t b) {
        auto text = std::make_unique<CDTextCell>(1);
        text->m_strName = "d";
        text->m_nVertCount = 2;
        text->m_verts[0] = a;
        text->m_verts[1] = b;
        return Page().AddText(std::move(text));
    }

    template <typename Button>
    uint16_t AddButton(std::unique_ptr<Button> button) {
        const uint16_t key = Page().AddButton(std::move(button));
        CreateButtonWindow(*Page().m_buttons.at(key), true);
        return key;
    }

    void Clear() { ClearSelected(doc, false); }
};

TEST_F(DeletionTest, DeletingAVertexRenumbersLaterLinesFacesAndTexts) {
    FiveVertices();
    const uint16_t line = Page().AddLine(3, 4);
    const uint16_t face = *Page().AddFace(std::vector<int>{0, 1, 4});
    const uint16_t text = AddDistanceText(3, 4);
    Page().ClearSelection();
    const auto before = test::CopyPage(Page());

    auto cmd = std::make_unique<CCmdDelCell>(doc);
    cmd->m_pointIds = {2};
    CCmd& recorded = *cmd;
    History().AddCommand(std::move(cmd));
    recorded.Redo();

    EXPECT_EQ(Page().m_nVertexCount, 4);
    EXPECT_EQ(Page().m_label[2], "D");
    EXPECT_EQ(Page().m_pos[3], (Float3{4, 0, 0}));
    EXPECT_EQ(Page().m_lines.at(line)->m_nStart, 2);
    EXPECT_EQ(Page().m_lines.at(line)->m_nEnd, 3);
    EXPECT_EQ(Page().m_faces.at(face)->m_pVerts[2], 3);
    EXPECT_EQ(Page().m_texts.at(text)->m_verts[0], 2);
    EXPECT_EQ(Page().m_texts.at(text)->m_verts[1], 3);
    EXPECT_EQ(views.hints.back(), kHintVertices);

    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
}

TEST_F(DeletionTest, DeletingAVertexTakesItsLineAndUndoRestoresTheEnds) {
    FiveVertices();
    Page().AddLine(1, 3);
    Page().ClearSelection();
    const auto before = test::CopyPage(Page());
    Page().m_selPoints = {3};
    Clear();
    EXPECT_TRUE(Page().m_lines.empty());
    EXPECT_EQ(UndoText(), "撤消 删除图元(&U)\tCtrl+Z");
    EXPECT_EQ(views.hints.back(), kHintAll);  // a vertex and a line
    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
}

TEST_F(DeletionTest, DeletingVerticesOneAndThreeUndoesInEitherOrder) {
    for (const std::vector<int>& order : {std::vector<int>{1, 3}, std::vector<int>{3, 1}}) {
        History().ClearAll();
        Page().Clear();
        FiveVertices();
        Page().AddLine(0, 2);
        Page().AddLine(2, 4);
        Page().AddFace(std::vector<int>{0, 2, 4});
        AddDistanceText(4, 0);
        Page().ClearSelection();
        const auto before = test::CopyPage(Page());

        Page().m_selPoints = order;
        Clear();
        EXPECT_EQ(Page().m_nVertexCount, 3);
        EXPECT_EQ(Page().m_label[0] + Page().m_label[1] + Page().m_label[2], "ACE");
        EXPECT_EQ(Page().m_lines.at(Page().m_nNextLineId - 1)->m_nEnd, 2);
        EXPECT_EQ(Page().m_texts.begin()->second->m_verts[0], 2);

        History().Undo();
        EXPECT_TRUE(test::PagesEqual(*before, Page()));
        History().Redo();
        History().Undo();
        EXPECT_TRUE(test::PagesEqual(*before, Page()));
    }
}

TEST_F(DeletionTest, ButtonsOnDeletedCellsGoAndSeriesButtonsFollowTheirMembers) {
    FiveVertices();
    const uint16_t line = Page().AddLine(0, 1);
    auto mover = std::make_unique<CBtnTranslate>();
    mover->m_targetLines = {line};
    const uint16_t moverKey = AddButton(std::move(mover));
    auto parallel = std::make_unique<CBtnSerues>();
    parallel->m_members = {moverKey};
    const uint16_t parallelKey = AddButton(std::move(parallel));
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {parallelKey};
    const uint16_t serialKey = AddButton(std::move(serial));
    const uint16_t bystander = AddButton(std::make_unique<CBtnShow>());
    Page().ClearSelection();

    Page().m_selPoints = {1};
    ExtendSelectionWithDependants(Page());
    EXPECT_EQ(Page().m_selLines, std::vector<int>{line});
    EXPECT_EQ(Page().m_selButtons, (std::vector<int>{moverKey, parallelKey, serialKey}));

    Clear();
    EXPECT_EQ(Page().m_buttons.size(), 1u);
    EXPECT_FALSE(windows.Exists(moverKey));
    EXPECT_FALSE(windows.Exists(serialKey));
    EXPECT_TRUE(windows.Exists(bystander));
    History().Undo();
    EXPECT_EQ(Page().m_buttons.size(), 4u);
    EXPECT_TRUE(windows.Visible(serialKey));
    EXPECT_EQ(windows.doubleCreates, 0);
}

TEST_F(DeletionTest, ButtonTargetVerticesAreRenumbered) {
    FiveVertices();
    auto show = std::make_unique<CBtnShow>();
    show->m_targetVerts = {0, 4};
    const uint16_t key = AddButton(std::move(show));
    Page().ClearSelection();
    Page().m_selPoints = {2};
    Clear();
    EXPECT_EQ(Page().m_buttons.at(key)->m_targetVerts, (std::vector<int>{0, 3}));
    History().Undo();
    EXPECT_EQ(Page().m_buttons.at(key)->m_targetVerts, (std::vector<int>{0, 4}));
}

TEST_F(DeletionTest, DeletingASolidKeepsOtherKeysAndTheCounter) {
    Page().AddSolid(std::make_unique<CSubassembly>());
    Page().AddSolid(std::make_unique<CSubassembly>());
    Page().m_selSolids = {1};
    Clear();
    EXPECT_EQ(Page().m_solids.size(), 1u);
    EXPECT_TRUE(Page().m_solids.contains(2));
    EXPECT_EQ(Page().AddSolid(std::make_unique<CSubassembly>()), 3);
    EXPECT_EQ(views.hints.back(), kHintSolids);
}

TEST_F(DeletionTest, ClearingTheOnlySelectedPageEmptiesItAndUndoRestoresEverything) {
    FiveVertices();
    Page().AddLine(0, 1);
    Page().AddFace(std::vector<int>{0, 1, 2});
    Page().AddSolid(std::make_unique<CSubassembly>());
    AddDistanceText(1, 2);
    AddButton(std::make_unique<CBtnShow>());
    Page().ClearSelection();
    const auto before = test::CopyPage(Page());
    doc.m_bPageSelected = true;
    Clear();
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_EQ(Page().m_nVertexCount, 0);
    EXPECT_TRUE(Page().m_lines.empty() && Page().m_faces.empty() && Page().m_solids.empty() &&
                Page().m_buttons.empty() && Page().m_texts.empty());
    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
}

TEST_F(DeletionTest, ClearingASelectedPageAmongSeveralDeletesThePage) {
    NewPage(doc);
    doc.m_bPageSelected = true;
    Clear();
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_EQ(UndoText(), "撤消 删除页(&U)\tCtrl+Z");
    EXPECT_EQ(views.hints.back(), kHintPageLabel);
    History().Undo();
    EXPECT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(Page().m_nId, 2);
}

TEST_F(DeletionTest, ClearingNothingOrInRegionModeRecordsNothing) {
    FiveVertices();
    Clear();
    Page().m_selPoints = {0};
    ClearSelected(doc, true);
    EXPECT_EQ(History().Count(), 0);
    EXPECT_EQ(Page().m_nVertexCount, 5);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DeletionTest, RepeatedOrStaleSelectionEntriesDeleteNothingElse) {
    FiveVertices();
    Page().AddLine(0, 1);
    Page().m_selPoints = {2, 2, 9};
    Page().m_selLines = {7};
    Clear();
    EXPECT_EQ(Page().m_nVertexCount, 4);
    EXPECT_EQ(Page().m_label[2], "D");
    EXPECT_EQ(Page().m_lines.size(), 1u);
}

}  // namespace
}  // namespace velnor
