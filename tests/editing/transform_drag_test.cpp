#include "editing/transform_drag.h"

#include <gtest/gtest.h>

#include "transform_test_support.h"

namespace velnor {
namespace {

using Drag = test::TransformDocument;

TEST_F(Drag, OneGestureIsOneCommandMovingByPixelsOverTwenty) {
    Page().m_selPoints = {0};
    Page().m_selSolids = {1};
    SelectionDrag drag;
    drag.Move(doc, 20, 10, false);
    drag.Move(doc, 10, -30, false);
    EXPECT_EQ(Page().m_pos[0], (Float3{2.5f, 0, 1}));
    EXPECT_EQ(Solid().m_position, (Float3{2.5f, 2, 4}));
    EXPECT_EQ(doc.CommandProcessor().Count(), 1);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "拖移变换");
    doc.CommandProcessor().Undo();
    EXPECT_EQ(Page().m_pos[0], (Float3{1, 0, 0}));
    EXPECT_EQ(Solid().m_position, (Float3{1, 2, 3}));
}

TEST_F(Drag, ShiftMovesAlongYAndAReleaseStartsANewCommand) {
    Page().m_selPoints = {0};
    SelectionDrag drag;
    drag.Move(doc, 0, 40, true);
    EXPECT_EQ(Page().m_pos[0], (Float3{1, -2, 0}));
    drag.Release();
    drag.Move(doc, 0, 40, true);
    EXPECT_EQ(doc.CommandProcessor().Count(), 2);
}

TEST_F(Drag, SelectedButtonsOrTextsOrNothingToMoveStopIt) {
    SelectionDrag drag;
    drag.Move(doc, 20, 0, false);
    Page().m_selPoints = {0};
    Page().m_selTexts = {1};
    EXPECT_FALSE(SelectionDrag::CanDrag(Page()));
    drag.Move(doc, 20, 0, false);
    EXPECT_EQ(Page().m_pos[0], (Float3{1, 0, 0}));
    EXPECT_EQ(doc.CommandProcessor().Count(), 0);
}

}  // namespace
}  // namespace velnor
