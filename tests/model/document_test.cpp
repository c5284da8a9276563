#include <gtest/gtest.h>

#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"

namespace velnor {
namespace {

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() { doc.OnNewDocument(); }

    // Appends a page after the last one and makes it current, as the page commands do.
    CGpage& AppendCurrentPage() {
        doc.m_pages.push_back(doc.CreatePage());
        doc.ActivatePage(std::prev(doc.m_pages.end()));
        return doc.CurrentPage();
    }

    test::RecordingDocumentViews views;
    test::RecordingButtonWindows windows;
    CPlomDoc doc;
};

TEST(PageNames, FollowIdsInNumeralsThenDecimals) {
    EXPECT_EQ(PageNameForId(1), " 第一页 ");
    EXPECT_EQ(PageNameForId(2), " 第二页 ");
    EXPECT_EQ(PageNameForId(10), " 第十页 ");
    EXPECT_EQ(PageNameForId(11), " 第11页 ");
    EXPECT_EQ(PageNameForId(123), " 第123页 ");
}

TEST_F(DocumentTest, ANewDocumentHasOneUnmodifiedFirstPage) {
    ASSERT_EQ(doc.m_pages.size(), 1u);
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    EXPECT_EQ(doc.CurrentPage().m_strName, " 第一页 ");
    EXPECT_EQ(doc.m_nNextPageId, 2);
    EXPECT_EQ(doc.m_nComponentCount, 0);
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.CurrentPageNumber(), 1);
    EXPECT_TRUE(doc.IsFirstPage());
    EXPECT_TRUE(doc.IsLastPage());
}

TEST_F(DocumentTest, NewPagesTakeTheNextIdAndItsName) {
    auto second = doc.CreatePage();
    EXPECT_EQ(second->m_nId, 2);
    EXPECT_EQ(second->m_strName, " 第二页 ");
    for (int i = 3; i <= 10; ++i) {
        doc.CreatePage();
    }
    EXPECT_EQ(doc.CreatePage()->m_strName, " 第11页 ");
    EXPECT_EQ(doc.m_nNextPageId, 12);
}

TEST_F(DocumentTest, NewDocumentEmptiesTheHistoryAndForgetsPages) {
    doc.m_pages.push_back(doc.CreatePage());
    doc.m_nComponentCount = 3;
    doc.m_bPageSelected = true;
    doc.SetModifiedFlag();
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_EQ(doc.m_nNextPageId, 2);
    EXPECT_EQ(doc.m_nComponentCount, 0);
    EXPECT_FALSE(doc.m_bPageSelected);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CommandProcessor().CanUndo());
    EXPECT_EQ(views.pageChanges.back(), " 第一页 ");
}

TEST_F(DocumentTest, ActivationSwapsWhichButtonsShow) {
    auto hidden = std::make_unique<CBtnShow>();
    hidden->m_bHidden = 1;
    doc.CurrentPage().AddButton(std::make_unique<CBtnShow>());
    doc.CurrentPage().AddButton(std::move(hidden));
    doc.CurrentPage().CreateButtonWindows(true);
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_FALSE(windows.Visible(3025));

    CGpage& second = AppendCurrentPage();
    EXPECT_EQ(&doc.CurrentPage(), &second);
    EXPECT_FALSE(windows.Visible(3024));
    doc.ActivatePage(doc.m_pages.begin());
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_FALSE(windows.Visible(3025));
}

TEST_F(DocumentTest, ButtonsWithTheSameKeyOnTwoPagesEachShowTheirOwnWindow) {
    auto first = std::make_unique<CBtnShow>();
    first->m_strCaption = "第一";
    doc.CurrentPage().AddButton(std::move(first));
    doc.CurrentPage().CreateButtonWindows(true);
    auto second = std::make_unique<CBtnShow>();
    second->m_strCaption = "第二";
    CGpage& page = AppendCurrentPage();
    page.AddButton(std::move(second));
    page.CreateButtonWindows(true);
    EXPECT_EQ(windows.windows.at(3024).caption, "第二");
    doc.ActivatePage(doc.m_pages.begin());
    EXPECT_EQ(windows.windows.at(3024).caption, "第一");
    EXPECT_TRUE(windows.Visible(3024));
    doc.ActivatePage(std::prev(doc.m_pages.end()));
    EXPECT_EQ(windows.windows.at(3024).caption, "第二");
    EXPECT_EQ(windows.doubleCreates, 0);
    EXPECT_EQ(windows.strayDestroys, 0);
}

TEST_F(DocumentTest, AssemblingNumbersPagesAndRecompilesTheSameNumber) {
    doc.AssembleCurrentPage();
    doc.AssembleCurrentPage();
    EXPECT_EQ(doc.CurrentPage().m_nComponentList, 1);
    EXPECT_EQ(doc.m_nComponentCount, 1);
    EXPECT_EQ(doc.m_componentNames[1], " 第一页 ");
    using Compiled = std::pair<uint16_t, uint16_t>;
    EXPECT_EQ(views.compiled, (std::vector<Compiled>{{1, 1}, {1, 1}}));
    AppendCurrentPage();
    doc.AssembleCurrentPage();
    EXPECT_EQ(doc.CurrentPage().m_nComponentList, 2);
    EXPECT_EQ(doc.m_componentNames[2], " 第二页 ");
}

TEST_F(DocumentTest, TheTwentyThirdComponentDoesNothing) {
    for (int i = 0; i < 22; ++i) {
        AppendCurrentPage();
        doc.AssembleCurrentPage();
    }
    EXPECT_EQ(doc.m_nComponentCount, 22);
    views.Forget();
    AppendCurrentPage();
    doc.AssembleCurrentPage();
    EXPECT_EQ(doc.CurrentPage().m_nComponentList, 0);
    EXPECT_EQ(doc.m_nComponentCount, 22);
    EXPECT_TRUE(views.compiled.empty());
}

TEST_F(DocumentTest, RenamingFromTheTreeReachesPagesVerticesAndCells) {
    CGpage& page = doc.CurrentPage();
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.AddLine(0, 1);
    page.AddFace(std::vector<int>{0, 1, 0});
    page.AddSolid(std::make_unique<CSubassembly>());

    doc.RenameFromTree(10000, "封面");
    EXPECT_EQ(page.m_strName, "封面");
    doc.RenameFromTree(10000 + 1 * 2000 - 1000 + 2, "P");  // vertex index 1
    EXPECT_EQ(page.m_label[1], "P");
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "AP");
    EXPECT_EQ(views.hints.back(), kHintAll);
    doc.RenameFromTree(10000 + 2 * 2000 - 1000 + 1, "棱");
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "棱");
    doc.RenameFromTree(10000 + 3 * 2000 - 1000 + 1, "底面");
    EXPECT_EQ(page.m_faces.at(1)->m_strName, "底面");
    doc.RenameFromTree(10000 + 4 * 2000 - 1000 + 1, "球一");
    EXPECT_EQ(page.m_solids.at(1)->m_strName, "球一");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, RenamingWithAStrayCodeChangesNothing) {
    CGpage& page = doc.CurrentPage();
    page.AddVertex(0, 0, 0);
    doc.RenameFromTree(20000, "x");                        // no page 2
    doc.RenameFromTree(10000 + 1000, "x");                 // vertex key 0
    doc.RenameFromTree(10000 + 2 * 2000 - 1000 + 7, "x");  // no line 7
    doc.RenameFromTree(10000 + 1 * 2000 - 1000 + 9, "x");  // no vertex 8
    EXPECT_EQ(page.m_strName, " 第一页 ");
    EXPECT_EQ(page.m_label[0], "A");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, NotificationsMarkTheDocumentModified) {
    views.Forget();
    doc.Refresh(kHintLines);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.modifiedChanges, std::vector<bool>{true});
    EXPECT_EQ(views.hints, std::vector<int>{kHintLines});
    doc.m_bPageSelected = true;
    doc.NotifyPageChanged();
    EXPECT_EQ(views.pageChanges.back(), " 第一页 ");
    EXPECT_TRUE(views.lastPageSelected);
    doc.NotifyPageListChanged();
    EXPECT_EQ(views.pageListChanges, 1);
}

TEST_F(DocumentTest, NotesKeepTheirBytesAndAnImportMarksModified) {
    const std::string rtf = "{\\rtf1\\ansi \xc4\xe3\xba\xc3}";
    doc.SetNotesRtf(rtf);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.NotesRtf(), rtf);
    doc.ImportNotesRtf("{\\rtf1 x}");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, FinishingALoadCompilesComponentsAndShowsTheFirstPagesButtons) {
    doc.DeleteContents();
    for (uint16_t id : {1, 2}) {
        auto page = std::make_unique<CGpage>();
        page->m_nId = id;
        page->m_strName = PageNameForId(id);
        if (id == 2) {
            page->m_nNextButtonId = 3030;
            page->m_nComponentList = 1;
        }
        page->AddButton(std::make_unique<CBtnShow>());
        doc.AppendPage(std::move(page));
    }
    doc.m_nNextPageId = 3;
    doc.FinishLoading();
    EXPECT_EQ(doc.CurrentPage().m_nId, 1);
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_FALSE(windows.Exists(3030));
    using Compiled = std::pair<uint16_t, uint16_t>;
    EXPECT_EQ(views.compiled, (std::vector<Compiled>{{2, 1}}));
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace velnor
