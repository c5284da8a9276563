#pragma once

#include <QPointer>
#include <QPushButton>

#include <functional>
#include <map>

#include "model/button_window_seam.h"

class QWidget;

namespace velnor {

// The windows of the current page's action buttons: push buttons on the 3D view. A click hands
// the button's key to `onPress`.
class PushButtonWindows final : public IButtonWindows {
public:
    PushButtonWindows(QWidget& view, std::function<void(uint16_t)> onPress)
        : m_view(view), m_onPress(std::move(onPress)) {}
    ~PushButtonWindows() override;

    void Create(uint16_t key, const std::string& caption, const CRect& rect) override;
    void Destroy(uint16_t key) override;
    void Show(uint16_t key, bool visible) override;
    void Move(uint16_t key, const CRect& rect) override;
    void SetCaption(uint16_t key, const std::string& caption) override;

    // The window of that key, or null.
    QPushButton* Button(uint16_t key) const;

private:
    QWidget& m_view;
    std::function<void(uint16_t)> m_onPress;
    std::map<uint16_t, QPointer<QPushButton>> m_buttons;
};

}  // namespace velnor
