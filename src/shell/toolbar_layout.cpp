#include "shell/toolbar_layout.h"

#include <QAction>
#include <QToolBar>

#include "commands/command_ids.h"
#include "geometry/figure_set.h"
#include "shell/command_actions.h"
#include "shell/frame_window_commands.h"

namespace velnor {

std::vector<ToolButton> MainToolBarButtons() {
    return {
        {"新建", 57600},
        {"打开", 57601},
        {"保存", 57603},
        {"新建页", 32824},
        {nullptr, 0},
        {"剪切", 57635},
        {"复制", 57634},
        {"粘贴", 57637},
        {"清除", 57632},
        {nullptr, 0},
        {"撤消", 57643},
        {"重做", 57644},
        {nullptr, 0},
        {"隐藏", 33174},
        {"坐标轴", 32920},
        {"光滑着色", 33171},
        {"属性", 32866},
        {nullptr, 0},
        {"应用材质", 32901},
        {"即时材质", 32994},
        {"随机着色", 33123},
        {nullptr, 0},
        {"铅笔", 33144},
        {"线段、射线、直线、向量", 32813},
        {"中点", 32840},
        {"交点", 32855},
        {"垂线段", 32857},
        {"平行线", 32873},
        {"公垂线段", 32864},
        {"圆", 32909},
        {"平面", 32831},
        {"截面", cmd::kCrossSection},
        {"展开图", cmd::kPolyhedronNet},
        {nullptr, 0},
        {"正方体", -1, &AddToolbarCube},
        {"正三棱锥", -1, &AddToolbarTetrahedron},
        {"球", 33010},
        {nullptr, 0},
        {"图元集", 32917},
        {"组件", 32923},
        {nullptr, 0},
        {"文本", 33266},
    };
}

std::vector<ToolButton> ViewToolBarButtons() {
    return {
        {"全屏", 32776},     {"管理器", 32842},
        {nullptr, 0},        {"透视类型", FrameWindowCommands::kCycleProjection},
        {"三视图", 33091},   {nullptr, 0},
        {"上一页", 32817},   {"下一页", 32819},
        {nullptr, 0},        {"放大", 33221},
        {"缩小", 33222},     {nullptr, 0},
        {"旋转Z+", 32875},   {"旋转Z-", 32876},
        {"旋转X+", 32877},   {"旋转X-", 32878},
        {"旋转D", 32982},    {nullptr, 0},
        {"复位", 32794},     {"播放", 32745},
        {nullptr, 0},        {"点选图元", 32844},
        {"锁定选择", 32827}, {"框选图象", 33062},
    };
}

void FillToolBar(QToolBar& bar, const std::vector<ToolButton>& buttons, CommandActions& actions,
                 CPlomDoc& doc) {
    for (const ToolButton& button : buttons) {
        if (button.id == 0) {
            bar.addSeparator();
            continue;
        }
        // The long tooltip of the line tool keeps only its first word on the button.
        QString text = QString::fromUtf8(button.tip);
        text = text.section(QStringLiteral("、"), 0, 0);
        QAction* tool = bar.addAction(text);
        tool->setToolTip(QString::fromUtf8(button.tip));
        if (button.add != nullptr) {
            QObject::connect(tool, &QAction::triggered, &actions,
                             [&actions, &doc, add = button.add] {
                                 add(doc);
                                 actions.UpdateStates();
                             });
            continue;
        }
        const int id = button.id;
        QAction* item = actions.Action(id);
        if (item == nullptr) {
            // A command with a key but no menu item (透视类型).
            QObject::connect(tool, &QAction::triggered, &actions,
                             [&actions, id] { actions.RunWindowCommand(id); });
            continue;
        }
        tool->setStatusTip(item->statusTip());
        QObject::connect(tool, &QAction::triggered, item, &QAction::trigger);
        const auto follow = [tool, item] {
            tool->setEnabled(item->isEnabled());
            tool->setCheckable(item->isCheckable());
            tool->setChecked(item->isChecked());
        };
        QObject::connect(item, &QAction::changed, tool, follow);
        follow();
    }
}

}  // namespace velnor
