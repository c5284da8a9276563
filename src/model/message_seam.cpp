#include "model/message_seam.h"

namespace velnor {

namespace {
IMessageSink* g_sink = nullptr;
}

IMessageSink* SetMessageSink(IMessageSink* sink) {
    IMessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

void ShowMessage(const std::string& text) {
    if (g_sink) {
        g_sink->ShowMessage(text);
    }
}

void ShowWarning(const std::string& text) {
    if (g_sink) {
        g_sink->ShowWarning(text);
    }
}

}  // namespace velnor
