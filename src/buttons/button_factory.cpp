#include "buttons/button_factory.h"

#include <algorithm>

#include "buttons/series_members.h"
#include "model/button_window.h"

namespace velnor {

namespace {

void TargetPointsAndSolids(const CGpage& page, CBtCmd& button) {
    button.m_targetVerts = page.m_selPoints;
    button.m_targetSolids = page.m_selSolids;
}

void TakeParameters(CGpage& page, CBtCmd& button) {
    if (auto* show = dynamic_cast<CBtnShow*>(&button)) {
        TargetPointsAndSolids(page, *show);
        show->m_targetLines = page.m_selLines;
        show->m_targetFaces = page.m_selFaces;
    } else if (auto* translate = dynamic_cast<CBtnTranslate*>(&button)) {
        translate->m_vector = page.m_translation;
        TargetPointsAndSolids(page, *translate);
        translate->ResizeSaved();
    } else if (auto* rotate = dynamic_cast<CBtnRotatef*>(&button)) {
        rotate->m_axisDir = page.m_axisDir;
        rotate->m_axisPoint = page.m_axisPoint;
        rotate->m_angle = page.m_fAngle;
        TargetPointsAndSolids(page, *rotate);
        rotate->ResizeSaved();
    } else if (auto* parallel = dynamic_cast<CBtnSerues*>(&button)) {
        parallel->m_members = page.m_selButtons;
        int longest = 1;
        for (int key : parallel->m_members) {
            longest = std::max(longest, MemberTicks(page, key));
        }
        parallel->m_nTicksOneWay = parallel->m_nTicksPerPress = longest;
    } else if (auto* serial = dynamic_cast<CBtnSerues2*>(&button)) {
        serial->m_members = page.m_selButtons;
        int total = 1;
        for (int key : serial->m_members) {
            total += MemberTicks(page, key) + 1;
        }
        serial->m_nTicksOneWay = serial->m_nTicksPerPress = total;
    }
}

}  // namespace

std::unique_ptr<CBtCmd> MakeButton(ButtonKind kind) {
    switch (kind) {
        case kButtonShow:
            return std::make_unique<CBtnShow>();
        case kButtonTranslate:
            return std::make_unique<CBtnTranslate>();
        case kButtonRotate:
            return std::make_unique<CBtnRotatef>();
        case kButtonParallel:
            return std::make_unique<CBtnSerues>();
        case kButtonSerial:
            return std::make_unique<CBtnSerues2>();
    }
    return nullptr;
}

uint16_t CreateButton(CGpage& page, ButtonKind kind) {
    const uint16_t key = page.AddButton(MakeButton(kind));
    CBtCmd& button = *page.m_buttons.at(key);
    TakeParameters(page, button);
    CreateButtonWindow(button, true);
    return key;
}

}  // namespace velnor
