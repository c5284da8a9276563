#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "model/cmd_processor.h"
#include "support/recording_menu_items.h"

namespace velnor {
namespace {

// A command that logs what it is asked to do, and can refuse.
class LoggingCmd final : public CCmd {
public:
    LoggingCmd(std::string name, std::vector<std::string>& log, bool* deleted = nullptr)
        : CCmd(std::move(name)), m_log(log), m_deleted(deleted) {}
    ~LoggingCmd() override {
        if (m_deleted) {
            *m_deleted = true;
        }
    }
    bool Undo() override {
        m_log.push_back("undo " + m_strName);
        return m_bSucceeds;
    }
    bool Redo() override {
        m_log.push_back("redo " + m_strName);
        return m_bSucceeds;
    }
    bool m_bSucceeds = true;

private:
    std::vector<std::string>& m_log;
    bool* m_deleted;
};

class CmdProcessorTest : public ::testing::Test {
protected:
    CmdProcessorTest() { processor.SetMenuTarget(&MenuItems(), cmd::kUndo, cmd::kRedo); }

    std::unique_ptr<LoggingCmd> Cmd(const std::string& name, bool* deleted = nullptr) {
        return std::make_unique<LoggingCmd>(name, log, deleted);
    }
    void AddNumbered(int count) {
        for (int i = 1; i <= count; ++i) {
            processor.AddCommand(Cmd(std::to_string(i)));
        }
    }
    std::string UndoText() { return menu.items[cmd::kUndo].text; }
    std::string RedoText() { return menu.items[cmd::kRedo].text; }

    test::RecordingMenuItems menu;
    std::vector<std::string> log;
    CCmdProcessor processor{100};
};

TEST_F(CmdProcessorTest, TheHundredAndFirstCommandDropsTheOldest) {
    bool firstDeleted = false;
    processor.AddCommand(Cmd("1", &firstDeleted));
    for (int i = 2; i <= 101; ++i) {
        processor.AddCommand(Cmd(std::to_string(i)));
    }
    EXPECT_TRUE(firstDeleted);
    EXPECT_EQ(processor.Count(), 100);
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(processor.Undo());
    }
    EXPECT_EQ(log.back(), "undo 2");
    EXPECT_FALSE(processor.Undo());
    EXPECT_EQ(log.size(), 100u);
    EXPECT_EQ(UndoText(), "撤消\tCtrl+Z(&U)");
    EXPECT_FALSE(menu.items[cmd::kUndo].enabled);
    EXPECT_EQ(RedoText(), "重做 2(&R)\tCtrl+R");
    EXPECT_TRUE(menu.items[cmd::kRedo].enabled);
}

TEST_F(CmdProcessorTest, AnEditAfterUndoDeletesTheUndoneCommand) {
    bool secondDeleted = false;
    processor.AddCommand(Cmd("添加点"));
    processor.AddCommand(Cmd("添加线", &secondDeleted));
    processor.Undo();
    processor.AddCommand(Cmd("添加面"));
    EXPECT_TRUE(secondDeleted);
    EXPECT_EQ(processor.Count(), 2);
    EXPECT_FALSE(processor.CanRedo());
    EXPECT_EQ(RedoText(), "重做(&R)\tCtrl+R");
    EXPECT_FALSE(menu.items[cmd::kRedo].enabled);
    EXPECT_EQ(UndoText(), "撤消 添加面(&U)\tCtrl+Z");
}

TEST_F(CmdProcessorTest, AnEditAfterUndoingEverythingLeavesOnlyTheNewCommand) {
    AddNumbered(3);
    while (processor.Undo()) {
    }
    processor.AddCommand(Cmd("new"));
    ASSERT_EQ(processor.Count(), 1);
    EXPECT_EQ(processor.Current()->GetName(), "new");
    EXPECT_TRUE(processor.CanUndo());
    EXPECT_FALSE(processor.CanRedo());
}

TEST_F(CmdProcessorTest, AtCapacityWithAllButOneUndoneOnlyTheNewCommandRemains) {
    AddNumbered(100);
    for (int i = 0; i < 99; ++i) {
        processor.Undo();
    }
    ASSERT_EQ(processor.Current()->GetName(), "1");
    processor.AddCommand(Cmd("new"));
    ASSERT_EQ(processor.Count(), 1);
    EXPECT_EQ(processor.Current()->GetName(), "new");
}

TEST_F(CmdProcessorTest, RedoWithNothingToRedoRunsNoCommand) {
    EXPECT_FALSE(processor.CanRedo());
    EXPECT_FALSE(processor.Redo());
    AddNumbered(2);
    EXPECT_FALSE(processor.Redo());
    EXPECT_TRUE(log.empty());
}

TEST_F(CmdProcessorTest, UndoAndRedoWalkTheHistoryInOrder) {
    AddNumbered(3);
    processor.Undo();
    processor.Undo();
    processor.Redo();
    processor.Undo();
    processor.Undo();
    EXPECT_FALSE(processor.CanUndo());
    EXPECT_TRUE(processor.CanRedo());
    processor.Redo();
    EXPECT_EQ(log, (std::vector<std::string>{"undo 3", "undo 2", "redo 2", "undo 2", "undo 1",
                                             "redo 1"}));
}

TEST_F(CmdProcessorTest, ARefusingCommandKeepsThePosition) {
    auto refusing = Cmd("switch");
    LoggingCmd* raw = refusing.get();
    processor.AddCommand(std::move(refusing));
    raw->m_bSucceeds = false;
    EXPECT_FALSE(processor.Undo());
    EXPECT_EQ(processor.Current(), raw);
    raw->m_bSucceeds = true;
    EXPECT_TRUE(processor.Undo());
    raw->m_bSucceeds = false;
    EXPECT_FALSE(processor.Redo());
    EXPECT_TRUE(processor.CanRedo());
    EXPECT_EQ(processor.Current(), nullptr);
}

TEST_F(CmdProcessorTest, MenuTextsFollowNamesAndUndoability) {
    processor.AddCommand(Cmd(""));
    EXPECT_EQ(UndoText(), "撤消(&U)\tCtrl+Z");
    EXPECT_TRUE(menu.items[cmd::kUndo].enabled);

    auto locked = Cmd("锁定");
    locked->m_bUndoable = false;
    processor.AddCommand(std::move(locked));
    EXPECT_EQ(UndoText(), "不能撤消 锁定(&U)\tCtrl+Z");
    EXPECT_FALSE(menu.items[cmd::kUndo].enabled);
    EXPECT_FALSE(processor.Undo());

    auto lockedNameless = Cmd("");
    lockedNameless->m_bUndoable = false;
    processor.AddCommand(std::move(lockedNameless));
    EXPECT_EQ(UndoText(), "不能撤消\tCtrl+Z(&U)");

    processor.Reset();
    processor.AddCommand(Cmd(""));
    processor.Undo();
    EXPECT_EQ(RedoText(), "重做(&R)\tCtrl+R");
    EXPECT_TRUE(menu.items[cmd::kRedo].enabled);
}

TEST_F(CmdProcessorTest, WithoutAMenuTargetNothingIsRelabelled) {
    CCmdProcessor detached(100);
    detached.AddCommand(Cmd("x"));
    detached.Undo();
    EXPECT_EQ(menu.calls, 0);
}

TEST_F(CmdProcessorTest, ClearAllStopsAtAMissingCommand) {
    AddNumbered(1);
    processor.AddCommand(nullptr);
    processor.AddCommand(Cmd("after"));
    processor.ClearAll();
    EXPECT_EQ(processor.Count(), 2);
    EXPECT_FALSE(processor.CanUndo());
    EXPECT_TRUE(processor.CanRedo());
    EXPECT_FALSE(processor.Redo());
    EXPECT_EQ(RedoText(), "重做(&R)\tCtrl+R");
}

TEST_F(CmdProcessorTest, ResetGreysBothItems) {
    AddNumbered(2);
    processor.Undo();
    processor.Reset();
    EXPECT_EQ(processor.Count(), 0);
    EXPECT_FALSE(menu.items[cmd::kUndo].enabled);
    EXPECT_FALSE(menu.items[cmd::kRedo].enabled);
}

}  // namespace
}  // namespace velnor
