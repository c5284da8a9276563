#include "shell/key_sequences.h"

#include <QString>

#include <algorithm>
#include <array>
#include <utility>

namespace velnor {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 9> kKeyNames = {{
    {"←", "Left"},
    {"→", "Right"},
    {"↑", "Up"},
    {"↓", "Down"},
    {"PageUp", "PgUp"},
    {"PageDown", "PgDown"},
    {"Delete", "Del"},
    {"Insert", "Ins"},
    {"Enter", "Return"},
}};

QString PortableText(const std::string& key) {
    QString text = QString::fromStdString(key);
    for (const auto& [shown, portable] : kKeyNames) {
        text.replace(QString::fromUtf8(shown), QString::fromLatin1(portable));
    }
    return text;
}

// Ctrl with a letter is the key people know a command by (Ctrl+Z beside Alt+Backspace).
bool IsCtrlLetter(const QKeySequence& sequence) {
    const QKeyCombination key = sequence[0];
    return sequence.count() == 1 && key.keyboardModifiers() == Qt::ControlModifier &&
           key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
}

}  // namespace

QList<QKeySequence> KeySequences(const std::vector<std::string>& keys) {
    QList<QKeySequence> sequences;
    for (const std::string& key : keys) {
        const QString portable = PortableText(key);
        sequences.append(QKeySequence::fromString(portable, QKeySequence::PortableText));
        if (portable.endsWith(QStringLiteral("Return"))) {
            QString keypad = portable;
            keypad.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
            sequences.append(QKeySequence::fromString(keypad, QKeySequence::PortableText));
        }
    }
    // A menu shows the first key only.
    std::stable_partition(sequences.begin(), sequences.end(), IsCtrlLetter);
    return sequences;
}

}  // namespace velnor
