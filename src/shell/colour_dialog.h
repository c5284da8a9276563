#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "model/color.h"

class QPushButton;

namespace velnor {

class CGlModel;

// 配色: the eight colours of the scene settings as colour buttons. 应用 writes them back and calls
// `applied`; 黑白 and 默认 set a whole scheme and apply it.
class CGLCOLORDLG : public QDialog {
    Q_OBJECT

public:
    CGLCOLORDLG(CGlModel& settings, std::function<void()> applied, QWidget* parent = nullptr);

    void Apply();
    void BlackAndWhite();
    void Defaults();

private:
    void ShowColours();

    CGlModel& m_settings;
    std::function<void()> m_applied;
    std::array<Rgb, 8> m_colours{};
    std::array<QPushButton*, 8> m_buttons{};
};

}  // namespace velnor
