#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "model/button_window_seam.h"
#include "model/rect.h"

namespace velnor::test {

// Keeps the button windows the core asks for, so tests can see which exist and which show.
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
        if (windows.contains(key)) {
            ++doubleCreates;
        }
        windows[key] = {caption, rect, false};
    }
    void Destroy(uint16_t key) override {
        if (windows.erase(key) == 0) {
            ++strayDestroys;
        }
    }
    void Show(uint16_t key, bool visible) override {
        if (auto it = windows.find(key); it != windows.end()) {
            it->second.visible = visible;
        }
    }
    void Move(uint16_t key, const CRect& rect) override {
        if (auto it = windows.find(key); it != windows.end()) {
            it->second.rect = rect;
        }
    }
    void SetCaption(uint16_t key, const std::string& caption) override {
        if (auto it = windows.find(key); it != windows.end()) {
            it->second.caption = caption;
        }
    }

    bool Exists(uint16_t key) const { return windows.contains(key); }
    bool Visible(uint16_t key) const {
        const auto it = windows.find(key);
        return it != windows.end() && it->second.visible;
    }

    std::map<uint16_t, Window> windows;
    int doubleCreates = 0;  // a window created while one with that key exists
    int strayDestroys = 0;  // a window destroyed that did not exist

private:
    IButtonWindows* m_previous;
};

}  // namespace velnor::test
