#include "persistence/archive_reader.h"

#include "encoding/cp936.h"
#include "persistence/archive_error.h"
#include "persistence/archive_tags.h"

namespace velnor {

namespace {

std::string_view AsChars(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

void ArchiveReader::Fail(const std::string& what) const {
    throw ArchiveError(what + "（位置：第 " + std::to_string(m_pos) + " 字节）");
}

void ArchiveReader::FailShort(size_t count) const {
    Fail("数据不完整：需要 " + std::to_string(count) + " 字节，只剩 " +
         std::to_string(Remaining()) + " 字节");
}

ArchiveReader::StringPrefix ArchiveReader::ReadStringPrefix() {
    StringPrefix prefix;
    uint8_t shortLength = Byte();
    if (shortLength < 0xFF) {
        prefix.length = shortLength;
        return prefix;
    }
    uint16_t wordLength = Word();
    if (wordLength == archive_tags::kWideStringMark) {
        // A 16-bit string: the length prefix starts again, counting 16-bit units.
        prefix.wide = true;
        shortLength = Byte();
        if (shortLength < 0xFF) {
            prefix.length = shortLength;
            return prefix;
        }
        wordLength = Word();
    }
    if (wordLength < 0xFFFF) {
        prefix.length = wordLength;
        return prefix;
    }
    const uint32_t dwordLength = Dword();
    if (dwordLength < 0xFFFFFFFF) {
        prefix.length = dwordLength;
        return prefix;
    }
    const uint64_t low = Dword();
    const uint64_t high = Dword();
    prefix.length = low | (high << 32);
    return prefix;
}

std::string_view ArchiveReader::StringBytes(const StringPrefix& prefix) {
    const uint64_t bytes = prefix.wide ? prefix.length * 2 : prefix.length;
    if (prefix.length > Remaining() || bytes > Remaining()) {
        Fail("字符串长度 " + std::to_string(prefix.length) + " 超出了剩余的数据");
    }
    return AsChars(Bytes(bytes));
}

std::string ArchiveReader::RawString() {
    const StringPrefix prefix = ReadStringPrefix();
    const std::string_view text = StringBytes(prefix);
    return prefix.wide ? Utf8ToCp936(Utf16LeToUtf8(text)) : std::string(text);
}

std::string ArchiveReader::String() {
    std::string text;
    StringInto(text);
    return text;
}

void ArchiveReader::StringInto(std::string& text) {
    const StringPrefix prefix = ReadStringPrefix();
    const std::string_view bytes = StringBytes(prefix);
    if (prefix.wide) {
        text = Utf16LeToUtf8(bytes);
    } else if (IsAscii(bytes)) {
        text.assign(bytes);
    } else {
        text = Cp936ToUtf8(bytes);
    }
}

uint32_t ArchiveReader::Count(size_t minElementBytes) {
    uint32_t count = Word();
    if (count == 0xFFFF) {
        count = Dword();
    }
    if (minElementBytes > 0 && count > Remaining() / minElementBytes) {
        Fail("数目 " + std::to_string(count) + " 超出了剩余数据所能容纳的");
    }
    return count;
}

std::vector<int> ArchiveReader::IntList() {
    const uint32_t count = Count(4);
    std::vector<int> values;
    values.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        values.push_back(Long());
    }
    return values;
}

StoredClass ArchiveReader::NewClass() {
    const uint16_t schema = Word();
    const uint16_t nameLength = Word();
    const std::string_view name = AsChars(Bytes(nameLength));
    const auto storedClass = StoredClassNamed(name);
    if (!storedClass) {
        Fail("未知的类名 \"" + Cp936ToUtf8(name) + "\"");
    }
    if (schema != 1) {
        Fail("类 " + std::string(name) + " 的版本号是 " + std::to_string(schema) + "，只能读取 1");
    }
    m_classAtIndex.resize(m_nextIndex + 1, kNoClass);
    m_classAtIndex[m_nextIndex++] = static_cast<uint8_t>(*storedClass);
    return *storedClass;
}

StoredClass ArchiveReader::KnownClass(uint32_t index) {
    if (index >= m_classAtIndex.size() || m_classAtIndex[index] == kNoClass) {
        Fail("对象标记引用了不存在的类序号 " + std::to_string(index));
    }
    return static_cast<StoredClass>(m_classAtIndex[index]);
}

StoredClass ArchiveReader::ObjectTag() {
    const uint16_t tag = Word();
    StoredClass storedClass = StoredClass::kPage;
    if (tag == archive_tags::kNull) {
        Fail("缺少对象（空引用）");
    } else if (tag == archive_tags::kNewClass) {
        storedClass = NewClass();
    } else if (tag & archive_tags::kClass) {
        storedClass = KnownClass(tag & ~archive_tags::kClass);
    } else if (tag == archive_tags::kBigObject) {
        const uint32_t bigTag = Dword();
        if (!(bigTag & archive_tags::kBigClass)) {
            Fail("同一对象被引用了两次（对象序号 " + std::to_string(bigTag) + "）");
        }
        storedClass = KnownClass(bigTag & ~archive_tags::kBigClass);
    } else {
        Fail("同一对象被引用了两次（对象序号 " + std::to_string(tag) + "）");
    }
    ++m_nextIndex;  // the object's own index
    return storedClass;
}

std::span<const uint8_t> ArchiveReader::Rest() { return Bytes(Remaining()); }

}  // namespace velnor
