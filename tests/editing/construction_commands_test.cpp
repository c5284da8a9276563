#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/cmd_compound.h"
#include "editing/construction_commands.h"
#include "editing/editing_fixture.h"
#include "editing/measure_commands.h"
#include "geometry/measure_types.h"
#include "model/refresh_hint.h"
#include "support/page_equality.h"

namespace velnor {
namespace {

class ConstructionCommandsTest : public test::EditingTest {
protected:
    // A, B, C, D at the corners of a unit square in z = 0, E above A, the lines AB and CE, the
    // face ABCD; nothing selected.
    ConstructionCommandsTest() {
        for (Float3 p : {Float3{0, 0, 0}, Float3{1, 0, 0}, Float3{1, 1, 0}, Float3{0, 1, 0},
                         Float3{0, 0, 1}}) {
            Page().AddVertex(p[0], p[1], p[2]);
        }
        ab = Page().AddLine(0, 1);
        ce = Page().AddLine(2, 4);
        square = *Page().AddFace(std::vector<int>{0, 1, 2, 3});
        Page().ClearSelection();
    }

    // Runs the command, which must succeed under `name` adding `points` vertices and `lines`
    // lines; then one Undo must give back the page as it was apart from the selection, and Redo
    // the constructed page.
    void ExpectOneUndoableStep(const std::function<bool(CPlomDoc&)>& run, const std::string& name,
                               int points, int lines) {
        const std::unique_ptr<CGpage> before = test::CopyPage(Page());
        const int commands = History().Count();
        ASSERT_TRUE(run(doc));
        ASSERT_EQ(History().Count(), commands + 1);
        EXPECT_EQ(History().Current()->GetName(), name);
        EXPECT_EQ(UndoText(), "撤消 " + name + "(&U)\tCtrl+Z");
        EXPECT_EQ(Page().m_nVertexCount, before->m_nVertexCount + points);
        EXPECT_EQ(Page().m_lines.size(), before->m_lines.size() + lines);
        EXPECT_TRUE(doc.IsModified());
        const std::unique_ptr<CGpage> constructed = test::CopyPage(Page());

        ASSERT_TRUE(History().Undo());
        before->m_selPoints = Page().m_selPoints;
        before->m_selLines = Page().m_selLines;
        before->m_selFaces = Page().m_selFaces;
        // The labels handed out stay used.
        EXPECT_TRUE(test::PagesEqual(*before, Page(), {.labelCounters = false}));

        ASSERT_TRUE(History().Redo());
        constructed->m_selPoints = Page().m_selPoints;
        EXPECT_TRUE(test::PagesEqual(*constructed, Page()));
    }

    uint16_t ab = 0;
    uint16_t ce = 0;
    uint16_t square = 0;
};

TEST_F(ConstructionCommandsTest, MidpointsAreOneStep) {
    Page().m_selLines = {ab, ce};
    ExpectOneUndoableStep(RunMidpointCommand, "添加中点", 2, 0);
    EXPECT_EQ(views.hints.front(), kHintVertices);
}

TEST_F(ConstructionCommandsTest, RatioPointsAreOneStep) {
    Page().m_selLines = {ce};
    ExpectOneUndoableStep([](CPlomDoc& d) { return RunRatioPointCommand(d, 1, 3); }, "添加定比分点",
                          1, 0);
}

TEST_F(ConstructionCommandsTest, SymmetricPointIsOneStep) {
    Page().m_selPoints = {0, 2};
    ExpectOneUndoableStep(RunSymmetricPointCommand, "添加对称点", 1, 0);
}

TEST_F(ConstructionCommandsTest, IntersectionIsOneStep) {
    Page().AddVertex(0.5f, 0.5f, 1);
    Page().AddVertex(0.5f, 0.5f, -1);
    Page().ClearSelection();
    Page().m_selLines = {Page().AddLine(5, 6)};
    Page().m_selFaces = {square};
    ExpectOneUndoableStep(RunIntersectionCommand, "添加交点", 1, 0);
}

TEST_F(ConstructionCommandsTest, PerpendicularIsACompoundOfAPointThenALine) {
    Page().m_selPoints = {4};
    Page().m_selFaces = {square};
    ExpectOneUndoableStep(RunPerpendicularCommand, "添加垂线", 1, 1);
    const auto* compound = dynamic_cast<const CCmdCompound*>(History().Current());
    ASSERT_NE(compound, nullptr);
    std::vector<std::string> names;
    for (const auto& cmd : compound->Commands()) {
        names.push_back(cmd->GetName());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"添加点", "添加线"}));
}

TEST_F(ConstructionCommandsTest, CommonPerpendicularParallelAndBisectorAreOneStepEach) {
    Page().m_selLines = {ab, ce};
    ExpectOneUndoableStep(RunCommonPerpendicularCommand, "添加公垂线段", 2, 1);
    Page().ClearSelection();
    Page().m_selPoints = {3};
    Page().m_selLines = {ab};
    ExpectOneUndoableStep(RunParallelCommand, "添加平行线", 2, 1);
    Page().ClearSelection();
    Page().m_selPoints = {1, 0, 3};
    ExpectOneUndoableStep(RunAngleBisectorCommand, "添加角平分线", 1, 1);
}

TEST_F(ConstructionCommandsTest, RefusalsRecordNothing) {
    Page().m_selLines = {ab};
    EXPECT_FALSE(RunRatioPointCommand(doc, 1, -1));
    Page().m_selPoints = {0};
    EXPECT_FALSE(RunParallelCommand(doc));
    Page().m_selPoints = {0, 1, 1};  // an arm of no length
    EXPECT_FALSE(RunAngleBisectorCommand(doc));
    EXPECT_EQ(History().Count(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Page().m_nVertexCount, 5);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"比值不能为-1,分母不能为0!", "点在线上!"}));
}

TEST_F(ConstructionCommandsTest, MeasureTextIsOneStepUnderItsOwnName) {
    Page().m_selPoints = {0, 2};
    ASSERT_TRUE(RunMeasureCommand(doc, kPointDistance));
    EXPECT_EQ(History().Current()->GetName(), "添加距离度量文本");
    EXPECT_EQ(views.hints.back(), kHintRedraw);
    EXPECT_EQ(Page().m_texts.at(1)->m_strText, "| AC |=1.4142");

    History().Undo();
    EXPECT_TRUE(Page().m_texts.empty());
    EXPECT_EQ(Page().m_nNextTextId, 1);
    History().Redo();
    EXPECT_EQ(Page().m_texts.at(1)->m_strText, "| AC |=1.4142");

    Page().ClearSelection();
    EXPECT_FALSE(RunMeasureCommand(doc, kPointDistance));
    EXPECT_EQ(History().Count(), 1);
}

}  // namespace
}  // namespace velnor
