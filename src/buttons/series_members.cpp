#include "buttons/series_members.h"

namespace velnor {

CBtCmd* FindButton(CGpage& page, int key) {
    const auto it = page.m_buttons.find(static_cast<uint16_t>(key));
    return it == page.m_buttons.end() ? nullptr : it->second.get();
}

void StartMember(CGpage& page, int key) {
    if (CBtCmd* member = FindButton(page, key)) {
        member->m_bRunning = 1;
    }
}

int MemberTicks(CGpage& page, int key) {
    const CBtCmd* member = FindButton(page, key);
    return member ? member->m_nTicksPerPress : 0;
}

}  // namespace velnor
