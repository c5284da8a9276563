#pragma once

#include "model/message_seam.h"

class QWidget;

namespace velnor {

// Shows the core's refusals, and the program's own errors, as modal message boxes.
class MessageBoxSink final : public IMessageSink {
public:
    explicit MessageBoxSink(QWidget* parent) : m_parent(parent) {}
    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;

private:
    QWidget* m_parent;
};

}  // namespace velnor
