#pragma once

#include <QString>

#include "commands/command_entry.h"

class QWidget;

namespace velnor {

class CPlomDoc;
class ValuesDialog;

// Opens the dialog of a command (by its id; for the properties command, the one the selection
// calls for), filled with the current values or the defaults. On OK the values, already accepted
// by the command's own check, are in `values`, ready for the command. False when the user
// cancelled, when the dialog has said all there is to say (the report of a selection), or when the
// command has no dialog.
bool AskForValues(const CommandEntry& entry, CPlomDoc& doc, CommandParams& values, QWidget* parent);

// Whether the command has a dialog of its own; without one it runs with the values it is given.
bool HasValuesDialog(int commandId);

// What a dialog is opened for.
struct DialogContext {
    const CommandEntry& entry;
    CPlomDoc& doc;
    QWidget* parent;
};

// Ends the dialog with its two buttons and runs it modally with the command's check; on OK its
// values go to `values`.
bool RunValuesDialog(ValuesDialog& dialog, const DialogContext& context, CommandParams& values,
                     const QString& okText = QStringLiteral("确定"),
                     const QString& cancelText = QStringLiteral("取消"));

// The dialogs, one file each.
bool AskFigureSet(const DialogContext& context, CommandParams& values);          // 创建图元集
bool AskNewComponent(const DialogContext& context, CommandParams& values);       // 组件, 新建
bool AskComponentChange(const DialogContext& context, CommandParams& values);    // 组件, 应用
bool AskRatio(const DialogContext& context, CommandParams& values);              // 输入定比
bool AskLatitudeLongitude(const DialogContext& context, CommandParams& values);  // 球上的点
bool AskSolidArray(const DialogContext& context, CommandParams& values);         // 组件阵列
bool AskSectionAnimation(const DialogContext& context, CommandParams& values);   // 截面动画
bool AskTranslation(const DialogContext& context, CommandParams& values);        // 平移
bool AskRotationAxis(const DialogContext& context, CommandParams& values);       // 旋转轴定义
bool AskRotationAngle(const DialogContext& context, CommandParams& values);      // 旋转角
bool AskScale(const DialogContext& context, CommandParams& values);              // 定义缩放比
bool AskRelabel(const DialogContext& context, CommandParams& values);  // 批量修改标签
bool AskColour(const DialogContext& context, CommandParams& values);   // 修改点的/文本颜色
bool AskProperties(const DialogContext& context, CommandParams& values);  // by the selection
bool AskPoint(const DialogContext& context, CommandParams& values);       // 点属性
bool AskPage(const DialogContext& context, CommandParams& values);        // 页属性
bool AskButton(const DialogContext& context, CommandParams& values);      // the four buttons'

}  // namespace velnor
