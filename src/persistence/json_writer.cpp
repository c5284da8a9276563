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
            case '"': m_out += "\\\""; continue;
            case '\\': m_out += "\\\\"; continue;
            case '\n': m_out += "\\n"; continue;
            case '\r': m_out += "\\r"; continue;
            case '\t': m_out += "\\t"; continue;
            default: break;
        }
        if (c < 0x20) {
            AppendHex4(m_out, c);
        } else if (c == 0xED && i + 2 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xE0) == 0xA0) {
            // A surrogate code point, as the byte escapes of cp936.h are.
            const unsigned code = 0xD000 | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
            AppendHex4(m_out, code);
            i += 2;
        } else {
            m_out += static_cast<char>(c);
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

void JsonWriter::Number(double value) { AppendReal(value); }

void JsonWriter::Number(float value) { AppendReal(value); }

void JsonWriter::Integer(int64_t value) {
    BeforeValue();
    m_out += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out += value ? "true" : "false";
}

}  // namespace velnor
