#pragma once

#include <QGroupBox>

class QSpinBox;

namespace velnor {

class AutoSave;

// The autosave interval in minutes, 0 shown as "关闭". A preference of the program, not of the
// document: changing it leaves the document unmodified and is not saved in the file.
class AutoSaveField : public QGroupBox {
    Q_OBJECT

public:
    explicit AutoSaveField(AutoSave& autoSave, QWidget* parent = nullptr);

private:
    AutoSave& m_autoSave;
    QSpinBox* m_minutes = nullptr;
};

}  // namespace velnor
