#include <gtest/gtest.h>

#include <vector>

#include "button_test_support.h"
#include "buttons/button_drag.h"
#include "buttons/button_factory.h"
#include "model/document.h"
#include "model/dynamic_text_updater.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"

namespace velnor {
namespace {

std::vector<float> g_seenX;

void RecordFirstVertexX(const CGpage& page, CDTextCell&) {
    g_seenX.push_back(page.m_pos[0][0]);
}

TEST(ButtonAnimationTick, TextsFollowTheFigureAsItStandsBeforeTheStep) {
    test::RecordingButtonWindows windows;
    const DynamicTextUpdater previous = SetDynamicTextUpdater(&RecordFirstVertexX);
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.AddText(std::make_unique<CDTextCell>());
    const uint16_t key = CreateButton(page, kButtonTranslate);
    PressButton(page, key);
    g_seenX.clear();
    EXPECT_TRUE(TickButtonAnimation(page));
    EXPECT_TRUE(TickButtonAnimation(page));
    EXPECT_TRUE(TickButtonAnimation(page));
    SetDynamicTextUpdater(previous);
    ASSERT_EQ(g_seenX.size(), 3u);
    EXPECT_EQ(g_seenX[0], 0.0f);
    EXPECT_EQ(g_seenX[1], 0.0f);
    EXPECT_NEAR(g_seenX[2], 0.2f, 1e-6);
}

TEST(ButtonAnimationTick, StopsWhenNoButtonRuns) {
    CGpage page;
    EXPECT_FALSE(TickButtonAnimation(page));
}

TEST(ButtonPressInADocument, MarksTheDocumentModified) {
    test::RecordingButtonWindows windows;
    test::RecordingDocumentViews views;
    CPlomDoc doc;
    doc.OnNewDocument();
    const uint16_t key = CreateButton(doc.CurrentPage(), kButtonShow);
    EXPECT_EQ(PressCurrentPageButton(doc, 4000), PressOutcome::kNoButton);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(PressCurrentPageButton(doc, key), PressOutcome::kStarted);
    EXPECT_TRUE(doc.IsModified());
}

TEST(ButtonDrag, SelectedButtonsFollowTheMouseKeepingTheirSize) {
    test::RecordingButtonWindows windows;
    CGpage page;
    const uint16_t moved = CreateButton(page, kButtonShow);
    const uint16_t kept = CreateButton(page, kButtonShow);
    page.m_buttons.at(moved)->m_rect = {15, 10, 200, 90};
    page.m_selButtons = {moved};
    MoveSelectedButtons(page, 30, -4);
    EXPECT_EQ(page.m_buttons.at(moved)->m_rect, (CRect{45, 6, 125, 31}));
    EXPECT_EQ(windows.windows.at(moved).rect, (CRect{45, 6, 125, 31}));
    EXPECT_EQ(page.m_buttons.at(kept)->m_rect, (CRect{15, 40, 95, 65}));
}

}  // namespace
}  // namespace velnor
