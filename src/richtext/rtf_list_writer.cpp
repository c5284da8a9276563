#include "richtext/rtf_list_writer.h"

#include <QTextBlock>
#include <QTextList>

#include <algorithm>

#include "richtext/rtf_escape.h"
#include "richtext/rtf_state.h"

namespace velnor {

namespace {

constexpr int kLevelTwips = static_cast<int>(kListIndentPixels * kTwipsPerPixel);

struct NumberFormat {
    QTextListFormat::Style style;
    int code;                // \levelnfc
    const char16_t* bullet;  // nullptr for numbers
};

constexpr std::array<NumberFormat, 8> kNumberFormats = {{
    {QTextListFormat::ListDecimal, 0, nullptr},
    {QTextListFormat::ListUpperRoman, 1, nullptr},
    {QTextListFormat::ListLowerRoman, 2, nullptr},
    {QTextListFormat::ListUpperAlpha, 3, nullptr},
    {QTextListFormat::ListLowerAlpha, 4, nullptr},
    {QTextListFormat::ListDisc, 23, u"\u2022"},
    {QTextListFormat::ListCircle, 23, u"\u25E6"},
    {QTextListFormat::ListSquare, 23, u"\u25AA"},
}};

const NumberFormat& NumberFormatOf(QTextListFormat::Style style) {
    const auto found = std::find_if(kNumberFormats.begin(), kNumberFormats.end(),
                                    [&](const NumberFormat& f) { return f.style == style; });
    return found == kNumberFormats.end() ? kNumberFormats.front() : *found;
}

std::string Byte(int value) {
    return RtfHexByte(static_cast<unsigned char>(value));
}

}  // namespace

int RtfListLevelOf(const QTextListFormat& format) {
    return std::clamp(format.indent() - 1, 0, RtfListWriter::kLevels - 1);
}

std::string RtfListWriter::ItemWords(const QTextList& list, const QTextBlock& block) {
    const int level = RtfListLevelOf(list.format());
    const int number = ListOf(list, level) + 1;
    m_nLastList = number - 1;
    const NumberFormat& format = NumberFormatOf(list.format().style());
    const QString marker =
        format.bullet != nullptr ? QString::fromUtf16(format.bullet) : list.itemText(block);
    return "{\\listtext\\pard\\plain " + EscapeRtfText(marker) + "\\tab}\\ls" +
           std::to_string(number) + "\\ilvl" + std::to_string(level);
}

// A Qt list met for the first time joins the RTF list of the item before it when it is nested
// deeper than that list's first level; else it starts an RTF list of its own.
int RtfListWriter::ListOf(const QTextList& list, int level) {
    if (const auto known = m_listOf.find(&list); known != m_listOf.end()) {
        return known->second;
    }
    int index = m_nLastList;
    if (index < 0 || level <= m_lists[index].rootLevel) {
        index = static_cast<int>(m_lists.size());
        m_lists.push_back(RtfList{level, {}});
        m_lists.back().levels.fill(QTextListFormat());
    }
    m_lists[index].levels[level] = list.format();
    m_listOf[&list] = index;
    return index;
}

std::string RtfListWriter::Tables() const {
    if (m_lists.empty()) {
        return {};
    }
    std::string lists = "\n{\\*\\listtable";
    std::string overrides = "\n{\\*\\listoverridetable";
    for (size_t i = 0; i < m_lists.size(); ++i) {
        const std::string id = std::to_string(i + 1);
        lists += "\n{\\list\\listtemplateid" + id;
        for (int level = 0; level < kLevels; ++level) {
            lists += LevelDefinition(m_lists[i].levels[level], level);
        }
        lists += "{\\listname ;}\\listid" + id + "}";
        overrides += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
    }
    return lists + "}" + overrides + "}";
}

// A number is its level's placeholder between the list's prefix and suffix; the text starts
// with its length, and \levelnumbers gives where the placeholder is.
std::string RtfListWriter::LevelDefinition(const QTextListFormat& format, int level) {
    const NumberFormat& number = NumberFormatOf(format.style());
    const std::string code = std::to_string(number.code);
    std::string out = "\n{\\listlevel\\levelnfc" + code + "\\levelnfcn" + code +
                      "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1";
    if (number.bullet != nullptr) {
        out += "{\\leveltext" + Byte(1) + EscapeRtfText(QString::fromUtf16(number.bullet)) +
               ";}{\\levelnumbers;}";
    } else {
        // Qt puts a full stop after the number of a list that names no suffix.
        const QString prefix = format.numberPrefix();
        const QString suffix = format.hasProperty(QTextFormat::ListNumberSuffix)
                                   ? format.numberSuffix()
                                   : QStringLiteral(".");
        out += "{\\leveltext" + Byte(static_cast<int>(prefix.size() + 1 + suffix.size())) +
               EscapeRtfText(prefix) + Byte(level) + EscapeRtfText(suffix) + ";}{\\levelnumbers" +
               Byte(static_cast<int>(prefix.size() + 1)) + ";}";
    }
    return out + "\\fi-" + std::to_string(kHangTwips) + "\\li" +
           std::to_string(kLevelTwips * (level + 1)) + "}";
}

}  // namespace velnor
