#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "commands/command_error.h"
#include "commands/command_execution.h"
#include "commands/command_table.h"
#include "commands/window_commands_seam.h"
#include "model/document.h"
#include "support/recording_document_views.h"

namespace velnor::test {
namespace {

// Every command id of the menus, in menu order.
const std::vector<int> kMenuIds{
    57600, 57601, 57603, 57604, 33026, 33027, 57607, 57609, 33411, 57606, 57616, 57665, 57643,
    57644, 57635, 57634, 57637, 57632, 32866, 32936, 32959, 33188, 32901, 32994, 33123, 57639,
    57636, 57641, 57856, 33023, 57860, 57872, 59392, 32897, 32842, 59393, 32776, 33091, 33046,
    33049, 33050, 33040, 33041, 33042, 33171, 33174, 33175, 32920, 33146, 33005, 33261, 33135,
    33136, 33137, 33207, 32844, 32827, 57642, 32817, 32819, 33205, 33088, 32957, 33007, 33084,
    33085, 33200, 33247, 33144, 32840, 32855, 32976, 33243, 32813, 32857, 32864, 32873, 33256,
    32831, 33400, 33412, 33401, 32909, 33239, 33238, 33010, 33245, 33231, 32917, 32923, 33110,
    32824, 32963, 32745, 32794, 32877, 32878, 32875, 32876, 33021, 33020, 32982, 32985, 33221,
    33222, 33100, 33101, 33102, 33103, 32891, 32892, 32987, 32988, 32948, 32947, 33116, 33191,
    33193, 33196, 33198, 33199, 32941, 32943, 32972, 33118, 33212, 33213, 33214, 33217, 33216,
    33167, 33254, 33164, 33165, 33166, 33258, 33160, 33162, 33163, 33249, 33169, 33251, 33266,
    33112, 33060, 33099, 33061, 33073, 33062, 33130, 33075, 33077, 33065, 33096, 33081, 33064,
    33128, 33410, 57667, 33033, 33031, 57664};

TEST(CommandTable, HoldsEveryMenuCommandOnceInMenuOrder) {
    std::vector<int> ids;
    for (const CommandEntry& entry : CommandTable()) {
        ids.push_back(entry.id);
        EXPECT_FALSE(entry.text.empty()) << entry.id;
        EXPECT_FALSE(entry.menu.empty()) << entry.id;
    }
    EXPECT_EQ(ids, kMenuIds);
}

TEST(CommandTable, KeepsTheTextsKeysAndPromptsOfTheMenus) {
    const CommandEntry* undo = FindCommand(57643);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text, "撤消");
    EXPECT_EQ(undo->keys, (std::vector<std::string>{"Alt+Backspace", "Ctrl+Z"}));
    EXPECT_EQ(undo->prompt, "撤消上一操作");
    EXPECT_EQ(undo->menu, "编辑");
    const CommandEntry* left = FindCommand(33100);
    EXPECT_EQ(left->keys, (std::vector<std::string>{"Shift+←"}));
    EXPECT_EQ(left->menu, "变换/视变换动画");
    EXPECT_EQ(left->owner, CommandOwner::kView);
    EXPECT_EQ(FindCommand(33193)->prompt, "添加\"平移\"按钮");
    EXPECT_EQ(FindCommand(57665)->prompt, "退出应用程序；提示保存文档");
    EXPECT_EQ(FindCommand(33031)->prompt, "");
}

TEST(CommandTable, FindsByIdDigitsOrTextAndTheFirstOfTwoEqualTexts) {
    EXPECT_EQ(FindCommand("32840"), FindCommand(32840));
    EXPECT_EQ(FindCommand("中点")->id, 32840);
    EXPECT_EQ(FindCommand("组件阵列")->id, 33110);
    EXPECT_EQ(FindCommand("平移")->id, 32948);
    EXPECT_EQ(FindCommand("中"), FindCommand(33136));
    EXPECT_EQ(FindCommand("组件阵"), nullptr);
    EXPECT_EQ(FindCommand("12345"), nullptr);
    EXPECT_EQ(FindCommand(""), nullptr);
}

TEST(CommandTable, DocumentCommandsAndOnlyTheyCarryOperationsAndDialogsNameTheirValues) {
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.owner == CommandOwner::kDocument) {
            EXPECT_TRUE(entry.run) << entry.text;
        } else {
            EXPECT_FALSE(entry.run) << entry.text;
            EXPECT_FALSE(entry.enabled) << entry.text;
        }
        if (entry.dialogFirst) {
            EXPECT_FALSE(entry.params.empty()) << entry.text;
        }
    }
    EXPECT_EQ(FindCommand("图元集")->params,
              (std::vector<std::string>{"type", "L", "W", "H", "n", "r", "k", "X", "Y", "Z"}));
}

// Records what the windows are asked to do.
class RecordingWindowCommands final : public IWindowCommands {
public:
    RecordingWindowCommands() : m_previous(SetWindowCommands(this)) {}
    ~RecordingWindowCommands() override { SetWindowCommands(m_previous); }
    RecordingWindowCommands(const RecordingWindowCommands&) = delete;
    RecordingWindowCommands& operator=(const RecordingWindowCommands&) = delete;

    void Run(int commandId, const CommandParams& params) override {
        run.push_back(commandId);
        files.push_back(params.Text("file", ""));
    }
    bool IsEnabled(int commandId) const override { return commandId != 33091; }
    bool IsChecked(int commandId) const override { return commandId == 33040; }

    std::vector<int> run;
    std::vector<std::string> files;

private:
    IWindowCommands* m_previous;
};

class CommandExecution : public ::testing::Test {
protected:
    CommandExecution() { doc.OnNewDocument(); }

    ExecuteResult Execute(int id, const CommandParams& params = {}) {
        return ExecuteCommand(*FindCommand(id), doc, params);
    }

    RecordingDocumentViews views;
    CPlomDoc doc;
};

TEST_F(CommandExecution, WindowCommandsGoToTheWindowsWithTheirState) {
    EXPECT_EQ(Execute(33091), ExecuteResult::kWindowsOnly);
    RecordingWindowCommands windows;
    EXPECT_EQ(Execute(33040), ExecuteResult::kDone);
    EXPECT_EQ(Execute(33091), ExecuteResult::kDisabled);
    EXPECT_TRUE(IsCommandChecked(*FindCommand(33040), doc));
    EXPECT_FALSE(IsCommandEnabled(*FindCommand(33091), doc));
    EXPECT_EQ(windows.run, (std::vector<int>{33040}));
}

TEST_F(CommandExecution, CommandsWhoseOnlyInputIsAFileDialogTakeTheFileByName) {
    RecordingWindowCommands windows;
    for (const int id : {57601, 57604, 33026, 33027, 33033}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FindCommand(id)->params, std::vector<std::string>{"file"});
        CommandParams params;
        params.Set("file", "/tmp/教案.plm");
        EXPECT_EQ(Execute(id, params), ExecuteResult::kDone);
        EXPECT_EQ(windows.files.back(), "/tmp/教案.plm");
    }
    CommandParams file;
    file.Set("file", "x.plm");
    EXPECT_THROW(Execute(33040, file), CommandError);
    EXPECT_EQ(windows.run.size(), 5u);
}

TEST_F(CommandExecution, AToolCommandWithoutASelectionHandsOverToTheView) {
    RecordingWindowCommands windows;
    doc.CurrentPage().AddVertex(0, 0, 0);
    doc.CurrentPage().AddVertex(1, 0, 0);
    doc.CurrentPage().ClearSelection();
    EXPECT_EQ(Execute(32813), ExecuteResult::kViewTakesOver);
    EXPECT_EQ(windows.run, (std::vector<int>{32813}));
    EXPECT_TRUE(doc.CurrentPage().m_lines.empty());
}

TEST_F(CommandExecution, EnablingFollowsTheDocument) {
    EXPECT_EQ(Execute(57643), ExecuteResult::kDisabled);
    EXPECT_EQ(Execute(32819), ExecuteResult::kDisabled);
    EXPECT_EQ(Execute(32824), ExecuteResult::kDone);
    EXPECT_TRUE(IsCommandEnabled(*FindCommand(57643), doc));
    EXPECT_TRUE(IsCommandEnabled(*FindCommand(32817), doc));
    EXPECT_FALSE(IsCommandEnabled(*FindCommand(32819), doc));
}

TEST_F(CommandExecution, TogglesShowTheirStateAsACheckMark) {
    const CommandEntry& dots = *FindCommand(33146);
    EXPECT_FALSE(IsCommandChecked(dots, doc));
    Execute(33146);
    EXPECT_TRUE(IsCommandChecked(dots, doc));
    EXPECT_EQ(doc.CurrentPage().m_bShowDots, 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(CommandExecution, AValueTheCommandDoesNotTakeRunsNothing) {
    CommandParams params;
    params.Set("angle", "10");
    params.Set("spin", "1");
    EXPECT_THROW(Execute(32972, params), CommandError);
    EXPECT_FLOAT_EQ(doc.CurrentPage().m_fAngle, 90.0f);
}

TEST_F(CommandExecution, HidingAndShowingAgainKeepTheSelectionRules) {
    CGpage& page = doc.CurrentPage();
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.AddLine(0, 1);
    page.m_selPoints = {1};
    page.m_selLines = {1};
    Execute(33174);
    EXPECT_EQ(page.m_bShown[1], 0);
    EXPECT_TRUE(page.m_lines.at(1)->m_bHidden);
    EXPECT_FALSE(page.HasSelection());
    Execute(32957);
    EXPECT_EQ(page.m_selPoints, (std::vector<int>{0}));
    Execute(33175);
    EXPECT_EQ(page.m_bShown[1], 1);
    EXPECT_FALSE(page.m_lines.at(1)->m_bHidden);
}

}  // namespace
}  // namespace velnor::test
