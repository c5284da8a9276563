#include "commands/command_ids.h"
#include "commands/display_toggles.h"
#include "commands/menu_items.h"
#include "commands/selection_commands.h"
#include "commands/visibility_commands.h"
#include "editing/page_operations.h"
#include "model/document.h"

namespace velnor {

namespace {

CommandEntry Toggle(int id, std::string text, std::string prompt, void (*toggle)(CPlomDoc&),
                    bool (*state)(const CPlomDoc&)) {
    CommandEntry entry = DocumentItem(id, std::move(text), std::move(prompt), Plain(toggle));
    entry.checked = state;
    return entry;
}

template <SelectionKind kKind>
void SelectVisibleOf(CPlomDoc& doc) {
    SelectVisible(doc, kKind);
}

void NextPageCommand(CPlomDoc& doc) {
    NextPage(doc);
}
void PreviousPageCommand(CPlomDoc& doc) {
    PreviousPage(doc);
}

}  // namespace

std::vector<CommandEntry> ViewMenu() {
    std::vector<CommandEntry> bars{
        ShellItem(59392, "工具栏", "显示或隐藏工具栏"),
        ShellItem(32897, "控制条", "显示/隐藏控制条"),
        ShellItem(32842, "管理栏", "显示/隐藏管理器"),
        ShellItem(59393, "状态栏", "显示或隐藏状态栏"),
        ShellItem(32776, "全屏", "全屏显示"),
        ViewItem(33091, "三视图", "改变视口数", {"F3"}),
        ViewItem(33046, "主视图", "主视图"),
        ViewItem(33049, "俯视图", "俯视图"),
        ViewItem(33050, "左视图", "左视图"),
    };
    std::vector<CommandEntry> projections{
        ViewItem(33040, "中心投影", "中心投影"),
        ViewItem(33041, "正(等测)投影", "正等轴测平行投影"),
        ViewItem(33042, "斜(二测)投影", "斜二轴测平行投影"),
    };
    std::vector<CommandEntry> display{
        Toggle(33171, "光滑着色", "面光滑着色", ToggleSmoothShading, IsSmoothShading),
        DocumentItem(33174, "隐藏对象", "隐藏对象", Plain(HideSelected), CanHideSelected),
        DocumentItem(33175, "显示所有隐藏", "显示所有隐藏", Plain(ShowAllHidden)),
        ViewItem(32920, "显示网格", "显示/隐藏坐标轴"),
        Toggle(33146, "显示小圆点", "显示小圆点", ToggleShowDots, IsShowingDots),
        Toggle(33005, "显示用于消隐的面", "切换是否用填充模式显示当前页的面", ToggleFillFaces,
               IsFillingFaces),
        Toggle(33261, "画三视图时画透视图", "画三视图时画透视图", TogglePerspectiveInThreeViews,
               IsPerspectiveInThreeViews),
    };
    std::vector<CommandEntry> labelSizes{
        ViewItem(33135, "大", "大字标签"),
        ViewItem(33136, "中", "中等字标签"),
        ViewItem(33137, "小", "小字标签"),
    };
    std::vector<CommandEntry> items = InMenu("视图", std::move(bars));
    AppendMenu(items, InMenu("视图/投影类型", std::move(projections)));
    AppendMenu(items, InMenu("视图", std::move(display)));
    AppendMenu(items, InMenu("视图/标签字大小", std::move(labelSizes)));
    AppendMenu(items, InMenu("视图", {ShellItem(33207, "拉开文档窗口", "拉开文档窗口")}));
    return items;
}

std::vector<CommandEntry> SelectMenu() {
    std::vector<CommandEntry> items{
        ViewItem(32844, "点选图元", "选择图元"),
        ViewItem(32827, "锁定选择", "完成作图锁定当前选取内容"),
        DocumentItem(57642, "全选当前页", "选定当前活动页", Plain(SelectCurrentPage), {},
                     {"Ctrl+A"}),
        DocumentItem(32817, "上一页", "上一页", Plain(PreviousPageCommand),
                     [](const CPlomDoc& doc) { return !doc.IsFirstPage(); }, {"PageUp"}),
        DocumentItem(32819, "下一页", "下一页", Plain(NextPageCommand),
                     [](const CPlomDoc& doc) { return !doc.IsLastPage(); }, {"PageDown"}),
        DocumentItem(33205, "选择当前页图元", "选择当前页内所有图元", Plain(SelectAllCells)),
        DocumentItem(33088, "取消选择", "取消选择", Plain(Deselect)),
        DocumentItem(cmd::kSelectVisiblePoints, "选择所有可见点", "选择所有点",
                     Plain(SelectVisibleOf<SelectionKind::kPoints>)),
        DocumentItem(33007, "选择所有可见线", "选择所有线",
                     Plain(SelectVisibleOf<SelectionKind::kLines>)),
        DocumentItem(33084, "选择所有可见面", "选择所有面",
                     Plain(SelectVisibleOf<SelectionKind::kFaces>)),
        DocumentItem(33085, "选择所有可见组件", "选择所有组件（体）",
                     Plain(SelectVisibleOf<SelectionKind::kSolids>)),
        DocumentItem(33200, "选择所有可见按钮", "选择所有命令按钮",
                     Plain(SelectVisibleOf<SelectionKind::kButtons>)),
        DocumentItem(33247, "选择可见动态文本", "选择可见动态文本",
                     Plain(SelectVisibleOf<SelectionKind::kTexts>)),
    };
    return InMenu("选择", std::move(items));
}

}  // namespace velnor
