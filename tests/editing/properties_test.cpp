#include <memory>

#include "editing/properties.h"
#include "editing_fixture.h"
#include "geometry/measure_text.h"
#include "geometry/measure_types.h"
#include "model/bit_text.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class PropertiesTest : public test::EditingTest {
protected:
    void TwoVerticesAndALine() {
        Page().AddVertex(0, 0, 0);
        Page().AddVertex(1, 0, 0);
        Page().AddLine(0, 1);
        Page().ClearSelection();
    }
};

TEST_F(PropertiesTest, TheSelectionDecidesWhatOpens) {
    CGpage& page = Page();
    page.m_selPoints = {0};
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kVertex);
    page.m_selTexts = {1};  // texts do not count
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kVertex);
    page.m_selSolids = {1};
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kReportOrPage);
    page.m_selPoints.clear();
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kSolid);
    page.m_selButtons = {3024};
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kButton);
    page.m_selButtons = {3024, 3025};
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kReportOrPage);
    page.ClearSelection();
    EXPECT_EQ(PropertiesCaseFor(page), PropertiesCase::kReportOrPage);
}

TEST_F(PropertiesTest, EditingAVertexRenamesItsLinesAndUndoes) {
    TwoVerticesAndALine();
    auto distance = std::make_unique<CDTextCell>(kPointDistance);
    distance->m_strName = "AB";
    distance->m_nVertCount = 2;
    distance->m_verts = {0, 1};
    Page().AddText(std::move(distance));
    UpdateAllTexts(Page());
    const auto before = test::CopyPage(Page());

    VertexValues values = VertexValuesOf(Page(), 1);
    EXPECT_EQ(values.color, (Rgb{0, 255, 0}));
    values.label = "P";
    values.position = {2, 3, 4};
    values.color = {255, 0, 51};
    values.shown = false;
    ASSERT_TRUE(ModifyVertex(doc, 1, values));
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "AP");
    EXPECT_EQ(Page().m_color[1], (Float3{1.0f, 0.0f, 0.2f}));
    EXPECT_EQ(Page().m_bShown[1], 0);
    EXPECT_EQ(UndoText(), "撤消 修改点(&U)\tCtrl+Z");
    EXPECT_EQ(views.hints.back(), kHintAll);
    EXPECT_EQ(Page().m_texts.at(1)->m_strText, "AB=5.3852");  // √29

    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
    History().Redo();
    EXPECT_EQ(Page().m_pos[1], (Float3{2, 3, 4}));
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "AP");
}

TEST_F(PropertiesTest, EditingAVertexOutsideThePageDoesNothing) {
    TwoVerticesAndALine();
    EXPECT_FALSE(ModifyVertex(doc, 2, VertexValues{}));
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(PropertiesTest, EditingASolidRecordsACopyFirst) {
    Page().AddSolid(std::make_unique<CSubassembly>(kSolidCube, 0, Float3{1, 2, 3}, 0.0f,
                                                   Float3{0, 0, 1}, Float3{1, 1, 1}, 0.5, 0,
                                                   Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    Page().m_selSolids = {1};
    const auto before = test::CopyPage(Page());
    const SolidEdit outcome = EditSelectedSolid(
        doc,
        [](CSubassembly& solid) {
            solid.m_scale = {2, 2, 2};
        },
        [](CBitRtfText&) { FAIL(); });
    EXPECT_EQ(outcome, SolidEdit::kRecorded);
    EXPECT_EQ(Page().m_solids.at(1)->m_scale, (Float3{2, 2, 2}));
    EXPECT_EQ(UndoText(), "撤消 修改组件(&U)\tCtrl+Z");
    EXPECT_EQ(views.hints.back(), kHintSolids);
    History().Undo();
    EXPECT_TRUE(test::PagesEqual(*before, Page()));
    History().Redo();
    EXPECT_EQ(Page().m_solids.at(1)->m_scale, (Float3{2, 2, 2}));
}

TEST_F(PropertiesTest, APlainBitmapTextIsRefusedAndARichTextIsNotRecorded) {
    Page().AddSolid(std::make_unique<CBitText>());
    Page().AddSolid(std::make_unique<CBitRtfText>());
    auto never = [](CSubassembly&) { FAIL(); };
    Page().m_selSolids = {1};
    EXPECT_EQ(EditSelectedSolid(doc, never, [](CBitRtfText&) { FAIL(); }), SolidEdit::kRefused);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"这是图形类文本，若要修改内容，请删除后重建！"});
    EXPECT_FALSE(doc.IsModified());

    Page().m_selSolids = {2};
    bool edited = false;
    EXPECT_EQ(EditSelectedSolid(doc, never, [&](CBitRtfText&) { edited = true; }),
              SolidEdit::kRichText);
    EXPECT_TRUE(edited);
    EXPECT_EQ(History().Count(), 0);
}

}  // namespace
}  // namespace velnor
