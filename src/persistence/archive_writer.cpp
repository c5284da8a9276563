#include "persistence/archive_writer.h"

#include "encoding/cp936.h"
#include "persistence/archive_tags.h"

namespace velnor {

namespace {

constexpr uint16_t kSchema = 1;

}  // namespace

// Capacity for a typical document up front saves the copies of growing through many small
// sizes; untouched capacity costs no memory.
ArchiveWriter::ArchiveWriter() {
    m_bytes.reserve(1 << 20);
}

// The room is zeroed a page at a time just ahead of the writing, so that the bytes are not
// zeroed long before they are written, nor any past the end.
void ArchiveWriter::Grow(size_t count) {
    constexpr size_t kRoomStep = 4096;
    m_bytes.resize(m_nWritten + count + kRoomStep);
}

std::vector<uint8_t> ArchiveWriter::Take() {
    m_bytes.resize(m_nWritten);
    m_nWritten = 0;
    return std::move(m_bytes);
}

void ArchiveWriter::String(std::string_view utf8) {
    if (IsAscii(utf8)) {
        RawString(utf8);  // the same bytes in both encodings
    } else if (const auto cp936 = Utf8ToCp936Exactly(utf8)) {
        RawString(*cp936);
    } else {
        WideString(Utf8ToUtf16Le(utf8));
    }
}

void ArchiveWriter::WideString(std::string_view utf16le) {
    Byte(0xFF);
    Word(archive_tags::kWideStringMark);
    Length(utf16le.size() / 2);
    Bytes({reinterpret_cast<const uint8_t*>(utf16le.data()), utf16le.size()});
}

void ArchiveWriter::RawString(std::string_view cp936) {
    Length(cp936.size());
    Bytes({reinterpret_cast<const uint8_t*>(cp936.data()), cp936.size()});
}

void ArchiveWriter::Length(uint64_t length) {
    if (length < 0xFF) {
        Byte(static_cast<uint8_t>(length));
        return;
    }
    Byte(0xFF);
    if (length < 0xFFFE) {
        Word(static_cast<uint16_t>(length));
        return;
    }
    Word(0xFFFF);
    if (length < 0xFFFFFFFF) {
        Dword(static_cast<uint32_t>(length));
        return;
    }
    Dword(0xFFFFFFFF);
    Dword(static_cast<uint32_t>(length));
    Dword(static_cast<uint32_t>(length >> 32));
}

void ArchiveWriter::Count(size_t count) {
    if (count < 0xFFFF) {
        Word(static_cast<uint16_t>(count));
    } else {
        Word(0xFFFF);
        Dword(static_cast<uint32_t>(count));
    }
}

void ArchiveWriter::IntList(std::span<const int> values) {
    Count(values.size());
    for (int value : values) {
        Long(value);
    }
}

void ArchiveWriter::ObjectTag(StoredClass storedClass) {
    uint32_t& classIndex = m_classIndex[static_cast<size_t>(storedClass)];
    if (classIndex == 0) {
        const std::string_view name = StoredClassName(storedClass);
        Word(archive_tags::kNewClass);
        Word(kSchema);
        Word(static_cast<uint16_t>(name.size()));
        Bytes({reinterpret_cast<const uint8_t*>(name.data()), name.size()});
        classIndex = m_nextIndex++;
    } else if (classIndex < archive_tags::kBigObject) {
        Word(static_cast<uint16_t>(archive_tags::kClass | classIndex));
    } else {
        Word(archive_tags::kBigObject);
        Dword(archive_tags::kBigClass | classIndex);
    }
    ++m_nextIndex;  // the object's own index
}

}  // namespace velnor
