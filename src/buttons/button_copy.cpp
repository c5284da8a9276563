#include "buttons/button_copy.h"

namespace velnor {

namespace {

template <typename Button>
std::unique_ptr<CBtCmd> CopyAs(const CBtCmd& button) {
    if (const auto* typed = dynamic_cast<const Button*>(&button)) {
        return std::make_unique<Button>(*typed);
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<CBtCmd> CopyButton(const CBtCmd& button) {
    for (auto copy : {CopyAs<CBtnShow>, CopyAs<CBtnTranslate>, CopyAs<CBtnRotatef>,
                      CopyAs<CBtnSerues>, CopyAs<CBtnSerues2>}) {
        if (auto made = copy(button)) {
            return made;
        }
    }
    return nullptr;
}

}  // namespace velnor
