#include <gtest/gtest.h>

#include "persistence/rtf_text.h"

namespace velnor {
namespace {

// A notes text as the rich-edit control of the old program wrote it: GBK bytes as \'hh escapes,
// a font table naming 宋体, a colour table, paragraphs ending in \par.
constexpr const char* kRichEditNotes =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 "
    "\\'d5\\'fd\\'b7\\'bd\\'cc\\'e5 ABCD\\par\r\n"
    "\\cf1\\b x\\{1\\}\\b0\\tab y\\par\r\n}";

TEST(RtfText, ReadsRichEditParagraphsAndGbkEscapes) {
    EXPECT_EQ(RtfToText(kRichEditNotes), "正方体 ABCD\nx{1}\ty");
}

TEST(RtfText, SkipsFontTablesPicturesAndStarredDestinations) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\shppict{\\pict\\pngblip 89504e47}}"
        "{\\*\\unknownthing hidden}visible}";
    EXPECT_EQ(RtfToText(rtf), "visible");
}

TEST(RtfText, ReadsUnicodeEscapesAndDropsTheirFallback) {
    // \u8364? is the euro sign with '?' as fallback; \uc2 makes the next escape skip two bytes.
    EXPECT_EQ(RtfToText("{\\rtf1 a\\u8364?b{\\uc2\\u-10179\\'3f\\'3f\\u-8694\\'3f\\'3f}c}"),
              "a\u20ACb\U0001F60Ac");
}

TEST(RtfText, TakesTextThatIsNotRtfAsPlainGbk) {
    EXPECT_EQ(RtfToText("\xd6\xd0\xce\xc4 notes"), "中文 notes");
    EXPECT_EQ(RtfToText(""), "");
}

TEST(RtfText, SurvivesTruncatedAndUnbalancedInput) {
    EXPECT_EQ(RtfToText("{\\rtf1 ab\\'c"), "ab");
    EXPECT_EQ(RtfToText("{\\rtf1 ab}}}cd"), "abcd");
    EXPECT_EQ(RtfToText("{\\rtf1 ab\\"), "ab");
}

TEST(RtfText, WritesGbkEscapesAndParagraphs) {
    const std::string rtf = TextToRtf("中\n{a}\\");
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg936"));
    EXPECT_NE(rtf.find("\\'d6\\'d0\\par\n\\{a\\}\\\\\\par\n}"), std::string::npos) << rtf;
}

TEST(RtfText, TextComesBackUnchangedThroughRtf) {
    for (const std::string text :
         {"", "plain", "立体几何\n第二行\n", "tab\there", "{braces} \\ back", "\n\n",
          "euro \u20AC and emoji \U0001F60A", "trailing space "}) {
        EXPECT_EQ(RtfToText(TextToRtf(text)), text) << text;
    }
}

}  // namespace
}  // namespace velnor
