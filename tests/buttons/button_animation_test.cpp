#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button_test_support.h"
#include "buttons/button_drag.h"
#include "buttons/button_factory.h"
#include "geometry/measure_types.h"
#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"

namespace velnor {
namespace {

TEST(ButtonAnimationTick, TextsFollowTheFigureAsItStandsBeforeTheStep) {
    test::RecordingButtonWindows windows;
    CGpage page;
    page.AddVertex(0, 0, 0);
    auto coordinates = std::make_unique<CDTextCell>(kPointCoordinates);
    coordinates->m_strName = "A";
    coordinates->m_nVertCount = 1;
    page.AddText(std::move(coordinates));
    const uint16_t key = CreateButton(page, kButtonTranslate);
    PressButton(page, key);
    std::vector<std::string> shown;
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_TRUE(TickButtonAnimation(page));
        shown.push_back(page.m_texts.at(1)->m_strText);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"A ( 0.0000 , 0.0000 , 0.0000 )",
                                               "A ( 0.0000 , 0.0000 , 0.0000 )",
                                               "A ( 0.2000 , 0.0000 , 0.0000 )"}));
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
