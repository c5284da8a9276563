#include "commands/transform_definition_commands.h"

#include "editing/transform_definitions.h"
#include "model/document.h"

namespace velnor {

namespace {

CommandOutcome FromSelection(DefineOutcome outcome) {
    return outcome == DefineOutcome::kNeedsDialog ? CommandOutcome::kNeedsDialog
                                                  : CommandOutcome::kDone;
}

}  // namespace

CommandOutcome DefineTranslation(CPlomDoc& doc, const CommandParams& params) {
    if (params.Empty()) {
        return FromSelection(DefineTranslationFromSelection(doc));
    }
    SetTranslation(doc, params.Vector("x", "y", "z", doc.CurrentPage().m_translation));
    return CommandOutcome::kDone;
}

CommandOutcome DefineRotationAxis(CPlomDoc& doc, const CommandParams& params) {
    if (params.Empty()) {
        return FromSelection(DefineAxisFromSelection(doc));
    }
    const CGpage& page = doc.CurrentPage();
    SetRotationAxis(doc, params.Vector("px", "py", "pz", page.m_axisPoint),
                    params.Vector("dx", "dy", "dz", page.m_axisDir));
    return CommandOutcome::kDone;
}

CommandOutcome DefineRotationAngle(CPlomDoc& doc, const CommandParams& params) {
    SetRotationAngle(doc, params.Float("angle", doc.CurrentPage().m_fAngle));
    return CommandOutcome::kDone;
}

CommandOutcome DefineScaleFactors(CPlomDoc& doc, const CommandParams& params) {
    SetScaleFactors(doc, params.Vector("sx", "sy", "sz", doc.CurrentPage().m_scaleFactors));
    return CommandOutcome::kDone;
}

}  // namespace velnor
