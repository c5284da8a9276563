#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "persistence/little_endian.h"
#include "persistence/stored_class.h"

namespace velnor {

// Writes the object-archive encoding of documents and clipboard data into a byte buffer:
// little-endian primitives, length-prefixed strings, counts and object tags whose class and
// object indices are shared across the whole archive.
class ArchiveWriter {
public:
    ArchiveWriter();

    void Byte(uint8_t value) { *Extend(1) = value; }
    void Bool(bool value) { Byte(value ? 1 : 0); }
    void Word(uint16_t value) { Put(value); }
    void Dword(uint32_t value) { Put(value); }
    void Long(int32_t value) { Put(static_cast<uint32_t>(value)); }
    void Float(float value) { Put(std::bit_cast<uint32_t>(value)); }
    void Double(double value) { Put(std::bit_cast<uint64_t>(value)); }
    // Floats in a row, as Float() writes each, with one room check for all of them.
    void Floats(std::span<const float> values) { Append(values.data(), values.size_bytes()); }
    void Bytes(std::span<const uint8_t> bytes) { Append(bytes.data(), bytes.size()); }
    // A UTF-8 string, stored as code page 936, or as a 16-bit string when a character has no
    // code page 936 form, so that what is read back is what was written.
    void String(std::string_view utf8);
    // A string that is code page 936 already.
    void RawString(std::string_view cp936);
    // An element count: a WORD, with an escape to a DWORD from 0xFFFF on.
    void Count(size_t count);
    // A list of ints: its count, then each element as a DWORD.
    void IntList(std::span<const int> values);
    // The tag that starts a newly stored object of that class; the object's record follows.
    void ObjectTag(StoredClass storedClass);

    // Hands over the bytes written.
    std::vector<uint8_t> Take();

private:
    template <typename T>
    void Put(T value) {
        StoreLittleEndian(value, Extend(sizeof value));
    }
    // Makes room for count more bytes and returns where they start. The buffer is sized ahead
    // and the written part tracked apart, so that appending a number is one check and one copy;
    // the vector's own growth keeps its capacity doubling.
    uint8_t* Extend(size_t count) {
        if (m_bytes.size() - m_nWritten < count) {
            Grow(count);
        }
        uint8_t* at = m_bytes.data() + m_nWritten;
        m_nWritten += count;
        return at;
    }
    void Append(const void* data, size_t count) {
        if (count > 0) {
            std::memcpy(Extend(count), data, count);
        }
    }
    void Grow(size_t count);
    void Length(uint64_t length);
    void WideString(std::string_view utf16le);

    std::vector<uint8_t> m_bytes;  // the bytes written, then room for more
    size_t m_nWritten = 0;
    std::array<uint32_t, kStoredClassCount> m_classIndex{};  // 0 while the name is unwritten
    uint32_t m_nextIndex = 1;
};

}  // namespace velnor
