#include "shell/toolbar_layout.h"

#include <QAction>
#include <QToolBar>

#include "commands/command_ids.h"
#include "editing/figure_set.h"
#include "shell/command_actions.h"
#include "shell/command_icons.h"

namespace velnor {

std::vector<ToolButton> MainToolBarButtons() {
    return {
        {"新建", cmd::kNewFile},
        {"打开", cmd::kOpen},
        {"保存", cmd::kSave},
        {"新建页", cmd::kNewPage},
        {nullptr, 0},
        {"剪切", cmd::kCut},
        {"复制", cmd::kCopy},
        {"粘贴", cmd::kPaste},
        {"清除", cmd::kClear},
        {nullptr, 0},
        {"撤消", cmd::kUndo},
        {"重做", cmd::kRedo},
        {nullptr, 0},
        {"隐藏", cmd::kHideObjects},
        {"坐标轴", cmd::kShowGrid},
        {"光滑着色", cmd::kSmoothShading},
        {"属性", cmd::kProperties},
        {nullptr, 0},
        {"应用材质", cmd::kCurrentMaterial},
        {"即时材质", cmd::kLiveMaterial},
        {"随机着色", cmd::kRandomMaterial},
        {nullptr, 0},
        {"铅笔", cmd::kPencil},
        {"线段、射线、直线、向量", cmd::kLineTool},
        {"中点", cmd::kMidpoint},
        {"交点", cmd::kIntersection},
        {"垂线段", cmd::kPerpendicular},
        {"平行线", cmd::kParallel},
        {"公垂线段", cmd::kCommonPerpendicular},
        {"圆", cmd::kCircleThroughThreePoints},
        {"平面", cmd::kFace},
        {"截面", cmd::kSection},
        {"展开图", cmd::kNet},
        {nullptr, 0},
        {"正方体", kCubeButton, &AddToolbarCube},
        {"正三棱锥", kTetrahedronButton, &AddToolbarTetrahedron},
        {"球", cmd::kGeometricSphere},
        {nullptr, 0},
        {"图元集", cmd::kFigureSet},
        {"组件", cmd::kComponent},
        {nullptr, 0},
        {"文本", cmd::kAddText},
    };
}

std::vector<ToolButton> ViewToolBarButtons() {
    return {
        {"全屏", cmd::kFullScreen},
        {"管理器", cmd::kManagerBar},
        {nullptr, 0},
        {"透视类型", cmd::kCycleProjection},
        {"三视图", cmd::kThreeView},
        {nullptr, 0},
        {"上一页", cmd::kPreviousPage},
        {"下一页", cmd::kNextPage},
        {nullptr, 0},
        {"放大", cmd::kZoomIn},
        {"缩小", cmd::kZoomOut},
        {nullptr, 0},
        {"旋转Z+", cmd::kRotateZForward},
        {"旋转Z-", cmd::kRotateZBackward},
        {"旋转X+", cmd::kRotateXForward},
        {"旋转X-", cmd::kRotateXBackward},
        {"旋转D", cmd::kRotateCustomAxis},
        {nullptr, 0},
        {"复位", cmd::kReset},
        {"播放", cmd::kStartStop},
        {nullptr, 0},
        {"点选图元", cmd::kSelectTool},
        {"锁定选择", cmd::kLockSelection},
        {"框选图象", cmd::kSelectRegion},
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
        const int id = button.id;
        QAction* item = actions.Action(id);
        // Sharing the menu item's icon reads each picture once.
        QAction* tool = bar.addAction(item != nullptr ? item->icon() : CommandIcon(id), text);
        tool->setToolTip(QString::fromUtf8(button.tip));
        if (button.add != nullptr) {
            QObject::connect(tool, &QAction::triggered, &actions,
                             [&actions, &doc, add = button.add] {
                                 add(doc);
                                 actions.UpdateStates();
                             });
            continue;
        }
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
