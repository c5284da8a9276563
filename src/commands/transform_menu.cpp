#include "buttons/add_button_commands.h"
#include "commands/command_ids.h"
#include "commands/menu_items.h"
#include "commands/transform_definition_commands.h"
#include "editing/transform_commands.h"
#include "model/document.h"

namespace velnor {

namespace {

bool CanTransformSelection(const CPlomDoc& doc) {
    return CanTransform(doc.CurrentPage());
}

template <ButtonKind kKind>
CommandEntry ButtonItem(int id, std::string text, std::string prompt) {
    return DocumentItem(
        id, std::move(text), std::move(prompt),
        [](CPlomDoc& doc, const CommandParams&) {
            AddButtonFromSelection(doc, kKind);
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return CanAddButton(doc.CurrentPage(), kKind); });
}

CommandEntry DefinitionItem(int id, std::string text, std::string prompt,
                            CommandOperation operation, std::vector<std::string> params,
                            bool dialogFirst) {
    CommandEntry entry = DocumentItem(id, std::move(text), std::move(prompt), std::move(operation));
    entry.params = std::move(params);
    entry.dialogFirst = dialogFirst;
    return entry;
}

std::vector<CommandEntry> ViewAnimationItems() {
    std::vector<CommandEntry> items{
        ViewItem(32877, "绕X轴正转", "绕X轴正转", {"↓"}),
        ViewItem(32878, "绕X轴反转", "绕X轴反转", {"↑"}),
        ViewItem(32875, "绕Z轴正转", "绕Z轴正转", {"→"}),
        ViewItem(32876, "绕Z轴反转", "绕Z轴反转", {"←"}),
        ViewItem(33021, "绕Y轴反转", "绕Y轴反转", {"Ctrl+U"}),
        ViewItem(33020, "绕Y轴正转", "绕Y轴正转", {"Ctrl+Y"}),
        ViewItem(32982, "绕自定义轴旋转", "绕自定义轴旋转", {"Ctrl+D"}),
        ViewItem(32985, "自定义旋转轴", "自定义旋转轴"),
        ViewItem(33221, "放大", "放大"),
        ViewItem(33222, "缩小", "缩小"),
        ViewItem(33100, "左移", "左移", {"Shift+←"}),
        ViewItem(33101, "右移", "右移", {"Shift+→"}),
        ViewItem(33102, "上移", "上移", {"Shift+↑"}),
        ViewItem(33103, "下移", "下移", {"Shift+↓"}),
        ViewItem(32891, "近移", "近移图形", {"Ctrl+↓"}),
        ViewItem(32892, "远移", "远移图形", {"Ctrl+↑"}),
        ViewItem(32987, "加速", "加速", {"Ctrl+→"}),
        ViewItem(32988, "减速", "减速", {"Ctrl+←"}),
    };
    return InMenu("变换/视变换动画", std::move(items));
}

std::vector<CommandEntry> SelectionTransformItems() {
    std::vector<CommandEntry> items{
        DocumentItem(32948, "平移", "按指定向量平移所选点", Plain(TranslateSelection),
                     CanTransformSelection),
        DocumentItem(32947, "旋转", "绕指定轴旋转所选点", Plain(RotateSelection),
                     CanTransformSelection),
        DocumentItem(33116, "缩放", "以原点为中心对选取的对象按缩放比进行缩放",
                     Plain(ScaleSelection), CanTransformSelection),
    };
    return InMenu("变换", std::move(items));
}

std::vector<CommandEntry> ButtonItems() {
    std::vector<CommandEntry> items{
        ButtonItem<kButtonShow>(cmd::kShowButton, "隐藏/显示", "添加\"隐藏/显示\"按钮"),
        ButtonItem<kButtonTranslate>(33193, "平移", "添加\"平移\"按钮"),
        ButtonItem<kButtonRotate>(33196, "旋转", "添加\"旋转\"按钮"),
        ButtonItem<kButtonParallel>(33198, "并行系列", "添加\"并行动作系列\"按钮"),
        ButtonItem<kButtonSerial>(33199, "串行系列", "添加\"串行动作系列\"按钮"),
    };
    return InMenu("变换/动画按钮", std::move(items));
}

std::vector<CommandEntry> DefinitionItems() {
    std::vector<CommandEntry> items{
        DefinitionItem(32941, "定义平移向量", "定义平移向量", DefineTranslation, {"x", "y", "z"},
                       false),
        DefinitionItem(32943, "定义旋转轴", "定义点动画旋转轴", DefineRotationAxis,
                       {"dx", "dy", "dz", "px", "py", "pz"}, false),
        DefinitionItem(32972, "定义旋转角...", "定义旋转角", DefineRotationAngle, {"angle"}, true),
        DefinitionItem(33118, "定义缩放比...", "定义缩放比", DefineScaleFactors, {"sx", "sy", "sz"},
                       true),
    };
    return InMenu("变换", std::move(items));
}

std::vector<CommandEntry> SpeedItems() {
    std::vector<CommandEntry> items{
        ViewItem(33212, "快速", "快速"), ViewItem(33213, "较快", "较快"),
        ViewItem(33214, "中速", "中速"), ViewItem(33217, "较慢", "较慢"),
        ViewItem(33216, "慢速", "慢速"),
    };
    return InMenu("变换/定义速度", std::move(items));
}

}  // namespace

std::vector<CommandEntry> TransformMenu() {
    std::vector<CommandEntry> timer{
        ViewItem(32745, "启动/停止", "动画启动/停止", {"Ctrl+Enter"}),
        ViewItem(32794, "复位", "恢复到变换的初始位置", {"Home"}),
    };
    std::vector<CommandEntry> items = InMenu("变换", std::move(timer));
    AppendMenu(items, ViewAnimationItems());
    AppendMenu(items, SelectionTransformItems());
    AppendMenu(items, ButtonItems());
    AppendMenu(items, DefinitionItems());
    AppendMenu(items, SpeedItems());
    return items;
}

}  // namespace velnor
