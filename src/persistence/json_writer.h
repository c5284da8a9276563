#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velnor {

// Writes indented JSON. Arrays opened as inline stay on one line (for short lists of numbers).
// Strings are UTF-8; the escapes that keep undecodable code page 936 bytes (U+DC80..U+DCFF) are
// written as \u escapes, so the output is always valid UTF-8.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray(bool inlined = false);
    void EndArray();
    JsonWriter& Key(std::string_view key);
    void String(std::string_view utf8);
    void Number(double value);  // not finite: null
    void Number(float value);   // as few digits as read back to the same float
    void Integer(int64_t value);
    void Bool(bool value);

    // Shorthands for a key with a value.
    void Field(std::string_view key, std::string_view utf8) { Key(key).String(utf8); }
    void Field(std::string_view key, const char* utf8) { Key(key).String(utf8); }
    void Field(std::string_view key, double value) { Key(key).Number(value); }
    void Field(std::string_view key, float value) { Key(key).Number(value); }
    void Field(std::string_view key, int64_t value) { Key(key).Integer(value); }
    void Field(std::string_view key, int value) { Key(key).Integer(value); }
    void Field(std::string_view key, uint32_t value) { Key(key).Integer(value); }
    void Field(std::string_view key, uint16_t value) { Key(key).Integer(value); }
    void Field(std::string_view key, uint8_t value) { Key(key).Integer(value); }
    void Field(std::string_view key, bool value) { Key(key).Bool(value); }
    template <typename T>
    void NumberArray(std::string_view key, std::span<const T> values) {
        Key(key).BeginArray(true);
        for (const T& value : values) {
            if constexpr (std::is_floating_point_v<T>) {
                Number(value);
            } else {
                Integer(value);
            }
        }
        EndArray();
    }

    const std::string& Text() const { return m_out; }

private:
    template <typename Real>
    void AppendReal(Real value);
    struct Level {
        bool inlined = false;
        bool empty = true;
    };
    void BeforeValue();
    void NewLine();

    std::string m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

}  // namespace velnor
