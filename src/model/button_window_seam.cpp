#include "model/button_window_seam.h"

namespace velnor {

namespace {

class NoButtonWindows final : public IButtonWindows {
public:
    void Create(uint16_t, const std::string&, const CRect&) override {}
    void Destroy(uint16_t) override {}
    void Show(uint16_t, bool) override {}
    void Move(uint16_t, const CRect&) override {}
    void SetCaption(uint16_t, const std::string&) override {}
};

NoButtonWindows g_noButtonWindows;
IButtonWindows* g_windows = nullptr;

}  // namespace

IButtonWindows* SetButtonWindows(IButtonWindows* windows) {
    IButtonWindows* previous = g_windows;
    g_windows = windows;
    return previous;
}

IButtonWindows& ButtonWindows() { return g_windows ? *g_windows : g_noButtonWindows; }

}  // namespace velnor
