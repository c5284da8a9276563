#include <algorithm>
#include <string>

#include "commands/clipboard_items.h"
#include "commands/command_ids.h"
#include "commands/material_commands.h"
#include "commands/menu_items.h"
#include "commands/properties_command.h"
#include "commands/vertex_line_commands.h"
#include "editing/clear_operation.h"
#include "model/document.h"

namespace velnor {

namespace {

CommandEntry UndoItem() {
    return DocumentItem(
        57643, "撤消", "撤消上一操作",
        [](CPlomDoc& doc, const CommandParams&) {
            doc.CommandProcessor().Undo();
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return doc.CommandProcessor().CanUndo(); },
        {"Alt+Backspace", "Ctrl+Z"});
}

CommandEntry RedoItem() {
    return DocumentItem(
        57644, "重做", "恢复上次撤消的操作",
        [](CPlomDoc& doc, const CommandParams&) {
            doc.CommandProcessor().Redo();
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return doc.CommandProcessor().CanRedo(); }, {"Ctrl+R"});
}

// A script prints into a PDF file, `all=1` for every page; from the menu the print dialog asks.
CommandEntry PrintItem() {
    CommandEntry entry = ShellItem(57607, "打印...", "打印活动文档", {"Ctrl+P"});
    entry.params = {"file", "all"};
    return entry;
}

// A script writes the net into a PDF file, `scale` centimetres for a unit (1 by default) on
// `paper` (A4, A3 or Letter); from the menu a dialog asks, then the preview shows the sheets.
CommandEntry PrintNetItem() {
    CommandEntry entry = ShellItem(cmd::kPrintNet, "打印展开图...",
                                   "按实际大小打印所选多面体的展开图，剪下即可折成立体");
    entry.params = {"file", "scale", "paper"};
    return entry;
}

CommandEntry ClearItem() {
    // A region of the view being selected for an image is the view's state; the view does not
    // offer Clear then, so the document operation runs without it.
    return DocumentItem(
        57632, "清除", "清除选定内容",
        [](CPlomDoc& doc, const CommandParams&) {
            ClearSelected(doc, false);
            return CommandOutcome::kDone;
        },
        [](const CPlomDoc& doc) { return doc.m_bPageSelected || doc.CurrentPage().HasSelection(); },
        {"Delete"});
}

constexpr char kLastLabelLetter = '~';

bool IsLabelCharacter(char c) {
    return c > ' ' && c <= kLastLabelLetter;
}

// Labels are drawn one byte a glyph and the letter counts on by one a vertex, so both stay
// within the printable ASCII characters.
std::string CheckRelabel(const CPlomDoc& doc, const CommandParams& params) {
    const std::string letter = params.Text("letter", "A");
    if (letter.size() != 1 || !IsLabelCharacter(letter[0])) {
        return "起始字母须是一个半角字母或数字。";
    }
    const std::string suffix = params.Text("suffix", "");
    if (!std::all_of(suffix.begin(), suffix.end(), IsLabelCharacter)) {
        return "下标只能由半角字母或数字组成。";
    }
    const auto count = static_cast<int>(doc.CurrentPage().m_selPoints.size());
    if (letter[0] + count - 1 > kLastLabelLetter) {
        return "所选的点太多，从这个字母起的标签超出了范围。";
    }
    return {};
}

CommandEntry RelabelItem() {
    CommandEntry entry = DocumentItem(
        32936, "批量修改标签...", "修改标签",
        [](CPlomDoc& doc, const CommandParams& params) {
            RelabelSelectedVertices(doc, params.Text("letter", "A"), params.Text("suffix", ""));
            return CommandOutcome::kDone;
        },
        HasSelectedVertices);
    entry.params = {"letter", "suffix"};
    entry.dialogFirst = true;
    entry.check = CheckRelabel;
    return entry;
}

CommandEntry VertexColourItem() {
    CommandEntry entry = DocumentItem(
        32959, "修改点的颜色", "设计顶点颜色",
        [](CPlomDoc& doc, const CommandParams& params) {
            ColourSelectedVertices(
                doc, {params.Byte("r", 0), params.Byte("g", 255), params.Byte("b", 0)});
            return CommandOutcome::kDone;
        },
        HasSelectedVertices);
    entry.params = {"r", "g", "b"};
    entry.dialogFirst = true;
    return entry;
}

}  // namespace

std::vector<CommandEntry> FileMenu() {
    std::vector<CommandEntry> items{
        ShellItem(57600, "新建文件", "创建新文档", {"Ctrl+N"}),
        TakesFile(ShellItem(57601, "打开...", "打开现有文档", {"Ctrl+O"})),
        ShellItem(57603, "保存", "保存活动文档", {"Ctrl+S"}),
        TakesFile(ShellItem(57604, "另存为...", "用新名称保存活动文档")),
        TakesFile(ShellItem(33026, "打开RTF文件", "打开RTF文件")),
        TakesFile(ShellItem(33027, "保存RTF文件", "保存RTF文件")),
        PrintItem(),
        ShellItem(57609, "打印预览", "显示整页"),
        PrintNetItem(),
        ShellItem(57606, "打印设置...", "更改打印机选项和打印选项"),
        ShellItem(57616, "最近的文件", "打开此文档"),
        ShellItem(57665, "退出", "退出应用程序；提示保存文档"),
    };
    return InMenu("文件", std::move(items));
}

std::vector<CommandEntry> EditMenu() {
    std::vector<CommandEntry> items{
        UndoItem(),
        RedoItem(),
        CutItem(),
        CopyItem(),
        PasteItem(),
        ClearItem(),
        PropertiesItem(),
        RelabelItem(),
        VertexColourItem(),
        DocumentItem(33188, "修改线的方向", "交换线的始点与终点，从而得到反向量",
                     Plain(ReverseSelectedLines), HasSelectedLines),
        DocumentItem(32901, "当前材质", "将当前材质应用到所定的组件", Plain(ApplyCurrentMaterial),
                     HasSelectedSolids),
        DocumentItem(32994, "立即材质", "将所定组件的材质随当前设置而即时变化",
                     Plain(FollowSceneMaterial), HasSelectedSolids),
        DocumentItem(33123, "随机材质", "选取的点随机着色或组件随机赋材质属性",
                     Plain(RandomColours), HasSelectedVerticesOrSolids),
        ShellItem(57639, "选择性粘贴...", "有选择地插入剪贴板内容"),
        ShellItem(57636, "查找...", "查找指定的文本"),
        ShellItem(57641, "替换", "用其他文本替换特定的文本"),
        ShellItem(57856, "插入新对象...", "插入新的嵌入对象"),
        ShellItem(33023, "链接...", ""),
        ShellItem(57860, "对象属性", ""),
        ShellItem(57872, "(OLE verb items)", "激活嵌入对象或链接对象"),
    };
    return InMenu("编辑", std::move(items));
}

}  // namespace velnor
