#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/archive_error.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"

namespace velnor {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(auto write) {
    ArchiveWriter out;
    write(out);
    return out.Take();
}

Bytes Prefix(const Bytes& bytes, size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + n);
}

TEST(ArchivePrimitives, AreLittleEndianWithoutPadding) {
    const Bytes bytes = Written([](ArchiveWriter& out) {
        out.Byte(0x12);
        out.Word(0x3456);
        out.Dword(0x789ABCDE);
        out.Float(1.0f);
        out.Double(-2.0);
        out.Bool(true);
    });
    EXPECT_EQ(bytes, (Bytes{0x12, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78, 0x00, 0x00, 0x80,
                            0x3F, 0,    0,    0,    0,    0,    0,    0x00, 0xC0, 0x01}));
    ArchiveReader in(bytes);
    EXPECT_EQ(in.Byte(), 0x12);
    EXPECT_EQ(in.Word(), 0x3456);
    EXPECT_EQ(in.Dword(), 0x789ABCDEu);
    EXPECT_EQ(in.Float(), 1.0f);
    EXPECT_EQ(in.Double(), -2.0);
    EXPECT_TRUE(in.Bool());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchivePrimitives, AnyNonZeroByteReadsAsTrue) {
    const Bytes bytes{0x00, 0x02, 0xFF};
    ArchiveReader in(bytes);
    EXPECT_FALSE(in.Bool());
    EXPECT_TRUE(in.Bool());
    EXPECT_TRUE(in.Bool());
}

TEST(ArchiveStrings, UseTheShortestLengthPrefix) {
    EXPECT_EQ(Written([](ArchiveWriter& out) { out.String("abc"); }), (Bytes{3, 'a', 'b', 'c'}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(254, 'x')); }), 1),
              (Bytes{254}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(255, 'x')); }), 3),
              (Bytes{0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(300, 'x')); }), 3),
              (Bytes{0xFF, 0x2C, 0x01}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(0xFFFD, 'x')); }), 3),
              (Bytes{0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(0xFFFE, 'x')); }), 7),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Prefix(Written([](ArchiveWriter& out) { out.String(std::string(70000, 'x')); }), 7),
              (Bytes{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
}

TEST(ArchiveStrings, AreCodePage936InTheArchiveAndUtf8InMemory) {
    const Bytes bytes = Written([](ArchiveWriter& out) { out.String("第一页"); });
    EXPECT_EQ(bytes, (Bytes{6, 0xB5, 0xDA, 0xD2, 0xBB, 0xD2, 0xB3}));
    ArchiveReader in(bytes);
    EXPECT_EQ(in.String(), "第一页");
}

TEST(ArchiveStrings, ReadEveryLengthForm) {
    // Long forms of short lengths are legal too.
    const Bytes bytes{0xFF, 0x02, 0x00, 'a',  'b',  0xFF, 0xFF, 0xFF, 0x01, 0x00,
                      0x00, 0x00, 'c',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                      0x01, 0,    0,    0,    0,    0,    0,    0,    'd'};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.String(), "ab");
    EXPECT_EQ(in.String(), "c");
    EXPECT_EQ(in.String(), "d");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveStrings, SixteenBitStringsAreConverted) {
    // 0xFF, 0xFFFE marks UTF-16LE; "页A" follows with a short length of 2 units.
    const Bytes bytes{0xFF, 0xFE, 0xFF, 0x02, 0x75, 0x98, 0x41, 0x00,
                      0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 0x42, 0x00};
    ArchiveReader in(bytes);
    EXPECT_EQ(in.String(), "页A");
    EXPECT_EQ(in.RawString(), "B");
    const Bytes raw{0xFF, 0xFE, 0xFF, 0x01, 0x75, 0x98};
    ArchiveReader rawIn(raw);
    EXPECT_EQ(rawIn.RawString(), "\xD2\xB3");
}

TEST(ArchiveStrings, BytesOutsideCodePage936SurviveARoundTrip) {
    const Bytes bytes{4, 0x81, 0x20, 0xFF, 0x80};
    ArchiveReader in(bytes);
    const std::string text = in.String();
    EXPECT_EQ(Written([&](ArchiveWriter& out) { out.String(text); }), bytes);
}

TEST(ArchiveStrings, WhatCodePage936CannotHoldIsWrittenAsA16BitString) {
    struct Case {
        const char* text;
        Bytes stored;
    };
    const Case cases[] = {
        {"AÀ", {0xFF, 0xFE, 0xFF, 2, 'A', 0, 0xC0, 0x00}},
        {"A😀", {0xFF, 0xFE, 0xFF, 3, 'A', 0, 0x3D, 0xD8, 0x00, 0xDE}},
        {"한", {0xFF, 0xFE, 0xFF, 1, 0x5C, 0xD5}},
        {"第À", {0xFF, 0xFE, 0xFF, 2, 0x2C, 0x7B, 0xC0, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Bytes bytes = Written([&](ArchiveWriter& out) { out.String(c.text); });
        EXPECT_EQ(bytes, c.stored);
        ArchiveReader in(bytes);
        EXPECT_EQ(in.String(), c.text);
    }
}

TEST(ArchiveStrings, ReadIntoAStringReplacesWhatItHeld) {
    const Bytes bytes{2, 'A', 'B', 2, 0xD2, 0xB3, 0};
    ArchiveReader in(bytes);
    std::string text(40, 'x');
    in.StringInto(text);
    EXPECT_EQ(text, "AB");
    in.StringInto(text);
    EXPECT_EQ(text, "页");
    in.StringInto(text);
    EXPECT_EQ(text, "");
}

TEST(ArchiveOutput, LongerThanItsFirstBufferKeepsEveryByte) {
    constexpr uint32_t kWords = 400000;  // 1.6 MB, beyond the room reserved up front
    Bytes expected;
    ArchiveWriter out;
    for (uint32_t i = 0; i < kWords; ++i) {
        const uint32_t value = i * 2654435761u;
        out.Dword(value);
        for (int b = 0; b < 4; ++b) {
            expected.push_back(static_cast<uint8_t>(value >> (8 * b)));
        }
        if (i % 1000 == 0) {
            // Strings of 300 to 6300 bytes, some longer than a step of room.
            const std::string text(300 + i % 7000, static_cast<char>('a' + i % 26));
            out.String(text);
            expected.push_back(0xFF);
            expected.push_back(static_cast<uint8_t>(text.size()));
            expected.push_back(static_cast<uint8_t>(text.size() >> 8));
            expected.insert(expected.end(), text.begin(), text.end());
        }
    }
    const Bytes bytes = out.Take();
    ASSERT_EQ(bytes.size(), expected.size());
    EXPECT_TRUE(bytes == expected);
}

TEST(ArchiveCounts, EscapeFrom0xFFFFOn) {
    EXPECT_EQ(Written([](ArchiveWriter& out) { out.Count(0xFFFE); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Written([](ArchiveWriter& out) { out.Count(0xFFFF); }),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    Bytes bytes = Written([](ArchiveWriter& out) { out.Count(70000); });
    EXPECT_EQ(bytes, (Bytes{0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    bytes.resize(bytes.size() + 70000);
    ArchiveReader in(bytes);
    EXPECT_EQ(in.Count(1), 70000u);
}

TEST(ArchiveTags, NameAClassOnceThenReferToItsIndex) {
    const Bytes bytes = Written([](ArchiveWriter& out) {
        out.ObjectTag(StoredClass::kPage);
        out.ObjectTag(StoredClass::kLine);
        out.ObjectTag(StoredClass::kPage);
        out.ObjectTag(StoredClass::kLine);
    });
    const Bytes expected{0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00, 'C',  'G',  'p', 'a', 'g',
                         'e',  0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00, 'C',  'L', 'i', 'n',
                         'e',  'C',  'e',  'l',  'l',  0x01, 0x80, 0x03, 0x80};
    EXPECT_EQ(bytes, expected);
    ArchiveReader in(bytes);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kPage);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kLine);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kPage);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kLine);
}

TEST(ArchiveTags, UseTheDwordFormForClassIndicesFrom0x7FFFOn) {
    const Bytes bytes = Written([](ArchiveWriter& out) {
        for (int i = 0; i < 0x7FFD; ++i) {  // indices 1 (class) and 2..0x7FFE (objects)
            out.ObjectTag(StoredClass::kLine);
        }
        out.ObjectTag(StoredClass::kFace3);  // class 0x7FFF, object 0x8000
        out.ObjectTag(StoredClass::kFace3);
        out.ObjectTag(StoredClass::kLine);
    });
    const size_t tail = bytes.size() - 8;
    EXPECT_EQ(Bytes(bytes.begin() + tail, bytes.end()),
              (Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80, 0x01, 0x80}));
    ArchiveReader in(bytes);
    for (int i = 0; i < 0x7FFD; ++i) {
        ASSERT_EQ(in.ObjectTag(), StoredClass::kLine);
    }
    EXPECT_EQ(in.ObjectTag(), StoredClass::kFace3);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kFace3);
    EXPECT_EQ(in.ObjectTag(), StoredClass::kLine);
}

TEST(ArchiveTags, AClassReferenceMustNameAClass) {
    // CGpage is named at index 1 and its object takes index 2.
    const Bytes page{0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00, 'C', 'G', 'p', 'a', 'g', 'e'};
    Bytes toObject = page;
    toObject.insert(toObject.end(), {0x02, 0x80});
    ArchiveReader objectIn(toObject);
    objectIn.ObjectTag();
    EXPECT_THROW(objectIn.ObjectTag(), ArchiveError);

    // A class named again gets a new index; the first one stays valid.
    Bytes again = page;
    again.insert(again.end(), page.begin(), page.end());  // index 3, object 4
    again.insert(again.end(), {0x03, 0x80, 0x01, 0x80, 0x04, 0x80});
    ArchiveReader againIn(again);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(againIn.ObjectTag(), StoredClass::kPage);
    }
    EXPECT_THROW(againIn.ObjectTag(), ArchiveError);
}

TEST(ArchiveTags, RefuseWhatThisProgramCannotHold) {
    const auto refuses = [](Bytes bytes, const std::string& part) {
        ArchiveReader in(bytes);
        try {
            in.ObjectTag();
            ADD_FAILURE() << "accepted";
        } catch (const ArchiveError& error) {
            EXPECT_NE(std::string(error.what()).find(part), std::string::npos) << error.what();
        }
    };
    refuses({0x00, 0x00}, "空引用");
    refuses({0xFF, 0xFF, 0x01, 0x00, 0x04, 0x00, 'C', 'F', 'o', 'o'}, "未知的类名 \"CFoo\"");
    refuses({0xFF, 0xFF, 0x02, 0x00, 0x06, 0x00, 'C', 'G', 'p', 'a', 'g', 'e'}, "版本号是 2");
    refuses({0x05, 0x80}, "类序号 5");
    refuses({0x01, 0x00}, "引用了两次");
    refuses({0xFF, 0x7F, 0x01, 0x00, 0x00, 0x00}, "引用了两次");
    refuses({0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00, 'C', 'G'}, "数据不完整");
}

TEST(ArchiveReads, StopAtTheEndOfTheData) {
    const Bytes bytes{1, 2, 3};
    ArchiveReader in(bytes);
    EXPECT_THROW(in.Dword(), ArchiveError);
    const Bytes longString{0xFF, 0x10, 0x00, 'a'};
    ArchiveReader strings(longString);
    EXPECT_THROW(strings.String(), ArchiveError);
    const Bytes hugeCount{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4};
    ArchiveReader counts(hugeCount);
    EXPECT_THROW(counts.IntList(), ArchiveError);
}

}  // namespace
}  // namespace velnor
