#pragma once

#include <QObject>
#include <QTimer>

class QOpenGLWidget;

namespace velnor {

class CommandActions;

// Keeps the commands' enabling, checks and texts current without polling, so that a window
// left alone wakes nothing. They are worked out again after what can change them: the user's
// input, a frame of the view (every change of the document shows there) and the window's coming
// to the front (after a copy in another program); once for all that came in one turn of the
// event loop. Not on each change of the clipboard: asking an owner that does not answer costs
// seconds, and it would be asked again at every change.
class ActionStateRefresh : public QObject {
public:
    ActionStateRefresh(CommandActions& actions, QOpenGLWidget& view, QObject* parent);
    ~ActionStateRefresh() override;

    void Schedule();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer m_turn;
};

}  // namespace velnor
