#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "model/button_window_seam.h"

namespace velnor::test {

// Keeps the button windows the core asks for while it is alive, and restores the previous
// implementation after.
class RecordingButtonWindows final : public IButtonWindows {
public:
    struct Window {
        std::string caption;
        CRect rect;
        bool visible = false;
    };

    RecordingButtonWindows() : m_previous(SetButtonWindows(this)) {}
    ~RecordingButtonWindows() override { SetButtonWindows(m_previous); }
    RecordingButtonWindows(const RecordingButtonWindows&) = delete;
    RecordingButtonWindows& operator=(const RecordingButtonWindows&) = delete;

    void Create(uint16_t key, const std::string& caption, const CRect& rect) override {
        windows[key] = Window{caption, rect, false};
    }
    void Destroy(uint16_t key) override { windows.erase(key); }
    void Show(uint16_t key, bool visible) override { windows[key].visible = visible; }
    void Move(uint16_t key, const CRect& rect) override { windows[key].rect = rect; }
    void SetCaption(uint16_t key, const std::string& caption) override {
        windows[key].caption = caption;
    }

    std::map<uint16_t, Window> windows;

private:
    IButtonWindows* m_previous;
};

}  // namespace velnor::test
