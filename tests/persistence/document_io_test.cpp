#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editing/editing_fixture.h"
#include "editing/page_operations.h"
#include "model/gl_model.h"
#include "persistence/archive_error.h"
#include "persistence/document_file.h"
#include "persistence/document_io.h"
#include "persistence/sample_pages.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes DataFile(const std::string& name) {
    std::ifstream file(std::string(VELNOR_TEST_DATA) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

class DocumentIoTest : public test::EditingTest {
protected:
    std::filesystem::path TempDir() {
        const auto dir =
            std::filesystem::temp_directory_path() /
            ("velnor-io-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }
};

TEST_F(DocumentIoTest, NewDocumentSavesAsTheEmptyDocument) {
    const Bytes empty = DataFile("empty.plm");
    const std::string notes = "{\\rtf1\\ansi\\ansicpg936 }\r\n";
    doc.SetNotesRtf(notes);
    EXPECT_EQ(SaveDocument(doc), empty);
}

// wide_strings.plm names its page with characters code page 936 lacks, in a 16-bit string.
TEST_F(DocumentIoTest, StoredDocumentsLoadAndSaveToTheSameBytes) {
    for (const char* name : {"empty.plm", "every_record.plm", "wide_strings.plm"}) {
        const Bytes bytes = DataFile(name);
        LoadDocument(doc, bytes);
        EXPECT_EQ(SaveDocument(doc), bytes) << name;
    }
}

// Each file names something that is not there, or repeats a page id; opening mends it, says so
// once, and leaves the document modified so that the mended version gets saved.
TEST_F(DocumentIoTest, ReferencesThatNameNothingAreDroppedWithOneMessage) {
    struct Case {
        const char* file;
        std::vector<std::string> repairs;
    };
    const Case cases[] = {
        {"dangling_selection.plm",
         {"第 1 页：选中列表引用了不存在的线 7", "第 1 页：选中列表引用了不存在的面 5",
          "第 1 页：选中列表引用了不存在的组件 -199107343"}},
        {"dangling_button_targets.plm",
         {"第 1 页：操作按钮 3024 引用了不存在的线 7", "第 1 页：操作按钮 3024 引用了不存在的面 5",
          "第 1 页：操作按钮 3024 引用了不存在的组件 3"}},
        {"dangling_series_member.plm", {"第 1 页：操作按钮 3025 引用了不存在的操作按钮 3030"}},
        {"repeated_page_id.plm", {"页号 1 重复，改为 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes bytes = DataFile(c.file);
        EXPECT_EQ(DecodeDocumentFile(bytes, doc.Settings()).repairs, c.repairs);
        messages.texts.clear();
        LoadDocument(doc, bytes);
        EXPECT_EQ(messages.texts,
                  std::vector<std::string>{
                      "文件中有" + std::to_string(c.repairs.size()) +
                      "处损坏的引用(所指的图元或按钮不存在,或页号重复),已删去或更正"});
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(DecodeDocumentFile(SaveDocument(doc), doc.Settings()).repairs.empty());
    }
}

TEST_F(DocumentIoTest, LoadingRebuildsWindowsComponentsAndTheFirstPage) {
    LoadDocument(doc, DataFile("every_record.plm"));
    ASSERT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(doc.m_pCurPage, doc.m_pages.front().get());
    EXPECT_EQ(doc.m_nNextPageId, 4);
    EXPECT_EQ(doc.m_nComponentCount, 1);
    EXPECT_EQ(doc.m_componentNames[1], "组件一");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
    // Both pages were assembled as component 2; each is compiled.
    EXPECT_EQ(views.compiled, (std::vector<std::pair<uint16_t, uint16_t>>{{1, 2}, {3, 2}}));
    EXPECT_EQ(views.settingsReplaced, 1);
    EXPECT_EQ(views.perspectiveRequests, 0);
    // The buttons of the first page show, except the hidden one.
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_EQ(windows.windows.at(3025).caption, "平移三角形复位");
    EXPECT_FALSE(windows.Visible(3029));
    EXPECT_TRUE(windows.Exists(3029));
}

TEST_F(DocumentIoTest, FirstPageWithPreset2AsksForPerspective) {
    doc.CurrentPage().m_nScheme = 2;
    const Bytes bytes = SaveDocument(doc);
    LoadDocument(doc, bytes);
    EXPECT_EQ(views.perspectiveRequests, 1);
}

TEST_F(DocumentIoTest, LoadedSettingsReplaceTheDocumentsSettingsButNotTheCamera) {
    doc.Settings().m_strTitle1 = "保存的标题";
    doc.Settings().m_camera.m_fZoom = 3.0f;
    const Bytes bytes = SaveDocument(doc);
    doc.Settings().m_strTitle1 = "别的";
    doc.Settings().m_camera.m_fZoom = 5.0f;
    LoadDocument(doc, bytes);
    EXPECT_EQ(doc.Settings().m_strTitle1, "保存的标题");
    EXPECT_EQ(doc.Settings().m_camera.m_fZoom, 5.0f);
}

Rgb NewVertexColour(CGpage& page) {
    page.AddVertex(0, 0, 0);
    const Float3& colour = page.m_color[page.m_nVertexCount - 1];
    return {static_cast<uint8_t>(colour[0] * 255), static_cast<uint8_t>(colour[1] * 255),
            static_cast<uint8_t>(colour[2] * 255)};
}

TEST_F(DocumentIoTest, EachDocumentsPagesTakeItsOwnSettings) {
    const Rgb red{255, 0, 0}, blue{0, 0, 255}, green = kDefaultSceneSettings.m_newPointColor;
    doc.Settings().m_newPointColor = red;
    const Bytes bytes = SaveDocument(doc);
    CPlomDoc other;
    other.OnNewDocument();
    EXPECT_EQ(NewVertexColour(other.CurrentPage()), green);

    LoadDocument(other, bytes);
    doc.Settings().m_newPointColor = blue;
    EXPECT_EQ(NewVertexColour(other.CurrentPage()), red);
    EXPECT_EQ(NewVertexColour(doc.CurrentPage()), blue);
    NewPage(doc);
    EXPECT_EQ(NewVertexColour(doc.CurrentPage()), blue);

    // A page made apart from any document follows the document it is put into.
    auto apart = std::make_unique<CGpage>();
    EXPECT_EQ(NewVertexColour(*apart), green);
    InsertPage(other, std::move(apart), "新建页");
    EXPECT_EQ(NewVertexColour(other.CurrentPage()), red);
}

TEST_F(DocumentIoTest, DamagedFileLeavesDocumentAndSettingsAsTheyWere) {
    doc.CurrentPage().AddVertex(1, 2, 3);
    const auto before = test::CopyPage(doc.CurrentPage());
    doc.Settings().m_strTitle1 = "原来的";
    Bytes damaged = DataFile("every_record.plm");
    damaged.resize(damaged.size() / 2);
    EXPECT_THROW(LoadDocument(doc, damaged), ArchiveError);
    ASSERT_EQ(doc.m_pages.size(), 1u);
    EXPECT_TRUE(test::PagesEqual(*before, doc.CurrentPage()));
    EXPECT_EQ(doc.Settings().m_strTitle1, "原来的");
    EXPECT_EQ(views.settingsReplaced, 0);
}

TEST_F(DocumentIoTest, SavedFileLoadsBack) {
    const auto dir = TempDir();
    doc.CurrentPage().AddVertex(1, 2, 3);
    SaveDocumentFile(doc, dir / "a.plm");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    CPlomDoc other;
    other.OnNewDocument();
    LoadDocumentFile(other, dir / "a.plm");
    EXPECT_EQ(other.CurrentPage().m_nVertexCount, 1);
    std::filesystem::remove_all(dir);
}

TEST_F(DocumentIoTest, FailedSaveLeavesTheOldFileAndSaysWhy) {
    const auto dir = TempDir();
    // A folder in the way of the rename: the old "file" must stay as it was.
    std::filesystem::create_directories(dir / "busy.plm" / "inside");
    try {
        SaveDocumentFile(doc, dir / "busy.plm");
        ADD_FAILURE() << "saved";
    } catch (const ArchiveError& error) {
        EXPECT_NE(std::string(error.what()).find("busy.plm"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "busy.plm" / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    EXPECT_THROW(SaveDocumentFile(doc, dir / "missing" / "a.plm"), ArchiveError);
    std::filesystem::remove_all(dir);
}

TEST_F(DocumentIoTest, MissingFileIsRefused) {
    EXPECT_THROW(LoadDocumentFile(doc, "/nonexistent/velnor.plm"), ArchiveError);
    EXPECT_EQ(doc.m_pages.size(), 1u);
}

}  // namespace
}  // namespace velnor
