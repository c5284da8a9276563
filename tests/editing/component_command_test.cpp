#include <gtest/gtest.h>

#include "editing/cmd_modifi_ti.h"
#include "editing/component_command.h"
#include "editing/editing_fixture.h"
#include "geometry/figure_checks.h"
#include "geometry/page_builder.h"

namespace velnor {
namespace {

class ComponentCommand : public test::EditingTest {};

TEST_F(ComponentCommand, SelectionGivesCentreAxisAndScaledClipPlane) {
    test::AddPoints(Page(), {{1, 2, 3}, {1, 2, 7}, {0, 0, 2}, {4, 0, 2}, {0, 4, 2}});
    Page().m_selPoints = {2};
    Page().m_selLines = {Page().AddLine(0, 1)};
    Page().m_selFaces = {*Page().AddFace(std::vector<int>{2, 3, 4})};
    const ComponentValues values = NewComponentValues(Page(), 0);
    EXPECT_EQ(values.centre, (Float3{0, 0, 2}));
    EXPECT_TRUE(values.centreFromVertex);
    EXPECT_EQ(values.axis, (Float3{0, 0, 4}));
    EXPECT_TRUE(values.axisFromLine);
    // The plane z = 2 with normal (0, 0, c): divided by c it reads z − 2 (> 0 above it).
    EXPECT_EQ(values.clipPlane1, (Plane{0, 0, 1, -2}));
    EXPECT_EQ(values.pageComponent, -1);
}

TEST_F(ComponentCommand, NothingSelectedKeepsTheInitialValues) {
    const ComponentValues values = NewComponentValues(Page(), 2);
    EXPECT_EQ(values.centre, (Float3{0, 0, 0}));
    EXPECT_EQ(values.axis, (Float3{0, -1, 0}));
    EXPECT_EQ(values.scale, (Float3{6, 6, 6}));
    EXPECT_EQ(values.kind, kSolidCube);
    EXPECT_EQ(values.pageComponent, 0);
    EXPECT_EQ(values.clipPlane2, (Plane{0, -1, 0, 0}));
    EXPECT_EQ(ComponentKindEntries().size(), 27u);
    EXPECT_STREQ(ComponentKindEntries()[14], "(线框)圆");
    EXPECT_STREQ(ComponentKindEntries()[26], "    组件页");
}

TEST_F(ComponentCommand, ChoosingAKindGivesItsUsualSizeUnlessTheSelectionPlacedIt) {
    ComponentValues values = NewComponentValues(Page(), 0);
    ChooseKindForNew(values, kSolidCylinder);
    EXPECT_EQ(values.scale, (Float3{6, 6, 18.84f}));
    EXPECT_EQ(values.centre[2], -9.42f);
    EXPECT_EQ(values.axis, (Float3{0, 0, 1}));
    ChooseKindForNew(values, kSolidFrustumSide);
    EXPECT_EQ(values.scale, (Float3{7.07107f, 7.07107f, 10}));
    EXPECT_EQ(values.centre[2], -5.0f);
    EXPECT_TRUE(values.showsRatio);
    ChooseKindForNew(values, kSolidTeapot);
    EXPECT_EQ(values.axis, (Float3{0, -1, 0}));
    EXPECT_EQ(values.centre[2], 0.0f);
    EXPECT_FALSE(values.showsRatio);
    ChooseKindForNew(values, kSolidPageComponent);
    EXPECT_EQ(values.scale, (Float3{1, 1, 1}));
    EXPECT_TRUE(values.showsPageComponent);

    test::AddPoints(Page(), {{1, 2, 3}, {2, 2, 3}});
    Page().m_selPoints = {0};
    Page().m_selLines = {Page().AddLine(0, 1)};
    values = NewComponentValues(Page(), 0);
    ChooseKindForNew(values, kSolidCone);
    EXPECT_EQ(values.centre, (Float3{1, 2, 3}));
    EXPECT_EQ(values.axis, (Float3{1, 0, 0}));
    EXPECT_EQ(values.scale, (Float3{6, 6, 12}));
    ChooseKindForNew(values, kSolidCube);
    EXPECT_EQ(values.axis, (Float3{1, 0, 0}));
}

TEST_F(ComponentCommand, NewSolidIsRecordedByItsKindNameAndSetsThePagePreset) {
    ComponentValues values = NewComponentValues(Page(), 0);
    ChooseKindForNew(values, kSolidCone);
    values.clip = true;
    values.clipPlane2On = true;
    values.spin = 30;
    ASSERT_TRUE(AddComponent(doc, values));
    ASSERT_EQ(Page().m_solids.size(), 1u);
    const CSubassembly& cone = *Page().m_solids.at(1);
    EXPECT_EQ(cone.m_nKind, kSolidCone);
    EXPECT_EQ(cone.m_strName, "圆锥体");
    EXPECT_EQ(cone.m_position, (Float3{0, 0, -6}));
    EXPECT_EQ(cone.m_fSpin, 30.0f);
    EXPECT_EQ(cone.m_nClipMode, 2u);
    EXPECT_EQ(Page().m_nScheme, 2u);
    EXPECT_EQ(views.pageChanges.size(), 1u);
    EXPECT_EQ(test::RecordNames(*History().Current()), (std::vector<std::string>{"添加圆锥体"}));
    History().Undo();
    EXPECT_TRUE(Page().m_solids.empty());

    values.clip = false;
    ChooseKindForNew(values, kSolidCircleOutline);
    ASSERT_TRUE(AddComponent(doc, values));
    EXPECT_EQ(Page().m_solids.begin()->second->m_nClipMode, 0u);
    EXPECT_EQ(test::RecordNames(*History().Current()), (std::vector<std::string>{"添加圆*"}));
}

TEST_F(ComponentCommand, PageComponentNeedsOneOfTheDocumentsComponents) {
    ComponentValues values = NewComponentValues(Page(), 0);
    ChooseKindForNew(values, kSolidPageComponent);
    EXPECT_FALSE(AddComponent(doc, values));
    doc.m_nComponentCount = 2;
    values.pageComponent = 1;
    ASSERT_TRUE(AddComponent(doc, values));
    EXPECT_EQ(Page().m_solids.at(1)->m_nComponent, 2);
    values.kind = 27;
    EXPECT_FALSE(AddComponent(doc, values));
    EXPECT_EQ(Page().m_solids.size(), 1u);
}

TEST_F(ComponentCommand, ApplyWritesTheValuesAndUndoOfThePropertiesRecordRestores) {
    const uint16_t key = Page().AddSolid(std::make_unique<CSubassembly>(
        kSolidSphere, 0, Float3{1, 1, 1}, 0.0f, Float3{0, 0, 1}, Float3{2, 2, 2}, 0.5, 0,
        Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    CSubassembly& solid = *Page().m_solids.at(key);
    ComponentValues values = ComponentValuesOf(solid);
    EXPECT_EQ(values.kind, kSolidSphere);
    EXPECT_EQ(values.pageComponent, -1);
    EXPECT_FALSE(values.clip);

    History().AddCommand(
        std::make_unique<CCmdModifiTi>(key, doc, std::make_unique<CSubassembly>(solid)));
    ChooseKindForModify(values, kSolidFrustumSide);
    EXPECT_TRUE(values.showsRatio);
    EXPECT_EQ(values.scale, (Float3{2, 2, 2}));
    values.axis = {0, 0.00001f, 0};
    values.ratio = 0.25;
    values.clip = values.clipPlane1On = values.clipPlane2On = true;
    ASSERT_TRUE(ApplyComponent(doc, solid, values));
    EXPECT_EQ(solid.m_nKind, kSolidFrustumSide);
    EXPECT_EQ(solid.m_direction, (Float3{0, -1, 0}));
    EXPECT_EQ(solid.m_dShape, 0.25);
    EXPECT_EQ(solid.m_nClipMode, 3u);
    EXPECT_TRUE(doc.IsModified());
    History().Undo();
    EXPECT_EQ(Page().m_solids.at(key)->m_nKind, kSolidSphere);
}

}  // namespace
}  // namespace velnor
