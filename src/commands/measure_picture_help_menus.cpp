#include "commands/command_error.h"
#include "commands/command_ids.h"
#include "commands/material_commands.h"
#include "commands/menu_items.h"
#include "editing/measure_commands.h"
#include "editing/rich_text_cells.h"
#include "geometry/measure_enabling.h"
#include "geometry/measure_types.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "model/text_renderer_seam.h"

namespace velnor {

namespace {

template <int kRequest>
CommandEntry MeasureItem(int id, std::string text, std::string prompt) {
    return DocumentItem(
        id, std::move(text), std::move(prompt),
        [](CPlomDoc& doc, const CommandParams&) {
            RunMeasureCommand(doc, kRequest);
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return CanAddMeasureText(doc.CurrentPage(), kRequest); });
}

CommandEntry TextColourItem() {
    CommandEntry entry = DocumentItem(
        33112, "修改文本颜色", "修改文字颜色", [](CPlomDoc& doc, const CommandParams& params) {
            const Rgb current = doc.Settings().m_textColor;
            SetTextColour(doc, {params.Byte("r", current.r), params.Byte("g", current.g),
                                params.Byte("b", current.b)});
            return CommandOutcome::kDone;
        });
    entry.params = {"r", "g", "b"};
    entry.dialogFirst = true;
    return entry;
}

// Without a text the windows open the text editor, which hands its result to AddRichText; a
// script's text is drawn in the editor's default font.
CommandEntry AddTextItem() {
    CommandEntry entry = DocumentItem(
        cmd::kAddText, "添加文本", "插入文本", [](CPlomDoc& doc, const CommandParams& params) {
            if (!params.Has("text")) {
                return CommandOutcome::kViewTakesOver;
            }
            const ITextRenderer* renderer = TextRenderer();
            if (renderer == nullptr) {
                throw CommandError("添加文本 cannot draw a text here");
            }
            AddRichText(doc, renderer->RenderPlainText(params.Text("text", "")));
            return CommandOutcome::kDone;
        });
    entry.params = {"text"};
    return entry;
}

// A script gives the preset size of the screen region; from the menu its dialog asks.
CommandEntry RegionSizeItem() {
    CommandEntry entry = ViewItem(33130, "设置区域...", "为选取图象区域预设宽度和高度");
    entry.params = {"width", "height"};
    return entry;
}

// Two selected vertices, or else the one selected line.
CommandEntry DistanceItem() {
    return DocumentItem(
        33160, "两点间距离", "两点间距离",
        [](CPlomDoc& doc, const CommandParams&) {
            RunMeasureCommand(doc, DistanceMeasureRequest(doc.CurrentPage()));
            return CommandOutcome::kDone;
        },
        PageAllows(CanMeasureDistance));
}

}  // namespace

std::vector<CommandEntry> MeasureMenu() {
    std::vector<CommandEntry> items{
        MeasureItem<kPointCoordinates>(33167, "点的坐标", "点的坐标"),
        MeasureItem<kPlaneEquation>(33254, "面的方程", "面的方程"),
        MeasureItem<kLineLineAngle>(33164, "线线角", "线线角"),
        MeasureItem<kLinePlaneAngle>(33165, "线面角", "线面角"),
        MeasureItem<kDihedralAngle>(33166, "二面角", "二面角"),
        MeasureItem<kVertexAngle>(33258, "角(选三点)", "度量三点所定角的值"),
        DistanceItem(),
        MeasureItem<kPointLineDistance>(33162, "点到直线距离", "点到直线距离"),
        MeasureItem<kPointPlaneDistance>(33163, "点到平面距离", "点到平面距离"),
        MeasureItem<kLineLineDistance>(33249, "线与线的距离", "线线距离"),
        MeasureItem<kFaceArea>(33169, "面积", "三角形面积"),
        MeasureItem<kTetraVolume>(33251, "四面体体积(选四点)", "四面体体积"),
    };
    return InMenu("度量", std::move(items));
}
std::vector<CommandEntry> PictureMenu() {
    std::vector<CommandEntry> items{
        AddTextItem(),
        TextColourItem(),
        TakesFile(ViewItem(33060, "打开图象", "打开图象用于背景或贴图")),
        ViewItem(33099, "粘帖图象", "粘帖图象转为位图并显示"),
        ViewItem(33061, "显示图象", "显示/隐藏背景图"),
        ViewItem(33073, "移动图象", "用鼠标拖动图象"),
        ViewItem(33062, "选择区域", "选择屏幕上的一个区域供保存或缩放"),
        RegionSizeItem(),
        ViewItem(33075, "缩放图象", "缩放图象至选择的区域内"),
        ViewItem(33077, "裁剪图象", "显示选框内的部分图象"),
        ViewItem(33065, "用于贴图", "将打开的图象用于贴图"),
        ViewItem(33096, "转为位图", "将图象转为位图文本"),
        ViewItem(33081, "图象复原", "将图象恢复为打开时的状态"),
        TakesFile(ViewItem(33064, "保存截图", "保存屏幕上的已选区域到文件中")),
        ViewItem(33128, "关闭图象", "删除图象"),
        ShellItem(cmd::kRecordAnimation, "录制动画...", "录制按钮的动画，保存为GIF或WebP动画"),
    };
    return InMenu("图文", std::move(items));
}

std::vector<CommandEntry> HelpMenu() {
    std::vector<CommandEntry> items{
        ShellItem(57667, "帮助主题", "列出帮助主题", {"F1"}),
        TakesFile(ShellItem(33033, "示例文件", "打开示例文件", {"F2"})),
        ShellItem(33031, "画板主页", ""),
        ShellItem(57664, "关于画板...", "显示程序信息、版本号和版权"),
    };
    return InMenu("帮助", std::move(items));
}

}  // namespace velnor
