#pragma once

#include <QString>

namespace velnor {

class CBtCmd;
class CBtnRotatef;
class CBtnShow;
class CBtnTranslate;
class CGpage;
class CommandParams;
class ValuesDialog;
struct DialogContext;

// The dialogs of the four kinds of button, one file each.
bool AskShowButton(const DialogContext& context, const CBtnShow& button, CommandParams& values);
bool AskTranslateButton(const DialogContext& context, const CBtnTranslate& button,
                        CommandParams& values);
bool AskRotateButton(const DialogContext& context, const CBtnRotatef& button,
                     CommandParams& values);
bool AskSeriesButton(const DialogContext& context, const CBtCmd& button, CommandParams& values);

// The rows every button dialog begins with: "名称:" and the two-way box, which a member of a
// series cannot change (the series runs it).
void AddCaptionRows(ValuesDialog& dialog, const CGpage& page, const CBtCmd& button,
                    const QString& twoWayLabel);

// "修改为当前已选取的图元为操作对象:".
void AddUseSelectionRow(ValuesDialog& dialog);

}  // namespace velnor
