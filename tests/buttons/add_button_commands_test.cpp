#include "buttons/add_button_commands.h"

#include <gtest/gtest.h>

#include "button_document.h"

namespace velnor {
namespace {

using AddButtonCommands = test::ButtonDocument;

TEST_F(AddButtonCommands, AreEnabledByTheRightSelections) {
    EXPECT_FALSE(CanAddButton(Page(), kButtonShow));
    Page().m_selFaces = {1};
    EXPECT_TRUE(CanAddButton(Page(), kButtonShow));
    EXPECT_FALSE(CanAddButton(Page(), kButtonTranslate));
    EXPECT_FALSE(CanAddButton(Page(), kButtonRotate));
    Page().m_selSolids = {1};
    EXPECT_TRUE(CanAddButton(Page(), kButtonTranslate));
    EXPECT_TRUE(CanAddButton(Page(), kButtonRotate));
    Page().m_selButtons = {3024};
    EXPECT_FALSE(CanAddButton(Page(), kButtonParallel));
    EXPECT_FALSE(CanAddButton(Page(), kButtonSerial));
    Page().m_selButtons = {3024, 3025};
    EXPECT_TRUE(CanAddButton(Page(), kButtonParallel));
    EXPECT_TRUE(CanAddButton(Page(), kButtonSerial));
}

TEST_F(AddButtonCommands, ASeriesOfOneButtonIsNotAdded) {
    Page().m_selButtons = {3024};
    EXPECT_FALSE(AddButtonFromSelection(doc, kButtonParallel));
    EXPECT_TRUE(Page().m_buttons.empty());
    EXPECT_EQ(History().Count(), 0);
}

TEST_F(AddButtonCommands, EachKindIsRecordedUnderItsName) {
    Page().m_selPoints = {0};
    AddButtonFromSelection(doc, kButtonShow);
    EXPECT_EQ(LastCommandName(), "添加显示隐藏按钮");
    AddButtonFromSelection(doc, kButtonTranslate);
    EXPECT_EQ(LastCommandName(), "添加平移按钮");
    AddButtonFromSelection(doc, kButtonRotate);
    EXPECT_EQ(LastCommandName(), "添加旋转按钮");
    Page().m_selButtons = {3024, 3025};
    AddButtonFromSelection(doc, kButtonParallel);
    EXPECT_EQ(LastCommandName(), "添加并行动作按钮");
    AddButtonFromSelection(doc, kButtonSerial);
    EXPECT_EQ(LastCommandName(), "添加串行动作按钮");
    EXPECT_EQ(Page().m_buttons.size(), 5u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AddButtonCommands, UndoTakesTheButtonAndItsWindowAwayAndRedoBringsThemBack) {
    Page().m_selPoints = {1};
    AddButtonFromSelection(doc, kButtonTranslate);
    EXPECT_TRUE(windows.Visible(3024));
    History().Undo();
    EXPECT_TRUE(Page().m_buttons.empty());
    EXPECT_FALSE(windows.Exists(3024));
    History().Redo();
    EXPECT_EQ(Page().m_buttons.at(3024)->m_targetVerts, (std::vector<int>{1}));
    EXPECT_TRUE(windows.Visible(3024));
    EXPECT_EQ(windows.windows.at(3024).caption, "平移");
}

}  // namespace
}  // namespace velnor
