#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "richtext/rtf_tokenizer.h"

namespace velnor {
namespace {

// The tokens of `rtf`, one word each: { } \word[number] sym:c byte:hh bin:length.
std::string Tokens(std::string_view rtf) {
    RtfTokenizer tokenizer(rtf);
    std::string out;
    for (RtfToken token = tokenizer.Next(); token.kind != RtfToken::Kind::kEnd;
         token = tokenizer.Next()) {
        if (!out.empty()) {
            out += ' ';
        }
        switch (token.kind) {
            case RtfToken::Kind::kGroupOpen:
                out += '{';
                break;
            case RtfToken::Kind::kGroupClose:
                out += '}';
                break;
            case RtfToken::Kind::kWord:
                out += '\\' + std::string(token.word.word);
                if (token.word.hasNumber) {
                    out += std::to_string(token.word.number);
                }
                break;
            case RtfToken::Kind::kSymbol:
                out += std::string("sym:") + token.byte;
                break;
            case RtfToken::Kind::kByte: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "byte:%02x", static_cast<unsigned char>(token.byte));
                out += hex;
                break;
            }
            default:
                out += "bin:" + std::string(token.data);
                break;
        }
    }
    return out;
}

TEST(RtfTokenizer, CutsRtfIntoGroupsWordsSymbolsAndBytes) {
    struct Case {
        const char* rtf;
        const char* tokens;
    };
    const Case cases[] = {
        {"{\\b0 A}", "{ \\b0 byte:41 }"},
        {"\\fs-24  x", "\\fs-24 byte:20 byte:78"},  // one space belongs to the word
        {"\\par\r\nB", "\\par byte:42"},
        {"\\'b2\\'C4", "byte:b2 byte:c4"},
        {"\\'g1", "byte:67 byte:31"},  // not hexadecimal: the \' is dropped
        {"\\~\\{\\*", "sym:~ sym:{ sym:*"},
        {"\\bin3 {}\\x}", "bin:{}\\ byte:78 }"},  // data may look like anything
        {"\\bin99 ab", "bin:ab"},                 // no more than there is
        {"\\bin-4 ab", "bin: byte:61 byte:62"},
        {"\\fs99999999999999", "\\fs1000000000"},
        {"A\\", "byte:41"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(Tokens(c.rtf), c.tokens);
    }
}

}  // namespace
}  // namespace velnor
