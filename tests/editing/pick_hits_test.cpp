#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "editing/pick_hits.h"
#include "geometry/page_builder.h"
#include "model/dtext_cell.h"
#include "model/page.h"

namespace velnor::test {
namespace {

using Records = std::vector<uint32_t>;

TEST(HitRecords, ParsesGroupAndItemInBufferOrder) {
    const Records buffer{2, 10, 20, 1, 7, 2, 5, 6, 2, 3, 2, 1, 1, 4, 9};
    const std::vector<PickHit> hits = ParseHitRecords(buffer, 3);
    EXPECT_EQ(hits, (std::vector<PickHit>{{1, 7}, {2, 3}, {4, 9}}));
}

TEST(HitRecords, OverflowCountsAsNoHit) {
    const Records buffer{2, 10, 20, 1, 7};
    EXPECT_TRUE(ParseHitRecords(buffer, -1).empty());
}

TEST(HitRecords, RecordsWithoutAnItemNameAreSkipped) {
    const Records buffer{1, 0, 0, 0xFFFFFFFF, 2, 0, 0, 3, 12};
    EXPECT_EQ(ParseHitRecords(buffer, 2), (std::vector<PickHit>{{3, 12}}));
}

TEST(HitRecords, ARecordRunningPastTheBufferEndsTheList) {
    const Records buffer{2, 0, 0, 1, 4, 9, 0, 0, 1};
    EXPECT_EQ(ParseHitRecords(buffer, 5), (std::vector<PickHit>{{1, 4}}));
}

class SelectionToggling : public testing::Test {
protected:
    void SetUp() override {
        AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        page.AddLine(0, 1);
        page.AddLine(1, 2);
    }
    CGpage page;
};

TEST_F(SelectionToggling, ClickingTwiceOnAVertexTogglesItOffAndOn) {
    ToggleSelectionByHits(page, {{kPickVertices, 1}});
    EXPECT_EQ(page.m_selPoints, std::vector<int>{1});
    ToggleSelectionByHits(page, {{kPickVertices, 1}});
    EXPECT_TRUE(page.m_selPoints.empty());
    ToggleSelectionByHits(page, {{kPickVertices, 1}});
    EXPECT_EQ(page.m_selPoints, std::vector<int>{1});
}

TEST_F(SelectionToggling, AVertexInFrontOfALineWinsWhateverTheDepth) {
    ToggleSelectionByHits(page, {{kPickVertices, 0}, {kPickLines, 1}});
    EXPECT_EQ(page.m_selPoints, std::vector<int>{0});
    EXPECT_TRUE(page.m_selLines.empty());
}

TEST_F(SelectionToggling, OverlapSelectsTheFirstUnselectedAfterTheLastDeselected) {
    page.m_selLines = {2};
    ToggleSelectionByHits(page, {{kPickLines, 1}, {kPickLines, 2}, {kPickLines, 3}});
    // 1 was the candidate until 2 was deselected; 3 comes after it.
    EXPECT_EQ(page.m_selLines, std::vector<int>{3});
}

TEST_F(SelectionToggling, ACtrlPressWaitsOnlyWhereTheClickWouldTakeAwayTheSelection) {
    EXPECT_FALSE(ClickTakesAwaySelection(page, {}));  // nothing selected: nothing to lose
    EXPECT_FALSE(ClickTakesAwaySelection(page, {{kPickVertices, 1}}));
    page.m_selPoints = {1};
    EXPECT_TRUE(ClickTakesAwaySelection(page, {}));
    EXPECT_TRUE(ClickTakesAwaySelection(page, {{kPickVertices, 1}, {kPickLines, 1}}));
    EXPECT_FALSE(ClickTakesAwaySelection(page, {{kPickVertices, 0}}));
    // Only the group of the first hit counts, as for the click itself.
    EXPECT_FALSE(ClickTakesAwaySelection(page, {{kPickLines, 1}, {kPickVertices, 1}}));
}

TEST_F(SelectionToggling, EmptySpaceClearsAllSixLists) {
    page.m_selPoints = {0};
    page.m_selLines = {1};
    page.m_selFaces = {1};
    page.m_selSolids = {1};
    page.m_selButtons = {3024};
    page.m_selTexts = {1};
    ToggleSelectionByHits(page, {});
    EXPECT_FALSE(page.HasSelection());
    EXPECT_TRUE(page.m_selButtons.empty());
    EXPECT_TRUE(page.m_selTexts.empty());
}

TEST(OverlayHitBoxes, ButtonHandleIsTheStripLeftOfTheButton) {
    CGpage page;
    const uint16_t key = page.AddButton(std::make_unique<CBtnShow>());
    const CRect r = page.m_buttons.at(key)->m_rect;
    const int y = (r.top + r.bottom) / 2;
    EXPECT_EQ(ButtonHandleAt(page, r.left - 5, y), key);
    EXPECT_FALSE(ButtonHandleAt(page, r.left + 5, y));
    EXPECT_FALSE(ButtonHandleAt(page, r.left - 10, y));
    page.m_buttons.at(key)->m_bHidden = 1;
    EXPECT_FALSE(ButtonHandleAt(page, r.left - 5, y));
}

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr int kLineHeight = 26;
constexpr int kTextWidth = 100;

TextPlace DrawnInTheView(const CDTextCell& text) {
    return DrawnTextPlace(text, kTextWidth, kLineHeight, kViewWidth, kViewHeight);
}

uint16_t AddTextAt(CGpage& page, int placeX, int placeY) {
    auto text = std::make_unique<CDTextCell>();
    text->m_nPlaceX = placeX;
    text->m_nPlaceY = placeY;
    return page.AddText(std::move(text));
}

TEST(OverlayHitBoxes, TextBoxStartsAtItsPlaceFromTheRightEdge) {
    CGpage page;
    const uint16_t key = AddTextAt(page, 300, 100);  // starts 300 pixels from the right edge
    const int width = kViewWidth;
    EXPECT_EQ(TextAt(page, width - 290, 90, DrawnInTheView), key);
    EXPECT_EQ(TextAt(page, width - 81, 81, DrawnInTheView), key);
    EXPECT_FALSE(TextAt(page, width - 310, 90, DrawnInTheView));  // left of its start
    EXPECT_FALSE(TextAt(page, width - 79, 90, DrawnInTheView));   // 220 pixels on
    EXPECT_FALSE(TextAt(page, width - 290, 101, DrawnInTheView));
    EXPECT_FALSE(TextAt(page, width - 290, 80, DrawnInTheView));
}

TEST(OverlayHitBoxes, ATextShiftedInsideIsHitWhereItIsDrawnNotAtItsStoredPlace) {
    CGpage page;
    // Stored 40 pixels from the right edge and below the bottom: drawn 100 from the right edge,
    // a quarter line above the bottom.
    const uint16_t key = AddTextAt(page, 40, 640);
    const int drawnX = kViewWidth - kTextWidth, drawnBaseline = kViewHeight - kLineHeight / 4;
    const int storedX = kViewWidth - 40, storedBaseline = 640;
    EXPECT_EQ(TextAt(page, drawnX + 5, drawnBaseline - 5, DrawnInTheView), key);
    EXPECT_FALSE(TextAt(page, storedX + 5, storedBaseline - 5, DrawnInTheView));
    EXPECT_FALSE(TextAt(page, drawnX - 5, drawnBaseline - 5, DrawnInTheView));
}

TEST(DrawnTextPlaces, ATextRunningPastAnEdgeIsShiftedInside) {
    struct Case {
        const char* name;
        int placeX, placeY, textWidth, viewHeight;
        TextPlace drawn;
    };
    const Case cases[] = {
        {"inside", 300, 100, kTextWidth, kViewHeight, {500, 100}},
        {"past the right edge", 40, 100, kTextWidth, kViewHeight, {700, 100}},
        {"right of the view", -50, 100, kTextWidth, kViewHeight, {700, 100}},
        {"left of the view", 900, 100, kTextWidth, kViewHeight, {0, 100}},
        {"wider than the view", 300, 100, 900, kViewHeight, {0, 100}},
        {"past the bottom", 300, 598, kTextWidth, kViewHeight, {500, 594}},
        {"above the top", 300, 10, kTextWidth, kViewHeight, {500, kLineHeight}},
        {"view lower than a line", 300, 10, kTextWidth, 20, {500, 14}},
        {"far left, damaged", INT32_MAX, INT32_MAX, kTextWidth, kViewHeight, {0, 594}},
        {"far right, damaged", INT32_MIN, INT32_MIN, kTextWidth, kViewHeight, {700, kLineHeight}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDTextCell text;
        text.m_nPlaceX = c.placeX;
        text.m_nPlaceY = c.placeY;
        EXPECT_EQ(DrawnTextPlace(text, c.textWidth, kLineHeight, kViewWidth, c.viewHeight),
                  c.drawn);
        EXPECT_EQ(text.m_nPlaceX, c.placeX) << "the stored place stays";
    }
}

TEST(OverlayHitBoxes, ToggleKeyRemovesOrAppends) {
    std::vector<int> list{1, 2};
    ToggleKey(list, 1);
    EXPECT_EQ(list, std::vector<int>{2});
    ToggleKey(list, 5);
    EXPECT_EQ(list, (std::vector<int>{2, 5}));
}

}  // namespace
}  // namespace velnor::test
