#pragma once

#include <QDialog>

namespace velnor {

// 关于画板: the program's name and version, and the licences of the libraries it is built on.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace velnor
