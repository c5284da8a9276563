#include <optional>
#include <vector>

#include "commands/clipboard_seam.h"
#include "commands/script_fixture.h"
#include "persistence/document_io.h"
#include "support/page_equality.h"

namespace velnor::test {
namespace {

// A clipboard of the test's own, so that no other test sees what it copies.
class TestClipboard final : public IClipboard {
public:
    TestClipboard() : m_previous(SetClipboard(this)) {}
    ~TestClipboard() override { SetClipboard(m_previous); }
    TestClipboard(const TestClipboard&) = delete;
    TestClipboard& operator=(const TestClipboard&) = delete;

    void SetDocumentData(std::vector<uint8_t> bytes) override { data = std::move(bytes); }
    std::optional<std::vector<uint8_t>> DocumentData() const override { return data; }

    std::optional<std::vector<uint8_t>> data;

private:
    IClipboard* m_previous;
};

class ScriptPersistenceTest : public ScriptTest {
protected:
    TestClipboard clipboard;
};

TEST_F(ScriptPersistenceTest, AScriptedFigureSurvivesSavingAndLoading) {
    Run(kCubeScript);
    Run("select lines 9\n两点间距离\nselect points 4 5 6 7\n33193\npress 3024\ntick 10\n");
    const std::vector<uint8_t> saved = SaveDocument(doc);

    CPlomDoc reloaded;
    reloaded.OnNewDocument();
    LoadDocument(reloaded, saved);
    EXPECT_TRUE(PagesEqual(Page(), reloaded.CurrentPage()));

    // The reloaded document goes on where the script stopped.
    std::ostringstream out;
    ScriptInterpreter more(reloaded, out);
    std::istringstream rest("press 3024\npress 3024\ntick 100\n");
    more.Run(rest);
    EXPECT_NEAR(reloaded.CurrentPage().m_pos[4][0], 10.0f, 1e-4f);
}

TEST_F(ScriptPersistenceTest, CopyAndPasteAPageOrCellsThroughTheClipboard) {
    Run(kCubeScript);
    EXPECT_EQ(Run("粘贴\n复制\n"), "disabled: 粘贴\ndisabled: 复制\n");
    Run("select page\n复制\n粘贴\n");
    ASSERT_EQ(doc.m_pages.size(), 2u);
    EXPECT_EQ(doc.CurrentPageNumber(), 2);
    EXPECT_EQ(Page().m_faces.size(), 6u);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "粘贴页");
    Run("select none\nselect points 0 1\nselect lines 1\n剪切\n");
    EXPECT_EQ(Page().m_nVertexCount, 6);
    Run("粘贴\n");
    EXPECT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "粘贴图元");
}

TEST_F(ScriptPersistenceTest, DamagedClipboardDataIsRefusedWithAMessage) {
    Run(kCubeScript);
    clipboard.data = std::vector<uint8_t>{1, 2, 3};
    const std::string shown = Run("粘贴\n");
    EXPECT_EQ(shown.rfind("message: ", 0), 0u) << shown;
    EXPECT_EQ(doc.m_pages.size(), 1u);
    EXPECT_EQ(Page().m_nVertexCount, 8);
}

}  // namespace
}  // namespace velnor::test
