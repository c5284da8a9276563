#include "shell/lock_key_indicators.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include "shell/x11_lock_lights.h"

namespace velnor {

namespace {

constexpr std::array<const char*, 3> kPaneTexts{"大写", "数字", "滚动"};

}  // namespace

LockKeyIndicators::LockKeyIndicators(QStatusBar& bar) : QObject(&bar) {
    for (size_t i = 0; i < m_panes.size(); ++i) {
        auto* pane = new QLabel(&bar);
        const QString text = QString::fromUtf8(kPaneTexts[i]);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
        pane->setAlignment(Qt::AlignCenter);
        bar.addPermanentWidget(pane);
        m_panes[i] = pane;
    }
    qApp->installEventFilter(this);
    Refresh();
}

void LockKeyIndicators::Refresh() {
    const auto lights = ReadLockLights();
    for (size_t i = 0; i < m_panes.size(); ++i) {
        const bool on = lights && (*lights)[i];
        m_panes[i]->setText(on ? QString::fromUtf8(kPaneTexts[i]) : QString());
    }
}

bool LockKeyIndicators::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
            Refresh();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace velnor
