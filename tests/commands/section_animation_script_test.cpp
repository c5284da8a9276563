#include <string>
#include <vector>

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "commands/script_fixture.h"
#include "persistence/document_io.h"
#include "support/page_equality.h"

namespace velnor::test {
namespace {

// Which of the faces after the cube's six show.
std::vector<int> ShownSections(const CGpage& page) {
    std::vector<int> shown;
    for (const auto& [key, face] : page.m_faces) {
        if (key > 6 && !face->m_bHidden) {
            shown.push_back(key - 7);
        }
    }
    return shown;
}

TEST_F(ScriptTest, AMovingSectionMadeByAScriptStepsThroughItsSectionsWhenPressed) {
    Run(kCubeScript);
    // B, D and E fix x + y + z = 2; planes 1/√3 apart give x + y + z = 2 ... 6, and the last one
    // only touches G.
    Run("select points 1 3 4\n截面动画 spacing=0.57735027 count=5\n");
    ASSERT_EQ(Page().m_faces.size(), 10u);
    EXPECT_EQ(Page().m_texts.size(), 4u);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加截面动画");
    EXPECT_EQ(ShownSections(Page()), std::vector<int>{0});

    Run("press 3024\ntick 20\n");
    EXPECT_EQ(ShownSections(Page()), std::vector<int>{1});
    Run("tick 1000\n");
    EXPECT_EQ(ShownSections(Page()), std::vector<int>{3});
    // The cube's corners in the planes x + y + z = 2 and 4 stay in view throughout.
    for (int v = 0; v < 8; ++v) {
        EXPECT_EQ(Page().m_bShown[v], 1) << v;
    }

    // The file holds only faces, texts and buttons of the usual kinds: read back, the press walks
    // the sections back as in the document that was saved.
    CPlomDoc reread;
    LoadDocument(reread, SaveDocument(doc));
    CGpage& again = reread.CurrentPage();
    EXPECT_TRUE(PagesEqual(Page(), again));
    ASSERT_EQ(PressButton(again, 3024), PressOutcome::kStarted);
    while (TickButtonAnimation(again)) {
    }
    EXPECT_EQ(ShownSections(again), std::vector<int>{0});

    Run("undo\n");
    EXPECT_EQ(Page().m_faces.size(), 6u);
    EXPECT_TRUE(Page().m_buttons.empty());
    EXPECT_TRUE(Page().m_texts.empty());
    EXPECT_EQ(Page().m_nVertexCount, 8);
}

TEST_F(ScriptTest, WithoutASpacingTheSectionsSpreadOverTheFigure) {
    Run(kCubeScript);
    // From BDE the planes come 4/√3 / 4 = 0.58 apart: the last of four is short of G.
    Run("select points 1 3 4\n截面动画 count=4\n");
    EXPECT_EQ(Page().m_faces.size(), 10u);
}

}  // namespace
}  // namespace velnor::test
