#include "buttons/modify_button_commands.h"

#include <gtest/gtest.h>

#include "button_document.h"
#include "button_test_support.h"
#include "buttons/button_factory.h"

namespace velnor {
namespace {

using test::ButtonAt;

class ModifyButtonCommands : public test::ButtonDocument {
protected:
    uint16_t Add(ButtonKind kind) { return CreateButton(Page(), kind); }
};

TEST_F(ModifyButtonCommands, ShowButtonTakesCaptionTwoWayAndTheWholeSelection) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonShow);
    Page().m_selPoints = {1};
    Page().m_selLines = {9};
    EXPECT_TRUE(ModifyShowButton(doc, key, {"遮住", true, true}));
    const auto& button = ButtonAt<CBtnShow>(Page(), key);
    EXPECT_EQ(button.m_strCaption, "遮住");
    EXPECT_EQ(windows.windows.at(key).caption, "遮住");
    EXPECT_EQ(button.m_nTicksPerPress, 4);
    EXPECT_EQ(button.m_targetVerts, (std::vector<int>{1}));
    EXPECT_EQ(button.m_targetLines, (std::vector<int>{9}));
    EXPECT_EQ(LastCommandName(), "修改显示隐藏按钮");
}

TEST_F(ModifyButtonCommands, UndoPutsTheOldButtonAndWindowBack) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonTranslate);
    ModifyTranslateButton(doc, key, {"推", true, {0, 0, 5}, false, false});
    const auto& changed = ButtonAt<CBtnTranslate>(Page(), key);
    EXPECT_EQ(changed.m_vector, (Float3{0, 0, 5}));
    EXPECT_EQ(changed.m_nTicksPerPress, 104);
    EXPECT_EQ(LastCommandName(), "修改平移按钮");
    History().Undo();
    const auto& restored = ButtonAt<CBtnTranslate>(Page(), key);
    EXPECT_EQ(restored.m_strCaption, "平移");
    EXPECT_EQ(restored.m_vector, (Float3{10, 0, 0}));
    EXPECT_EQ(restored.m_bTwoWay, 0);
    EXPECT_EQ(windows.windows.at(key).caption, "平移");
    History().Redo();
    EXPECT_EQ(ButtonAt<CBtnTranslate>(Page(), key).m_strCaption, "推");
}

TEST_F(ModifyButtonCommands, TranslateButtonCanTakeThePageVectorAndNewTargets) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonTranslate);
    Page().m_translation = {1, 1, 1};
    Page().m_selPoints = {1, 0};
    ModifyTranslateButton(doc, key, {"平移", false, {9, 9, 9}, true, true});
    const auto& button = ButtonAt<CBtnTranslate>(Page(), key);
    EXPECT_EQ(button.m_vector, (Float3{1, 1, 1}));
    EXPECT_EQ(button.m_targetVerts, (std::vector<int>{1, 0}));
    EXPECT_EQ(button.m_savedVerts.size(), 2u);
}

TEST_F(ModifyButtonCommands, TargetsChangedAfterTheForwardRunComeBackToWhereTheyWere) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonTranslate);
    PressButton(Page(), key);
    test::TicksUntilIdle(Page());
    Page().m_selPoints = {1};
    ModifyTranslateButton(doc, key, {"平移", false, {10, 0, 0}, false, true});
    PressButton(Page(), key);
    test::TicksUntilIdle(Page());
    EXPECT_EQ(Page().m_pos[1], (Float3{1, 0, 0}));
}

TEST_F(ModifyButtonCommands, RotateButtonRefusesAZeroAxisButKeepsTheOtherChanges) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonRotate);
    RotateButtonValues values{"转", true, 45.0f, {0, 0, 0}, {1, 1, 1}, false, false};
    ModifyRotateButton(doc, key, values);
    const auto& button = ButtonAt<CBtnRotatef>(Page(), key);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"旋转轴方程不正确,未作改动"}));
    EXPECT_EQ(button.m_strCaption, "转");
    EXPECT_EQ(button.m_nTicksPerPress, 104);
    EXPECT_EQ(button.m_angle, 90.0f);
    EXPECT_EQ(button.m_axisDir, (Float3{0, 1, 0}));
    EXPECT_EQ(button.m_axisPoint, (Float3{0, 0, 0}));
}

TEST_F(ModifyButtonCommands, RotateButtonStoresAUnitAxisOrThePageDefinitions) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonRotate);
    ModifyRotateButton(doc, key, {"转", false, 30.0f, {3, 0, 4}, {1, 2, 3}, false, false});
    auto& button = ButtonAt<CBtnRotatef>(Page(), key);
    EXPECT_EQ(button.m_axisDir, (Float3{0.6f, 0, 0.8f}));
    EXPECT_EQ(button.m_axisPoint, (Float3{1, 2, 3}));
    EXPECT_EQ(button.m_angle, 30.0f);
    Page().m_fAngle = 180.0f;
    Page().m_axisDir = {1, 0, 0};
    ModifyRotateButton(doc, key, {"转", false, 30.0f, {3, 0, 4}, {1, 2, 3}, true, false});
    EXPECT_EQ(button.m_axisDir, (Float3{1, 0, 0}));
    EXPECT_EQ(button.m_axisPoint, (Float3{0, 0, 0}));
    EXPECT_EQ(button.m_angle, 180.0f);
}

TEST_F(ModifyButtonCommands, SeriesDoubleTheirTicksWhenTwoWay) {
    Page().m_selPoints = {0};
    Page().m_selButtons = {Add(kButtonTranslate), Add(kButtonShow)};
    const uint16_t parallel = Add(kButtonParallel);
    const uint16_t serial = Add(kButtonSerial);
    ModifySeriesButton(doc, parallel, {"同时", true});
    EXPECT_EQ(ButtonAt<CBtnSerues>(Page(), parallel).m_nTicksPerPress, 104);
    EXPECT_EQ(LastCommandName(), "修改并行系列按钮");
    ModifySeriesButton(doc, serial, {"依次", false});
    EXPECT_EQ(ButtonAt<CBtnSerues2>(Page(), serial).m_nTicksPerPress, 57);
    EXPECT_EQ(LastCommandName(), "修改串行系列按钮");
}

TEST_F(ModifyButtonCommands, AMemberOfASeriesKeepsItsTwoWaySetting) {
    Page().m_selPoints = {0};
    const uint16_t member = Add(kButtonTranslate);
    Page().m_selButtons = {member, Add(kButtonShow)};
    Add(kButtonSerial);
    EXPECT_TRUE(IsSeriesMember(Page(), member));
    ModifyTranslateButton(doc, member, {"平移", true, {10, 0, 0}, false, false});
    EXPECT_EQ(ButtonAt<CBtnTranslate>(Page(), member).m_bTwoWay, 0);
    EXPECT_EQ(ButtonAt<CBtnTranslate>(Page(), member).m_nTicksPerPress, 52);
}

TEST_F(ModifyButtonCommands, AKeyOfAnotherKindChangesNothing) {
    Page().m_selPoints = {0};
    const uint16_t key = Add(kButtonShow);
    EXPECT_FALSE(ModifyTranslateButton(doc, key, {"x", false, {}, false, false}));
    EXPECT_FALSE(ModifySeriesButton(doc, key, {"x", false}));
    EXPECT_EQ(History().Count(), 0);
}

}  // namespace
}  // namespace velnor
