#include <memory>

#include "editing/solid_array.h"
#include "editing_fixture.h"
#include "model/button_cells.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class SolidArrayTest : public test::EditingTest {
protected:
    SolidArrayTest() {
        auto ball = std::make_unique<CSubassembly>(kSolidSphere, 0, Float3{1, 2, 3}, 30.0f,
                                                   Float3{0, 1, 0}, Float3{2, 2, 2}, 0.5, 1,
                                                   Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0});
        Page().AddSolid(std::make_unique<CSubassembly>());
        Page().AddSolid(std::move(ball));
        Page().m_selSolids = {2};
    }
};

TEST_F(SolidArrayTest, OneByOneByOneReplacesTheSolidByACopyNamedWithOnes) {
    ASSERT_TRUE(AddSolidArray(doc, {{1, 1, 1}, {3, 3, 3}}));
    ASSERT_EQ(Page().m_solids.size(), 2u);
    EXPECT_FALSE(Page().m_solids.contains(2));
    const CSubassembly& copy = *Page().m_solids.at(3);
    EXPECT_EQ(copy.m_strName, "球111");
    EXPECT_EQ(copy.m_position, (Float3{1, 2, 3}));
    EXPECT_EQ(copy.m_fSpin, 30.0f);
    EXPECT_EQ(copy.m_nClipMode, 1u);
    EXPECT_TRUE(Page().m_selSolids.empty());
    EXPECT_EQ(UndoText(), "撤消 添加组件阵列(&U)\tCtrl+Z");
}

TEST_F(SolidArrayTest, CopiesAreCentredOnTheSolidInXThenYThenZOrder) {
    ASSERT_TRUE(AddSolidArray(doc, {{3, 2, 1}, {2.0f, 4.0f, 9.0f}}));
    EXPECT_EQ(Page().m_nNextSolidId, 9);
    EXPECT_EQ(Page().m_solids.at(3)->m_position, (Float3{-1, 0, 3}));
    EXPECT_EQ(Page().m_solids.at(3)->m_strName, "球111");
    EXPECT_EQ(Page().m_solids.at(4)->m_position, (Float3{-1, 4, 3}));
    EXPECT_EQ(Page().m_solids.at(4)->m_strName, "球121");
    EXPECT_EQ(Page().m_solids.at(8)->m_position, (Float3{3, 4, 3}));
    EXPECT_EQ(Page().m_solids.at(8)->m_strName, "球321");
}

TEST_F(SolidArrayTest, UndoBringsTheSolidBackUnderItsKey) {
    const auto before = test::CopyPage(Page());
    AddSolidArray(doc, {{2, 2, 2}, {1, 1, 1}});
    const auto after = test::CopyPage(Page());
    History().Undo();
    auto expected = test::CopyPage(*before);
    expected->m_selSolids.clear();  // the deletion empties the selection for good
    EXPECT_TRUE(test::PagesEqual(*expected, Page()));
    History().Redo();
    EXPECT_TRUE(test::PagesEqual(*after, Page()));
}

TEST_F(SolidArrayTest, ButtonsActingOnTheSolidLetGoOfItAndUndoGivesItBack) {
    auto translate = std::make_unique<CBtnTranslate>();
    translate->m_targetSolids = {1, 2};
    translate->m_savedSolidPos = {{1, 1, 1}, {2, 2, 2}};
    auto rotate = std::make_unique<CBtnRotatef>();
    rotate->m_targetSolids = {2, 1, 2};
    rotate->ResizeSaved();
    rotate->m_savedSolidAngle = {20.0f, 10.0f, 30.0f};
    auto show = std::make_unique<CBtnShow>();
    show->m_targetSolids = {2};
    Page().AddButton(std::move(translate));
    Page().AddButton(std::move(rotate));
    Page().AddButton(std::move(show));
    const auto before = test::CopyPage(Page());

    ASSERT_TRUE(AddSolidArray(doc, {{2, 1, 1}, {1, 1, 1}}));
    const auto& moved = static_cast<const CBtnTranslate&>(*Page().m_buttons.at(3024));
    EXPECT_EQ(moved.m_targetSolids, std::vector<int>{1});
    EXPECT_EQ(moved.m_savedSolidPos, (std::vector<Float3>{{1, 1, 1}}));
    const auto& turned = static_cast<const CBtnRotatef&>(*Page().m_buttons.at(3025));
    EXPECT_EQ(turned.m_targetSolids, std::vector<int>{1});
    EXPECT_EQ(turned.m_savedSolidAngle, std::vector<float>{10.0f});
    EXPECT_TRUE(Page().m_buttons.at(3026)->m_targetSolids.empty());

    const auto after = test::CopyPage(Page());
    History().Undo();
    auto expected = test::CopyPage(*before);
    expected->m_selSolids.clear();
    EXPECT_TRUE(test::PagesEqual(*expected, Page()));
    History().Redo();
    EXPECT_TRUE(test::PagesEqual(*after, Page()));
}

TEST_F(SolidArrayTest, BadCountsOrSelectionChangeNothing) {
    EXPECT_FALSE(AddSolidArray(doc, {{0, 1, 1}, {1, 1, 1}}));
    EXPECT_FALSE(AddSolidArray(doc, {{1, 11, 1}, {1, 1, 1}}));
    Page().m_selSolids = {1, 2};
    EXPECT_FALSE(AddSolidArray(doc, {}));
    EXPECT_EQ(Page().m_solids.size(), 2u);
    EXPECT_EQ(History().Count(), 0);
}

}  // namespace
}  // namespace velnor
