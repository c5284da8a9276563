#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>

namespace velnor::test {

// Types text as an input method commits it, which is how Chinese reaches an editor.
inline void TypeText(QWidget& editor, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&editor, &event);
}

}  // namespace velnor::test
