#include <gtest/gtest.h>

#include "model/page.h"

namespace velnor {
namespace {

// Three vertices (the middle one hidden), two lines (the second hidden), a face, a solid,
// a text and a hidden button.
CGpage PopulatedPage() {
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.AddVertex(0, 1, 0);
    page.m_bShown[1] = 0;
    page.AddLine(0, 1);
    page.AddLine(1, 2);
    page.m_lines.at(2)->m_bHidden = true;
    page.AddFace(std::vector<int>{0, 1, 2});
    page.AddSolid(std::make_unique<CSubassembly>());
    page.AddText(std::make_unique<CDTextCell>(1));
    auto button = std::make_unique<CBtnShow>();
    button->m_bHidden = 1;
    page.AddButton(std::move(button));
    page.ClearSelection();
    return page;
}

TEST(PageSelection, SelectingAllOfAKindSkipsHiddenOnes) {
    CGpage page = PopulatedPage();
    page.SelectAllOfKind(SelectionKind::kPoints);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 2}));
    page.SelectAllOfKind(SelectionKind::kLines);
    EXPECT_EQ(page.m_selLines, (std::vector<int>{1}));
    page.SelectAllOfKind(SelectionKind::kButtons);
    EXPECT_TRUE(page.m_selButtons.empty());
    page.SelectAllOfKind(SelectionKind::kTexts);
    EXPECT_EQ(page.m_selTexts, (std::vector<int>{1}));
}

TEST(PageSelection, SelectingAllOfAKindReplacesTheList) {
    CGpage page = PopulatedPage();
    page.m_selPoints = {2, 2, 0};
    page.SelectAllOfKind(SelectionKind::kPoints);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 2}));
}

TEST(PageSelection, SelectingEverythingIncludesHiddenOnes) {
    CGpage page = PopulatedPage();
    page.SelectEverything();
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(page.m_selLines, (std::vector<int>{1, 2}));
    EXPECT_EQ(page.m_selFaces, (std::vector<int>{1}));
    EXPECT_EQ(page.m_selSolids, (std::vector<int>{1}));
    EXPECT_EQ(page.m_selButtons, (std::vector<int>{3024}));
    EXPECT_EQ(page.m_selTexts, (std::vector<int>{1}));
}

TEST(PageKeys, KeysAreNotReusedAfterDeletion) {
    CGpage page = PopulatedPage();
    page.m_lines.erase(2);
    EXPECT_EQ(page.AddLine(0, 2), 3);
}

TEST(PageKeys, ClearResetsCountersButNotTheButtonCounterOrSuffix) {
    CGpage page = PopulatedPage();
    page.m_chLabelSuffix = '1';
    page.m_nScheme = 3;
    page.Clear();
    EXPECT_EQ(page.m_nVertexCount, 0);
    EXPECT_EQ(page.m_chNextLabel, 'A');
    EXPECT_EQ(page.m_chLabelSuffix, '1');
    EXPECT_EQ(page.m_nScheme, 3u);
    EXPECT_TRUE(page.m_lines.empty() && page.m_faces.empty() && page.m_solids.empty());
    EXPECT_TRUE(page.m_buttons.empty() && page.m_texts.empty());
    EXPECT_FALSE(page.HasSelection());
    EXPECT_EQ(page.AddLine(0, 0), 1);
    EXPECT_EQ(page.AddFace(std::vector<int>{0, 0, 0}), 1);
    EXPECT_EQ(page.AddSolid(std::make_unique<CSubassembly>()), 1);
    EXPECT_EQ(page.AddText(std::make_unique<CDTextCell>()), 1);
    EXPECT_EQ(page.AddButton(std::make_unique<CBtnShow>()), 3025);
}

TEST(PageKeys, ButtonsStackThirtyPixelsApart) {
    CGpage page;
    page.AddButton(std::make_unique<CBtnShow>());
    page.AddButton(std::make_unique<CBtnTranslate>());
    page.AddButton(std::make_unique<CBtnRotatef>());
    EXPECT_EQ(page.m_buttons.at(3024)->m_rect, (CRect{15, 10, 95, 35}));
    EXPECT_EQ(page.m_buttons.at(3026)->m_rect, (CRect{15, 70, 95, 95}));
    EXPECT_EQ(page.m_buttons.at(3026)->m_nKey, 3026);
}

TEST(PageTransformDefinitions, TranslationComesFromTwoVerticesOrOneLine) {
    CGpage page;
    page.AddVertex(1, 1, 1);
    page.AddVertex(4, 5, 6);
    EXPECT_EQ(page.TranslationFromSelection(), (Float3{3, 4, 5}));
    page.AddLine(1, 0);
    page.m_selPoints.clear();
    page.m_selLines = {1};
    EXPECT_EQ(page.TranslationFromSelection(), (Float3{-3, -4, -5}));
    page.m_selPoints = {0, 1};
    EXPECT_EQ(page.TranslationFromSelection(), std::nullopt);
}

TEST(PageTransformDefinitions, AxisComesFromOneLineOfSomeLength) {
    CGpage page;
    page.AddVertex(1, 1, 1);
    page.AddVertex(1, 1, 4);
    page.AddVertex(1, 1, 4);
    page.AddLine(0, 1);
    page.AddLine(1, 2);
    page.ClearSelection();
    page.m_selLines = {1};
    const auto axis = page.AxisFromSelection();
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->point, (Float3{1, 1, 1}));
    EXPECT_EQ(axis->direction, (Float3{0, 0, 1}));
    page.m_selLines = {2};
    EXPECT_EQ(page.AxisFromSelection(), std::nullopt);
}

}  // namespace
}  // namespace velnor
