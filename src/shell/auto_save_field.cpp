#include "shell/auto_save_field.h"

#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

#include "shell/auto_save.h"

namespace velnor {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kMostMinutes = 120;

// An interval set outside the field may not be whole minutes; it never shows as off.
int ShownMinutes(int seconds) {
    if (seconds <= 0) {
        return 0;
    }
    return std::clamp((seconds + kSecondsPerMinute / 2) / kSecondsPerMinute, 1, kMostMinutes);
}

}  // namespace

AutoSaveField::AutoSaveField(AutoSave& autoSave, QWidget* parent)
    : QGroupBox(QStringLiteral("程序选项"), parent), m_autoSave(autoSave) {
    m_minutes = new QSpinBox(this);
    m_minutes->setObjectName(QStringLiteral("AutosaveMinutes"));
    m_minutes->setRange(0, kMostMinutes);
    m_minutes->setSpecialValueText(QStringLiteral("关闭"));
    m_minutes->setSuffix(QStringLiteral(" 分钟"));
    m_minutes->setToolTip(QStringLiteral("程序的设置，不随文件保存"));
    // A typed number counts once it is complete, not digit by digit.
    m_minutes->setKeyboardTracking(false);
    m_minutes->setValue(ShownMinutes(m_autoSave.TimerSeconds()));
    connect(m_minutes, &QSpinBox::valueChanged, this,
            [this](int minutes) { m_autoSave.SetIntervalSeconds(minutes * kSecondsPerMinute); });
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("自动保存间隔"), m_minutes);
}

}  // namespace velnor
