#include "richtext/rtf_escape.h"

#include <cstdint>
#include <cstdio>

#include "encoding/cp936.h"

namespace velnor {

namespace {

// One UTF-16 unit as \uN, followed by two bytes for readers that do not know \u: the code page
// 936 bytes of the character where it has them.
void AppendUnicode(std::string& out, char16_t unit, const QString& character) {
    out += "\\u" + std::to_string(static_cast<int16_t>(unit));
    const std::string bytes = Utf8ToCp936(character.toStdString());
    if (bytes.size() == 2) {
        out += RtfHexByte(static_cast<unsigned char>(bytes[0])) +
               RtfHexByte(static_cast<unsigned char>(bytes[1]));
    } else {
        out += "??";
    }
}

}  // namespace

std::string RtfHexByte(unsigned char byte) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\'%02x", byte);
    return escape;
}

std::string EscapeRtfText(const QString& text) {
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c.unicode());
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c == QChar::Nbsp) {
            out += "\\~";
        } else if (c.unicode() >= 0x20 && c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
        } else if (c.isHighSurrogate() && i + 1 < text.size()) {
            const QString pair = text.mid(i, 2);
            AppendUnicode(out, c.unicode(), pair);
            AppendUnicode(out, text[i + 1].unicode(), pair);
            ++i;
        } else if (c.unicode() >= 0x80) {
            AppendUnicode(out, c.unicode(), QString(c));
        }
    }
    return out;
}

}  // namespace velnor
