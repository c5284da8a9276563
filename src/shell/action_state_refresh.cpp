#include "shell/action_state_refresh.h"

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLWidget>

#include "shell/command_actions.h"

namespace velnor {

namespace {

bool CanChangeStates(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Drop:
        case QEvent::WindowActivate:
            return true;
        default:
            return false;
    }
}

}  // namespace

ActionStateRefresh::ActionStateRefresh(CommandActions& actions, QOpenGLWidget& view,
                                       QObject* parent)
    : QObject(parent) {
    m_turn.setSingleShot(true);
    m_turn.setInterval(0);
    connect(&m_turn, &QTimer::timeout, &actions, &CommandActions::UpdateStates);
    connect(&view, &QOpenGLWidget::frameSwapped, this, &ActionStateRefresh::Schedule);
    QCoreApplication::instance()->installEventFilter(this);
}

ActionStateRefresh::~ActionStateRefresh() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void ActionStateRefresh::Schedule() {
    if (!m_turn.isActive()) {
        m_turn.start();
    }
}

bool ActionStateRefresh::eventFilter(QObject* watched, QEvent* event) {
    if (CanChangeStates(event->type())) {
        Schedule();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velnor
