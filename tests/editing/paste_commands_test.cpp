#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editing/editing_fixture.h"
#include "editing/paste_commands.h"
#include "persistence/archive_error.h"
#include "persistence/sample_pages.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class PasteCommandsTest : public test::EditingTest {};

TEST_F(PasteCommandsTest, PastedPageIsInsertedAfterTheCurrentOneUnderTheNextId) {
    auto source = test::PageWithEveryRecordKind(7);
    doc.m_pages.push_back(std::move(source));
    doc.ActivatePage(std::prev(doc.m_pages.end()));
    doc.m_nNextPageId = 12;
    doc.m_bPageSelected = true;
    const auto bytes = CopyFromDocument(doc);
    doc.ActivatePage(doc.m_pages.begin());
    doc.m_bPageSelected = false;

    PasteIntoDocument(doc, bytes);
    ASSERT_EQ(doc.m_pages.size(), 3u);
    EXPECT_EQ(doc.CurrentPageNumber(), 2);
    EXPECT_EQ(doc.CurrentPage().m_nId, 12);
    EXPECT_EQ(doc.CurrentPage().m_strName, " 第12页 ");
    EXPECT_EQ(doc.m_nNextPageId, 13);
    EXPECT_TRUE(doc.m_bPageSelected);
    EXPECT_EQ(doc.CurrentPage().m_lines.size(), 3u);
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_EQ(History().Current()->GetName(), "粘贴页");
    History().Undo();
    EXPECT_EQ(doc.m_pages.size(), 2u);
}

TEST_F(PasteCommandsTest, PastedCellsAreOneUndoableCommand) {
    auto& page = Page();
    for (int i = 0; i < 3; ++i) {
        page.AddVertex(static_cast<float>(i), 1.0f, 0.0f);
    }
    page.AddLine(0, 1, kSegment);
    const int tri[] = {0, 1, 2};
    page.AddFace(tri);
    page.AddButton(std::make_unique<CBtnShow>());
    page.SelectEverything();
    const auto bytes = CopyFromDocument(doc);
    const auto before = test::CopyPage(page);

    PasteIntoDocument(doc, bytes);
    EXPECT_EQ(page.m_nVertexCount, 6);
    EXPECT_EQ(page.m_lines.size(), 2u);
    EXPECT_EQ(page.m_buttons.size(), 2u);
    ASSERT_EQ(History().Count(), 1);
    EXPECT_EQ(History().Current()->GetName(), "粘贴图元");

    History().Undo();
    page.SelectEverything();
    before->SelectEverything();
    EXPECT_TRUE(test::PagesEqual(*before, page, {.labelCounters = false}));
    EXPECT_FALSE(windows.Exists(3025));
    History().Redo();
    EXPECT_EQ(page.m_nVertexCount, 6);
    EXPECT_TRUE(windows.Exists(3025));
}

TEST_F(PasteCommandsTest, DamagedClipboardChangesNothing) {
    Page().AddVertex(0, 0, 0);
    const auto before = test::CopyPage(Page());
    const std::vector<uint8_t> bytes{0, 1, 0, 0, 0, 3};
    EXPECT_THROW(PasteIntoDocument(doc, bytes), ArchiveError);
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
    EXPECT_EQ(History().Count(), 0);
}

// A page whose selection names a solid it lacks; a button whose target solid is not pasted with
// it and not on the page either.
TEST_F(PasteCommandsTest, APayloadThatNamesWhatIsNotThereIsRefusedWithItsReason) {
    struct Case {
        const char* file;
        const char* reason;
    };
    const Case cases[] = {
        {"dangling_selection.clip", "剪贴板中的页不完整：选中列表引用了不存在的组件 -199107343"},
        {"dangling_button_target.clip", "粘贴的操作按钮 3024 引用了不存在的组件 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::ifstream file(std::string(VELNOR_TEST_DATA) + "/" + c.file, std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
        const auto before = test::CopyPage(Page());
        try {
            PasteIntoDocument(doc, bytes);
            ADD_FAILURE() << "pasted";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.what(), std::string(c.reason));
        }
        EXPECT_EQ(doc.m_pages.size(), 1u);
        EXPECT_TRUE(test::PagesEqual(*before, Page()));
        EXPECT_EQ(History().Count(), 0);
    }
}

TEST_F(PasteCommandsTest, RefusedPasteRecordsNothing) {
    for (int i = 0; i < 199; ++i) {
        Page().AddVertex(0, 0, 0);
    }
    Page().m_selPoints = {0};
    const auto bytes = CopyFromDocument(doc);
    PasteIntoDocument(doc, bytes);
    EXPECT_EQ(Page().m_nVertexCount, 199);
    EXPECT_EQ(History().Count(), 0);
    EXPECT_EQ(messages.texts.back(), "不能完成粘贴,因为本页顶点数已达界限,请新建一页");
}

}  // namespace
}  // namespace velnor
