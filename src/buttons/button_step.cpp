#include "buttons/button_step.h"

namespace velnor {

bool StepButton(CGpage& page, CBtCmd& button) {
    if (auto* show = dynamic_cast<CBtnShow*>(&button)) {
        return StepShow(page, *show);
    }
    if (auto* translate = dynamic_cast<CBtnTranslate*>(&button)) {
        return StepTranslate(page, *translate);
    }
    if (auto* rotate = dynamic_cast<CBtnRotatef*>(&button)) {
        return StepRotate(page, *rotate);
    }
    if (auto* parallel = dynamic_cast<CBtnSerues*>(&button)) {
        return StepParallel(page, *parallel);
    }
    if (auto* serial = dynamic_cast<CBtnSerues2*>(&button)) {
        return StepSerial(page, *serial);
    }
    return false;
}

}  // namespace velnor
