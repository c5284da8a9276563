#pragma once

#include <string>
#include <vector>

#include "model/message_seam.h"

namespace velnor::test {

// Records every message the core shows while it is alive, and restores the previous sink after.
class RecordingMessages final : public IMessageSink {
public:
    RecordingMessages() : m_previous(SetMessageSink(this)) {}
    ~RecordingMessages() override { SetMessageSink(m_previous); }
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;

    void ShowMessage(const std::string& text) override { texts.push_back(text); }

    std::vector<std::string> texts;

private:
    IMessageSink* m_previous;
};

}  // namespace velnor::test
