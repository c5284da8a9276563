#include "richtext/rtf_tokenizer.h"

#include <cctype>

namespace velnor {

namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

int HexDigitOf(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

RtfToken RtfTokenizer::Next() {
    RtfToken token;
    while (m_pos < m_rtf.size()) {
        const char c = m_rtf[m_pos++];
        if (c == '{') {
            token.kind = RtfToken::Kind::kGroupOpen;
            return token;
        }
        if (c == '}') {
            token.kind = RtfToken::Kind::kGroupClose;
            return token;
        }
        if (c == '\\') {
            if (ReadControl(token)) {
                return token;
            }
        } else if (c != '\r' && c != '\n') {
            token.kind = RtfToken::Kind::kByte;
            token.byte = c;
            return token;
        }
    }
    return token;
}

bool RtfTokenizer::ReadControl(RtfToken& token) {
    if (m_pos >= m_rtf.size()) {
        return false;
    }
    const char c = m_rtf[m_pos];
    if (IsLetter(c)) {
        token = ReadControlWord();
        return true;
    }
    ++m_pos;
    if (c == '\'') {
        return ReadHexByte(token);
    }
    token.kind = RtfToken::Kind::kSymbol;
    token.byte = c;
    return true;
}

bool RtfTokenizer::ReadHexByte(RtfToken& token) {
    const int high = m_pos < m_rtf.size() ? HexDigitOf(m_rtf[m_pos]) : -1;
    const int low = m_pos + 1 < m_rtf.size() ? HexDigitOf(m_rtf[m_pos + 1]) : -1;
    if (high < 0 || low < 0) {
        return false;
    }
    m_pos += 2;
    token.kind = RtfToken::Kind::kByte;
    token.byte = static_cast<char>(high * 16 + low);
    return true;
}

RtfToken RtfTokenizer::ReadControlWord() {
    RtfToken token;
    token.kind = RtfToken::Kind::kWord;
    RtfControlWord& control = token.word;
    const size_t start = m_pos;
    while (m_pos < m_rtf.size() && IsLetter(m_rtf[m_pos])) {
        ++m_pos;
    }
    control.word = m_rtf.substr(start, m_pos - start);
    const bool negative = m_pos < m_rtf.size() && m_rtf[m_pos] == '-';
    if (negative) {
        ++m_pos;
    }
    while (m_pos < m_rtf.size() && IsDigit(m_rtf[m_pos])) {
        control.hasNumber = true;
        control.number =
            std::min(control.number * 10 + (m_rtf[m_pos] - '0'), RtfControlWord::kMaxNumber);
        ++m_pos;
    }
    if (negative) {
        control.number = -control.number;
    }
    if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') {
        ++m_pos;
    }
    // The bytes after \binN are data, whatever they look like.
    if (control.word == "bin") {
        const size_t length = std::min<size_t>(static_cast<size_t>(std::max(0LL, control.number)),
                                               m_rtf.size() - m_pos);
        token.kind = RtfToken::Kind::kBinary;
        token.data = m_rtf.substr(m_pos, length);
        m_pos += length;
    }
    return token;
}

}  // namespace velnor
