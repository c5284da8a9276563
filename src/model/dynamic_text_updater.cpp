#include "model/dynamic_text_updater.h"

namespace velnor {

namespace {
DynamicTextUpdater g_updater = nullptr;
}

DynamicTextUpdater SetDynamicTextUpdater(DynamicTextUpdater updater) {
    const DynamicTextUpdater previous = g_updater;
    g_updater = updater;
    return previous;
}

DynamicTextUpdater InstalledDynamicTextUpdater() {
    return g_updater;
}

}  // namespace velnor
