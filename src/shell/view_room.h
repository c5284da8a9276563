#pragma once

#include <QObject>

class QDockWidget;
class QMainWindow;
class QSplitter;

namespace velnor {

// The notes and the manager give way before the view: however narrow the window, the view keeps
// at least half of its width. The notes pane shrinks first and folds away when it gets too
// narrow to use; the manager is never wider than half the window.
class ViewRoom : public QObject {
    Q_OBJECT

public:
    // `panes` holds the notes at index 0 and the view at index 1.
    ViewRoom(QMainWindow& window, QDockWidget& manager, QSplitter& panes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After the layouts have placed everything: a resize reaches a filter before the layout.
    void ApplySoon();
    void Apply();

    QMainWindow& m_window;
    QDockWidget& m_manager;
    QSplitter& m_panes;
};

}  // namespace velnor
