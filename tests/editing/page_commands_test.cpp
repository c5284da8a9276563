#include <iterator>
#include <memory>

#include "editing/cmd_new_del_page.h"
#include "editing/cmd_switch_page.h"
#include "editing/page_operations.h"
#include "editing_fixture.h"

namespace velnor {
namespace {

class PageCommandsTest : public test::EditingTest {
protected:
    // Pages " 第一页 " .. " 第三页 ", the first current, nothing recorded.
    void ThreePages() {
        NewPage(doc);
        NewPage(doc);
        doc.ActivatePage(doc.m_pages.begin());
        History().ClearAll();
        views.Forget();
    }

    std::vector<uint16_t> PageIds() {
        std::vector<uint16_t> ids;
        for (const auto& page : doc.m_pages) {
            ids.push_back(page->m_nId);
        }
        return ids;
    }

    void DeleteCurrentPage() {
        auto cmd = std::make_unique<CCmdNewDelPage>(CCmdNewDelPage::kDelete, doc, "删除页");
        cmd->Redo();
        History().AddCommand(std::move(cmd));
    }
};

TEST_F(PageCommandsTest, NewPageGoesAfterTheCurrentOneAndBecomesCurrent) {
    doc.m_bPageSelected = true;
    NewPage(doc);
    doc.ActivatePage(doc.m_pages.begin());
    NewPage(doc);
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 3, 2}));
    EXPECT_EQ(doc.CurrentPage().m_strName, " 第三页 ");
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_EQ(views.pageChanges.back(), " 第三页 ");
    EXPECT_EQ(views.pageListChanges, 2);
    EXPECT_EQ(UndoText(), "撤消 新建页(&U)\tCtrl+Z");
    History().Undo();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 2}));
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    History().Redo();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 3, 2}));
    EXPECT_EQ(doc.CurrentPage().m_nId, 3);
}

TEST_F(PageCommandsTest, IdsAreNotReusedAfterAPageIsDeleted) {
    NewPage(doc);
    DeleteCurrentPage();
    NewPage(doc);
    EXPECT_EQ(doc.CurrentPage().m_nId, 3);
    EXPECT_EQ(doc.CurrentPage().m_strName, " 第三页 ");
}

TEST_F(PageCommandsTest, DeletingTheFirstOfThreePagesAndUndoingRestoresIt) {
    ThreePages();
    CGpage* first = &doc.CurrentPage();
    DeleteCurrentPage();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{2, 3}));
    EXPECT_EQ(doc.CurrentPage().m_nId, 2);
    History().Undo();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 2, 3}));
    EXPECT_EQ(&doc.CurrentPage(), first);
    History().Redo();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{2, 3}));
    History().Undo();
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    EXPECT_EQ(doc.CurrentPageNumber(), 1);
}

TEST_F(PageCommandsTest, DeletingAMiddlePageMakesThePreviousCurrentAndUndoPutsItBack) {
    ThreePages();
    doc.ActivatePage(std::next(doc.m_pages.begin()));
    DeleteCurrentPage();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 3}));
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    History().Undo();
    EXPECT_EQ(PageIds(), (std::vector<uint16_t>{1, 2, 3}));
    EXPECT_EQ(doc.CurrentPage().m_nId, 2);
}

TEST_F(PageCommandsTest, ADeletedPageTakesItsButtonWindowsWithIt) {
    ThreePages();
    doc.ActivatePage(std::next(doc.m_pages.begin()));
    const uint16_t key = Page().AddButton(std::make_unique<CBtnShow>());
    Page().CreateButtonWindows(true);
    DeleteCurrentPage();
    EXPECT_FALSE(windows.Exists(key));
    History().Undo();
    EXPECT_TRUE(windows.Visible(key));
    EXPECT_EQ(windows.doubleCreates, 0);
    EXPECT_EQ(windows.strayDestroys, 0);
}

TEST_F(PageCommandsTest, TheOnlyPageIsNeverDeleted) {
    CCmdNewDelPage cmd(CCmdNewDelPage::kDelete, doc, "删除页");
    EXPECT_FALSE(cmd.Redo());
    EXPECT_EQ(doc.m_pages.size(), 1u);
}

TEST_F(PageCommandsTest, NextAndPreviousDoNothingAtTheEnds) {
    ThreePages();
    EXPECT_FALSE(PreviousPage(doc));
    EXPECT_EQ(History().Count(), 0);
    EXPECT_TRUE(NextPage(doc));
    EXPECT_TRUE(NextPage(doc));
    EXPECT_FALSE(NextPage(doc));
    EXPECT_EQ(History().Count(), 2);
    EXPECT_EQ(doc.CurrentPage().m_nId, 3);
    EXPECT_EQ(UndoText(), "撤消 切换当前页(&U)\tCtrl+Z");
    EXPECT_EQ(views.hints.back(), kHintPageLabel);
    History().Undo();
    EXPECT_EQ(doc.CurrentPage().m_nId, 2);
}

TEST_F(PageCommandsTest, ASwitchThatWouldLeaveThePageListChangesNothing) {
    ThreePages();
    CCmdSwitchPage back(-1, doc);
    EXPECT_FALSE(back.Redo());
    CCmdSwitchPage zero(0, doc);
    EXPECT_FALSE(zero.Redo());
    EXPECT_FALSE(zero.Undo());
    CCmdSwitchPage pastEnd(3, doc);
    EXPECT_FALSE(pastEnd.Redo());
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    EXPECT_TRUE(views.pageChanges.empty());
    CCmdSwitchPage toLast(2, doc);
    EXPECT_TRUE(toLast.Redo());
    EXPECT_FALSE(toLast.Redo());
    EXPECT_TRUE(toLast.Undo());
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
}

TEST_F(PageCommandsTest, ChoosingAPageInTheTreeSwitchesByTheDifference) {
    ThreePages();
    EXPECT_TRUE(SwitchToPage(doc, 3));
    EXPECT_EQ(doc.CurrentPage().m_nId, 3);
    EXPECT_FALSE(SwitchToPage(doc, 3));
    EXPECT_FALSE(SwitchToPage(doc, 4));
    EXPECT_TRUE(SwitchToPage(doc, 1));
    History().Undo();
    EXPECT_EQ(doc.CurrentPage().m_nId, 3);
}

TEST_F(PageCommandsTest, SwitchingShowsOnlyTheCurrentPagesButtons) {
    ThreePages();
    const uint16_t first = Page().AddButton(std::make_unique<CBtnShow>());
    Page().CreateButtonWindows(true);
    NextPage(doc);
    EXPECT_FALSE(windows.Visible(first));
    History().Undo();
    EXPECT_TRUE(windows.Visible(first));
}

}  // namespace
}  // namespace velnor
