#include "editing/cmd_release_solid.h"

#include "model/button_cells.h"
#include "model/document.h"

namespace velnor {

namespace {

// The saved arrays may be shorter than the targets (a button never run), so either end is checked.
template <typename T>
std::optional<T> TakeAt(std::vector<T>& values, size_t position) {
    if (position >= values.size()) {
        return std::nullopt;
    }
    const T value = values[position];
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(position));
    return value;
}

template <typename T>
void PutBackAt(std::vector<T>& values, size_t position, const std::optional<T>& value) {
    if (value && position <= values.size()) {
        values.insert(values.begin() + static_cast<std::ptrdiff_t>(position), *value);
    }
}

}  // namespace

CCmdReleaseSolid::CCmdReleaseSolid(CPlomDoc& doc, int solidKey)
    : CCmd("删除图元"), m_pDoc(&doc), m_nSolidKey(solidKey) {}

bool CCmdReleaseSolid::Redo() {
    m_released.clear();
    for (auto& [key, button] : m_pDoc->CurrentPage().m_buttons) {
        std::vector<int>& targets = button->m_targetSolids;
        // From the back, so that putting back in reverse order finds each position as it was.
        for (size_t i = targets.size(); i-- > 0;) {
            if (targets[i] != m_nSolidKey) {
                continue;
            }
            targets.erase(targets.begin() + static_cast<std::ptrdiff_t>(i));
            Released released{.button = key, .position = i};
            if (auto* translate = dynamic_cast<CBtnTranslate*>(button.get())) {
                released.savedPos = TakeAt(translate->m_savedSolidPos, i);
            } else if (auto* rotate = dynamic_cast<CBtnRotatef*>(button.get())) {
                released.savedPos = TakeAt(rotate->m_savedSolidPos, i);
                released.savedAxis = TakeAt(rotate->m_savedSolidAxis, i);
                released.savedAngle = TakeAt(rotate->m_savedSolidAngle, i);
            }
            m_released.push_back(released);
        }
    }
    return true;
}

bool CCmdReleaseSolid::Undo() {
    CellMap<CBtCmd>& buttons = m_pDoc->CurrentPage().m_buttons;
    for (auto it = m_released.rbegin(); it != m_released.rend(); ++it) {
        const auto found = buttons.find(it->button);
        if (found == buttons.end()) {
            continue;
        }
        CBtCmd& button = *found->second;
        std::vector<int>& targets = button.m_targetSolids;
        targets.insert(targets.begin() + static_cast<std::ptrdiff_t>(it->position), m_nSolidKey);
        if (auto* translate = dynamic_cast<CBtnTranslate*>(&button)) {
            PutBackAt(translate->m_savedSolidPos, it->position, it->savedPos);
        } else if (auto* rotate = dynamic_cast<CBtnRotatef*>(&button)) {
            PutBackAt(rotate->m_savedSolidPos, it->position, it->savedPos);
            PutBackAt(rotate->m_savedSolidAxis, it->position, it->savedAxis);
            PutBackAt(rotate->m_savedSolidAngle, it->position, it->savedAngle);
        }
    }
    m_released.clear();
    return true;
}

}  // namespace velnor
