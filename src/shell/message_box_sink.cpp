#include "shell/message_box_sink.h"

#include <QMessageBox>

namespace velnor {

void MessageBoxSink::ShowMessage(const std::string& text) {
    QMessageBox::information(m_parent, QStringLiteral("Velnor"), QString::fromStdString(text));
}

void MessageBoxSink::ShowWarning(const std::string& text) {
    QMessageBox::warning(m_parent, QStringLiteral("Velnor"), QString::fromStdString(text));
}

}  // namespace velnor
