#include "persistence/json_writer.h"

#include <charconv>
#include <cmath>

namespace velnor {

namespace {

void AppendHex4(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) {
        out += kDigits[(value >> shift) & 0xF];
    }
}

// The length of the UTF-8 sequence that starts at s[i], or 0 when the bytes there are not one.
// Surrogates pass: they are the escapes of bytes that are not code page 936.
size_t SequenceLength(std::string_view s, size_t i) {
    const auto byte = [&](size_t k) {
        return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u;
    };
    const unsigned lead = byte(i);
    size_t length = 0;
    unsigned low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (size_t k = 2; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

void JsonWriter::NewLine() {
    m_out += '\n';
    m_out.append(m_levels.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty()) {
        return;
    }
    Level& level = m_levels.back();
    if (!level.empty) {
        m_out += level.inlined ? ", " : ",";
    }
    level.empty = false;
    if (!level.inlined) {
        NewLine();
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    m_out += '{';
    m_levels.push_back({});
}

void JsonWriter::EndObject() {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) {
        NewLine();
    }
    m_out += '}';
    if (m_levels.empty()) {
        m_out += '\n';
    }
}

void JsonWriter::BeginArray(bool inlined) {
    BeforeValue();
    m_out += '[';
    m_levels.push_back({inlined, true});
}

void JsonWriter::EndArray() {
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.empty && !level.inlined) {
        NewLine();
    }
    m_out += ']';
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    String(key);
    m_out += ": ";
    m_afterKey = true;
    return *this;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    m_out += '"';
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
            case '"':
                m_out += "\\\"";
                continue;
            case '\\':
                m_out += "\\\\";
                continue;
            case '\n':
                m_out += "\\n";
                continue;
            case '\r':
                m_out += "\\r";
                continue;
            case '\t':
                m_out += "\\t";
                continue;
            default:
                break;
        }
        if (c < 0x20) {
            AppendHex4(m_out, c);
        } else if (c < 0x80) {
            m_out += static_cast<char>(c);
        } else if (const size_t length = SequenceLength(utf8, i); length == 0) {
            // A stray byte gets the escape of a stored byte that is not code page 936.
            AppendHex4(m_out, 0xDC00 | c);
        } else if (c == 0xED && (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0xA0) {
            // A surrogate code point, as the byte escapes of cp936.h are.
            const unsigned code = 0xD000 | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            AppendHex4(m_out, code);
            i += 2;
        } else {
            m_out.append(utf8.substr(i, length));
            i += length - 1;
        }
    }
    m_out += '"';
}

// Shortest text that reads back to the same value, in the value's own precision.
template <typename Real>
void JsonWriter::AppendReal(Real value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        m_out += "null";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_out.append(buffer, result.ptr);
}

void JsonWriter::Number(double value) {
    AppendReal(value);
}

void JsonWriter::Number(float value) {
    AppendReal(value);
}

void JsonWriter::Integer(int64_t value) {
    BeforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out += value ? "true" : "false";
}

}  // namespace velnor
