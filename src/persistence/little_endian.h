#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace velnor {

// Archives store numbers little-endian, the machine's own order, so a number moves between the
// archive and memory with one unaligned copy instead of byte by byte.
static_assert(std::endian::native == std::endian::little,
              "archives are read and written in the machine's byte order");

template <typename T>
T LoadLittleEndian(const uint8_t* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

template <typename T>
void StoreLittleEndian(T value, uint8_t* bytes) {
    std::memcpy(bytes, &value, sizeof value);
}

}  // namespace velnor
