#include <gtest/gtest.h>

#include "encoding/cp936.h"

namespace velnor {
namespace {

TEST(Cp936, ChineseTextConvertsBothWays) {
    const std::string gbk = "\xB5\xDA\xD2\xBB\xD2\xB3";  // 第一页
    EXPECT_EQ(Cp936ToUtf8(gbk), "第一页");
    EXPECT_EQ(Utf8ToCp936("第一页"), gbk);
    EXPECT_EQ(Utf8ToCp936(" 第一页 AB"), " " + gbk + " AB");
}

TEST(Cp936, InvalidBytesComeBackUnchanged) {
    const std::string odd = std::string("A\xFF\x81", 3) + std::string("\x81\x0A", 2) + "\xFE";
    const std::string utf8 = Cp936ToUtf8(odd);
    EXPECT_EQ(Utf8ToCp936(utf8), odd);
    EXPECT_EQ(utf8.substr(0, 1), "A");
}

TEST(Cp936, EveryTwoByteSequenceRoundTrips) {
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            ASSERT_EQ(Utf8ToCp936(Cp936ToUtf8(bytes)), bytes) << lead << " " << trail;
        }
    }
}

TEST(Cp936, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp936("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji
}

TEST(Cp936, SixteenBitStringsConvertToUtf8) {
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x2C\x7B\x00\x4E", 4)), "第一");
}

}  // namespace
}  // namespace velnor
