#pragma once

#include <QMainWindow>

#include <memory>

namespace velnor {

class CGpage;
class CPlomView;

// A window holding the 3D view of one page, with the camera's keyboard commands and F4 stepping
// through the display presets.
class PlainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PlainWindow(std::unique_ptr<CGpage> page);
    ~PlainWindow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<CGpage> m_page;
    CPlomView* m_view;
    int m_nPreset = 0;
};

}  // namespace velnor
