#include "shell/push_button_windows.h"

#include <QRect>

namespace velnor {

namespace {

QRect ToQRect(const CRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

PushButtonWindows::~PushButtonWindows() {
    for (auto& [key, button] : m_buttons) {
        delete button.data();
    }
}

void PushButtonWindows::Create(uint16_t key, const std::string& caption, const CRect& rect) {
    Destroy(key);
    auto* button = new QPushButton(QString::fromStdString(caption), &m_view);
    button->setGeometry(ToQRect(rect));
    button->setFocusPolicy(Qt::NoFocus);
    button->hide();
    QObject::connect(button, &QPushButton::clicked, button, [this, key] { m_onPress(key); });
    m_buttons[key] = button;
}

void PushButtonWindows::Destroy(uint16_t key) {
    const auto found = m_buttons.find(key);
    if (found != m_buttons.end()) {
        delete found->second.data();
        m_buttons.erase(found);
    }
}

void PushButtonWindows::Show(uint16_t key, bool visible) {
    if (QPushButton* button = Button(key)) {
        button->setVisible(visible);
    }
}

void PushButtonWindows::Move(uint16_t key, const CRect& rect) {
    if (QPushButton* button = Button(key)) {
        button->setGeometry(ToQRect(rect));
    }
}

void PushButtonWindows::SetCaption(uint16_t key, const std::string& caption) {
    if (QPushButton* button = Button(key)) {
        button->setText(QString::fromStdString(caption));
    }
}

QPushButton* PushButtonWindows::Button(uint16_t key) const {
    const auto found = m_buttons.find(key);
    return found == m_buttons.end() ? nullptr : found->second.data();
}

}  // namespace velnor
