#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <vector>

#include "commands/command_ids.h"
#include "view/popup_menu.h"

namespace velnor::test {
namespace {

std::vector<QString> Texts(const QMenu& menu) {
    std::vector<QString> texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts.push_back(action->text());
        }
    }
    return texts;
}

TEST(ViewPopupMenu, HoldsTheViewItemsInOrderWithTheProjectionSubmenu) {
    const auto menu = BuildViewPopupMenu(nullptr, nullptr, [](int) {});
    const std::vector<QString> expected{"全屏",     "启动/停止", "复位",     "控制条",
                                        "坐标轴",   "点选图元",  "锁定选择", "三视图",
                                        "投影类型", "光滑着色",  "上一页",   "下一页"};
    EXPECT_EQ(Texts(*menu), expected);
    const QMenu* projections = menu->actions()[12]->menu();
    ASSERT_NE(projections, nullptr);
    EXPECT_EQ(Texts(*projections),
              (std::vector<QString>{"中心投影", "正(等测)投影", "斜(二测)投影"}));
    EXPECT_FALSE(menu->actions()[0]->icon().isNull());  // 全屏 carries a picture
}

TEST(ViewPopupMenu, ChoosingAnItemRunsItsCommand) {
    std::vector<int> ran;
    const auto menu = BuildViewPopupMenu(nullptr, nullptr, [&](int id) { ran.push_back(id); });
    for (QAction* action : menu->actions()) {
        if (action->text() == "锁定选择") {
            action->trigger();
        }
    }
    EXPECT_EQ(ran, std::vector<int>{cmd::kLockSelection});
}

}  // namespace
}  // namespace velnor::test
