#pragma once

#include <string>

namespace velnor {

// The one way the core tells the user that something was refused. The desktop program shows
// a modal box; tests and velnor-cli record or print the text. Texts are UTF-8.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // A failure rather than a refusal (a file that cannot be opened): the desktop program shows it
    // with a warning icon.
    virtual void ShowWarning(const std::string& text) { ShowMessage(text); }
};

// Installs the sink that ShowMessage reaches; nullptr drops messages. Returns the previous one.
IMessageSink* SetMessageSink(IMessageSink* sink);

void ShowMessage(const std::string& text);
void ShowWarning(const std::string& text);

}  // namespace velnor
