#include "shell/view_room.h"

#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QSplitter>

#include <algorithm>

namespace velnor {

ViewRoom::ViewRoom(QMainWindow& window, QDockWidget& manager, QSplitter& panes)
    : QObject(&window), m_window(window), m_manager(manager), m_panes(panes) {
    m_window.installEventFilter(this);
    m_manager.installEventFilter(this);
    m_panes.widget(0)->installEventFilter(this);
    connect(&m_panes, &QSplitter::splitterMoved, this, &ViewRoom::ApplySoon);
}

bool ViewRoom::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            ApplySoon();
            break;
        default:
            break;
    }
    return false;
}

void ViewRoom::ApplySoon() {
    QMetaObject::invokeMethod(this, &ViewRoom::Apply, Qt::QueuedConnection);
}

void ViewRoom::Apply() {
    const int half = m_window.width() / 2;
    m_manager.setMaximumWidth(std::max(m_manager.minimumWidth(), half));
    const bool docked = m_manager.isVisible() && !m_manager.isFloating();
    const int total = m_panes.width() - m_panes.handleWidth();
    const int notesRoom = m_window.width() - half - (docked ? m_manager.width() : 0);
    const int notes = m_panes.sizes().value(0);
    if (notes <= notesRoom) {
        return;
    }
    const int kept = notesRoom >= m_panes.widget(0)->minimumSizeHint().width() ? notesRoom : 0;
    m_panes.setSizes({kept, total - kept});
}

}  // namespace velnor
