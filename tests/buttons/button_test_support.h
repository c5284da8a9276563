#pragma once

#include <memory>

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "model/page.h"

namespace velnor::test {

// Steps the page's running buttons until none needs more ticks; returns how many ticks that took.
inline int TicksUntilIdle(CGpage& page, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (!StepRunningButtons(page)) {
            return tick;
        }
    }
    return -1;
}

inline void Ticks(CGpage& page, int count) {
    for (int i = 0; i < count; ++i) {
        StepRunningButtons(page);
    }
}

template <typename Button>
Button& ButtonAt(CGpage& page, uint16_t key) {
    return dynamic_cast<Button&>(*page.m_buttons.at(key));
}

}  // namespace velnor::test
