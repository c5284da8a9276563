#pragma once

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace velnor {

// The Caps Lock, Num Lock and Scroll Lock panes at the right of the status bar: "大写", "数字"
// and "滚动" while the lock is on, blank while it is off. The keyboard's lock state comes from
// the X server, read again after every key and whenever the program becomes active; on another
// platform the panes stay blank.
class LockKeyIndicators : public QObject {
    Q_OBJECT

public:
    explicit LockKeyIndicators(QStatusBar& bar);

    void Refresh();
    const std::array<QLabel*, 3>& Panes() const { return m_panes; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> m_panes{};
};

}  // namespace velnor
