#include "shell/dialogs/command_dialogs.h"

#include <map>

#include "commands/command_execution.h"
#include "commands/command_ids.h"
#include "shell/dialogs/values_dialog.h"

namespace velnor {

namespace {

using Asker = bool (*)(const DialogContext&, CommandParams&);

const std::map<int, Asker>& Askers() {
    static const std::map<int, Asker> askers{
        {cmd::kProperties, AskProperties},
        {cmd::kFigureSet, AskFigureSet},
        {cmd::kComponent, AskNewComponent},
        {cmd::kRelabel, AskRelabel},
        {cmd::kDefineTranslation, AskTranslation},
        {cmd::kDefineRotationAxis, AskRotationAxis},
        {cmd::kVertexColour, AskColour},
        {cmd::kDefineRotationAngle, AskRotationAngle},
        {cmd::kRatioPoint, AskRatio},
        {cmd::kSolidArray, AskSolidArray},
        {cmd::kSectionAnimation, AskSectionAnimation},
        {cmd::kTextColour, AskColour},
        {cmd::kDefineScale, AskScale},
        {cmd::kLatitudeLongitude, AskLatitudeLongitude},
    };
    return askers;
}

}  // namespace

bool HasValuesDialog(int commandId) {
    return Askers().contains(commandId);
}

bool AskForValues(const CommandEntry& entry, CPlomDoc& doc, CommandParams& values,
                  QWidget* parent) {
    const auto found = Askers().find(entry.id);
    if (found == Askers().end()) {
        return false;
    }
    return found->second({entry, doc, parent}, values);
}

bool RunValuesDialog(ValuesDialog& dialog, const DialogContext& context, CommandParams& values,
                     const QString& okText, const QString& cancelText) {
    dialog.AddButtons(okText, cancelText);
    dialog.SetCheck([&context](const CommandParams& candidate) {
        return RefusalOf(context.entry, context.doc, candidate);
    });
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    values = dialog.Values();
    return true;
}

}  // namespace velnor
