#pragma once

#include <cstdint>

namespace velnor::archive_tags {

// The words that introduce an object in an archive, for the reader and the writer alike.
inline constexpr uint16_t kNull = 0x0000;
inline constexpr uint16_t kNewClass = 0xFFFF;
inline constexpr uint16_t kClass = 0x8000;
inline constexpr uint16_t kBigObject = 0x7FFF;
inline constexpr uint32_t kBigClass = 0x80000000;
// A string's length word that says a 16-bit string follows, for text code page 936 cannot hold.
inline constexpr uint16_t kWideStringMark = 0xFFFE;

}  // namespace velnor::archive_tags
