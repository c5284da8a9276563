#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/little_endian.h"
#include "persistence/stored_class.h"

namespace velnor {

// Reads the encoding that ArchiveWriter writes, from a byte buffer it does not own. Every read
// is checked against the end of the data; damaged data throws ArchiveError naming the problem
// and the byte offset where it was found.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> data) : m_data(data) {}

    uint8_t Byte() { return Get<uint8_t>(); }
    bool Bool() { return Byte() != 0; }
    uint16_t Word() { return Get<uint16_t>(); }
    uint32_t Dword() { return Get<uint32_t>(); }
    int32_t Long() { return static_cast<int32_t>(Dword()); }
    float Float() { return std::bit_cast<float>(Dword()); }
    double Double() { return std::bit_cast<double>(Get<uint64_t>()); }
    // Floats in a row, as Float() reads each, with one bounds check for all of them.
    void Floats(std::span<float> values) {
        std::memcpy(values.data(), Take(values.size_bytes()), values.size_bytes());
    }
    std::span<const uint8_t> Bytes(size_t count) { return {Take(count), count}; }
    // A string as UTF-8; 8-bit strings are code page 936, 16-bit ones UTF-16LE.
    std::string String();
    // The same, into text: the many short names of a document then reuse their own storage.
    void StringInto(std::string& text);
    // A string as code page 936 bytes.
    std::string RawString();
    // An element count, checked to fit in what is left when each element takes at least
    // minElementBytes.
    uint32_t Count(size_t minElementBytes);
    std::vector<int> IntList();
    // Reads an object tag and returns the class of the object whose record follows. A null
    // reference, a reference back to an object read before, an unknown class name or a schema
    // other than 1 is refused.
    StoredClass ObjectTag();
    // Everything from here to the end.
    std::span<const uint8_t> Rest();

    size_t Offset() const { return m_pos; }
    size_t Remaining() const { return m_data.size() - m_pos; }

    // Throws ArchiveError with the text and the current offset.
    [[noreturn]] void Fail(const std::string& what) const;

private:
    struct StringPrefix {
        uint64_t length = 0;
        bool wide = false;
    };
    StringPrefix ReadStringPrefix();
    // The characters of a string whose prefix was just read.
    std::string_view StringBytes(const StringPrefix& prefix);
    // The next count bytes, after checking that they are there.
    const uint8_t* Take(size_t count) {
        if (count > Remaining()) {
            FailShort(count);
        }
        const uint8_t* bytes = m_data.data() + m_pos;
        m_pos += count;
        return bytes;
    }
    [[noreturn]] void FailShort(size_t count) const;

    template <typename T>
    T Get() {
        return LoadLittleEndian<T>(Take(sizeof(T)));
    }
    StoredClass NewClass();
    StoredClass KnownClass(uint32_t index);

    std::span<const uint8_t> m_data;
    size_t m_pos = 0;
    // Classes and objects share one run of indices from 1 on (0 is the null reference). The
    // table reaches only as far as the last index that names a class; objects just advance the
    // count.
    std::vector<uint8_t> m_classAtIndex;  // kNoClass where the index is an object's
    size_t m_nextIndex = 1;
    static constexpr uint8_t kNoClass = 0xFF;
};

}  // namespace velnor
