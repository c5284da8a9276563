#include "richtext/rtf_reader.h"

#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "encoding/cp936.h"
#include "richtext/east_asian_text.h"
#include "richtext/rtf_charset.h"
#include "richtext/rtf_document_builder.h"
#include "richtext/rtf_format_words.h"
#include "richtext/rtf_list_table.h"
#include "richtext/rtf_picture.h"
#include "richtext/rtf_row_definition.h"
#include "richtext/rtf_state.h"
#include "richtext/rtf_tables.h"
#include "richtext/rtf_tokenizer.h"
#include "richtext/rtf_words.h"

namespace velnor {

namespace {

// Deeper groups share the state of the deepest kept one.
constexpr size_t kMaxDepth = 200;
constexpr int kMaxUnicodeSkip = 10;

bool EndsParagraph(std::string_view word) {
    // Tables inside tables are shown flat: their rows as paragraphs, their cells apart by tabs.
    return word == "par" || word == "nestrow" || word == "sect" || word == "page";
}

// Follows the groups and their destinations, and hands text, paragraphs and pictures to the
// document as it meets them.
class RtfReader {
public:
    RtfReader(std::string_view rtf, QTextDocument& document) : m_tokens(rtf), m_document(document) {
        m_groups.emplace_back();
    }

    void Read() {
        while (!m_bEnded) {
            const RtfToken token = m_tokens.Next();
            if (token.kind == RtfToken::Kind::kEnd) {
                break;
            }
            Take(token);
        }
        FinishParagraph(true);
        m_document.FinishTable(m_row, m_colorTable.Colors());
        m_document.DropFinalParagraphMark();
    }

private:
    RtfGroup& Top() { return m_groups.back(); }
    const RtfGroup& Top() const { return m_groups.back(); }
    RtfDestination Destination() const { return Top().destination; }

    void Take(const RtfToken& token) {
        switch (token.kind) {
            case RtfToken::Kind::kGroupOpen:
                OpenGroup();
                break;
            case RtfToken::Kind::kGroupClose:
                CloseGroup();
                break;
            case RtfToken::Kind::kWord:
                ApplyWord(token.word);
                break;
            case RtfToken::Kind::kSymbol:
                ApplySymbol(token.byte);
                break;
            case RtfToken::Kind::kBinary:
                ApplyBinary(token.data);
                break;
            default:
                AddByte(token.byte);
                break;
        }
    }

    void OpenGroup() {
        FlushBytes();
        m_nFallback = 0;
        if (m_groups.size() >= kMaxDepth) {
            ++m_nExcessDepth;
            return;
        }
        RtfGroup group = Top();
        group.ownsPicture = false;
        m_groups.push_back(group);
    }

    void CloseGroup() {
        FlushBytes();
        m_nFallback = 0;
        if (m_nExcessDepth > 0) {
            --m_nExcessDepth;
            return;
        }
        if (Destination() == RtfDestination::kFontTable) {
            FinishFontName();
        }
        if (Top().ownsPicture) {
            InsertPicture();
        }
        // The document's own group ends the document; what follows it is not RTF.
        if (m_groups.size() <= 2) {
            m_bEnded = m_groups.size() == 2;
            return;
        }
        m_groups.pop_back();
    }

    void ApplySymbol(char c) {
        FlushBytes();
        m_nFallback = 0;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                AddByte(c);
                break;
            case '~':
                AddCharacter(u'\u00A0');
                break;
            case '_':
                AddCharacter(u'\u2011');
                break;
            case '*':
                m_bStarred = true;
                break;
            case '\r':
            case '\n':
                EndParagraph();
                break;
            default:
                break;
        }
    }

    // Raw bytes after \binN: picture data in a picture, else skipped.
    void ApplyBinary(std::string_view data) {
        FlushBytes();
        m_nFallback = 0;
        m_bStarred = false;
        if (Destination() == RtfDestination::kPicture) {
            m_picture.AddBytes(data.data(), data.size());
        }
    }

    void ApplyWord(const RtfControlWord& control) {
        FlushBytes();
        if (control.word != "u") {
            m_nFallback = 0;
        }
        const bool starred = std::exchange(m_bStarred, false);
        if (Destination() == RtfDestination::kSkip) {
            return;
        }
        if (ApplyDestination(control.word)) {
            return;
        }
        if (starred) {
            Top().destination = RtfDestination::kSkip;
            return;
        }
        switch (Destination()) {
            case RtfDestination::kFontTable:
                m_fontTable.ApplyWord(control);
                if (control.word == "u") {
                    AddUnicode(control.number);
                }
                break;
            case RtfDestination::kColorTable:
                m_colorTable.ApplyWord(control);
                break;
            case RtfDestination::kPicture:
                m_picture.ApplyWord(control.word, control.number);
                break;
            case RtfDestination::kListMarker:
                ApplyListWord(control.word);
                break;
            case RtfDestination::kListTable:
                m_listTable.ApplyListWord(control);
                break;
            case RtfDestination::kListOverrideTable:
                m_listTable.ApplyOverrideWord(control);
                break;
            case RtfDestination::kListLevelText:
                if (control.word == "u") {
                    AddUnicode(control.number);
                }
                break;
            default:
                ApplyTextWord(control);
                break;
        }
    }

    // Words that open a destination of their own; false for any other word.
    bool ApplyDestination(std::string_view word) {
        RtfGroup& group = Top();
        if (word == "fonttbl") {
            group.destination = RtfDestination::kFontTable;
        } else if (word == "colortbl") {
            group.destination = RtfDestination::kColorTable;
            m_colorTable.Begin();
        } else if (word == "pict") {
            group.destination = RtfDestination::kPicture;
            group.ownsPicture = true;
            m_picture = RtfPicture{};
        } else if (word == "pn") {
            group.destination = RtfDestination::kListMarker;
            m_nListGroup = m_groups.size() >= 2 ? m_groups.size() - 2 : 0;
        } else if (word == "listtable") {
            group.destination = RtfDestination::kListTable;
        } else if (word == "listoverridetable") {
            group.destination = RtfDestination::kListOverrideTable;
        } else if (word == "leveltext" && group.destination == RtfDestination::kListTable) {
            group.destination = RtfDestination::kListLevelText;
        } else if (word == "shppict" || word == "fldrslt" || word == "field") {
            // Their content is text or pictures that the text shows.
        } else if (IsSkippedDestination(word)) {
            group.destination = RtfDestination::kSkip;
        } else {
            return false;
        }
        return true;
    }

    // Numbering words set the list of the paragraph that holds the \pn group.
    void ApplyListWord(std::string_view word) {
        const std::optional<QTextListFormat::Style> style = ListStyleOf(word);
        if (!style) {
            return;
        }
        for (size_t i = m_nListGroup; i < m_groups.size(); ++i) {
            m_groups[i].para.list = *style;
        }
    }

    void ApplyTextWord(const RtfControlWord& control) {
        if (EndsParagraph(control.word)) {
            EndParagraph();
            return;
        }
        if (ApplyTableWord(control) || ApplyDocumentWord(control) ||
            ApplyCharacterWord(control, Top().chars) || ApplyParagraphWord(control, Top().para)) {
            return;
        }
        if (const std::optional<char16_t> special = SpecialCharacterOf(control.word)) {
            AddCharacter(*special);
        }
    }

    bool ApplyTableWord(const RtfControlWord& control) {
        const std::string_view word = control.word;
        if (m_row.ApplyWord(control)) {
            return true;
        }
        if (word == "intbl") {
            Top().para.inTable = true;
            m_document.StartTableParagraph();
        } else if (word == "cell") {
            FlushBytes();
            m_document.FinishCell(Top().para, ListOf(Top().para));
        } else if (word == "row") {
            FlushBytes();
            m_document.FinishRow(m_row);
        } else {
            return false;
        }
        return true;
    }

    bool ApplyDocumentWord(const RtfControlWord& control) {
        const std::string_view word = control.word;
        if (word == "ansicpg") {
            m_nCodePage = control.Clamped(0, 65535);
        } else if (word == "deff") {
            m_nDefaultFont = control.Index();
        } else if (word == "uc") {
            Top().unicodeSkip = control.Clamped(0, kMaxUnicodeSkip);
        } else if (word == "u") {
            AddUnicode(control.number);
        } else {
            return false;
        }
        return true;
    }

    // A byte of text (or of a table or a picture). After \uN the fallback bytes are dropped.
    void AddByte(char c) {
        if (m_nFallback > 0) {
            --m_nFallback;
            return;
        }
        switch (Destination()) {
            case RtfDestination::kText:
                m_bytes += c;
                break;
            case RtfDestination::kFontTable:
                if (c == ';') {
                    FinishFontName();
                } else {
                    m_bytes += c;
                }
                break;
            case RtfDestination::kColorTable:
                if (c == ';') {
                    m_colorTable.FinishEntry();
                }
                break;
            case RtfDestination::kPicture:
                if (const int digit = HexDigitOf(c); digit >= 0) {
                    m_picture.AddHexDigit(digit);
                }
                break;
            case RtfDestination::kListLevelText:
                // Its bytes are lengths and level numbers, not text in a code page.
                if (c == ';') {
                    m_listTable.FinishLevelText();
                } else {
                    m_listTable.AddLevelText(QString(QChar::fromLatin1(c)));
                }
                break;
            default:
                break;
        }
    }

    // \uN is a UTF-16 unit as a signed 16-bit number.
    void AddUnicode(long long number) {
        const long long value = std::clamp<long long>(number, -32768, 65535);
        const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
        AddCharacter(unit);
        m_nFallback = Top().unicodeSkip;
    }

    void AddCharacter(char16_t unit) {
        FlushBytes();
        if (QChar::isHighSurrogate(unit)) {
            m_highSurrogate = unit;
            return;
        }
        QString text;
        if (QChar::isLowSurrogate(unit) && m_highSurrogate != 0) {
            text.append(QChar(m_highSurrogate));
        }
        m_highSurrogate = 0;
        text.append(QChar(unit));
        Deliver(text);
    }

    void FlushBytes() {
        if (m_bytes.empty()) {
            return;
        }
        const QString text = DecodeRtfBytes(m_bytes, BytesCharset(), m_nCodePage);
        m_bytes.clear();
        Deliver(text);
    }

    // A font's name is in its own character set; text is in its font's.
    int BytesCharset() const {
        if (Destination() == RtfDestination::kFontTable) {
            return m_fontTable.EntryCharset();
        }
        const RtfCharState& chars = Top().chars;
        const int font =
            chars.announced == RtfScript::kEastAsian ? chars.eastAsian.font : chars.latin.font;
        return m_fontTable.CharsetOf(font < 0 ? m_nDefaultFont : font);
    }

    void Deliver(const QString& text) {
        if (Destination() == RtfDestination::kText) {
            ForEachScriptRun(text, [&](const QString& run, bool eastAsian) {
                m_document.InsertText(run, CharFormatOf(Top().chars, eastAsian, m_fontTable.Fonts(),
                                                        m_nDefaultFont, m_colorTable.Colors()));
            });
        } else if (Destination() == RtfDestination::kFontTable) {
            m_fontTable.AddToName(text);
        } else if (Destination() == RtfDestination::kListLevelText) {
            m_listTable.AddLevelText(text);
        }
    }

    void FinishFontName() {
        FlushBytes();
        m_fontTable.FinishEntry();
    }

    void EndParagraph() {
        if (Destination() == RtfDestination::kText) {
            FinishParagraph(false);
        }
    }

    void FinishParagraph(bool last) {
        FlushBytes();
        if (!Top().para.inTable) {
            m_document.FinishTable(m_row, m_colorTable.Colors());
        }
        m_document.FinishParagraph(Top().para, ListOf(Top().para), last);
    }

    // A list override of the list table, else the numbering of a \pn group, else none.
    std::optional<RtfParagraphList> ListOf(const RtfParaState& para) const {
        if (para.listOverride > 0) {
            const std::optional<QTextListFormat> format =
                m_listTable.FormatOf(para.listOverride, para.listLevel);
            if (!format) {
                return std::nullopt;
            }
            return RtfParagraphList{para.listOverride, *format};
        }
        if (para.list == QTextListFormat::ListStyleUndefined) {
            return std::nullopt;
        }
        RtfParagraphList list;
        list.format.setStyle(para.list);
        list.format.setIndent(1);
        return list;
    }

    void InsertPicture() {
        if (m_groups[m_groups.size() - 2].destination == RtfDestination::kText) {
            m_document.InsertPicture(m_picture);
        }
    }

    RtfTokenizer m_tokens;
    RtfDocumentBuilder m_document;
    bool m_bEnded = false;
    bool m_bStarred = false;
    std::vector<RtfGroup> m_groups;
    size_t m_nExcessDepth = 0;
    std::string m_bytes;
    int m_nFallback = 0;
    char16_t m_highSurrogate = 0;
    int m_nCodePage = kCodePage936;
    int m_nDefaultFont = 0;
    RtfFontTable m_fontTable;
    RtfColorTable m_colorTable;
    RtfListTable m_listTable;
    RtfRowDefinition m_row;
    RtfPicture m_picture;
    size_t m_nListGroup = 0;
};

}  // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document) {
    document.clear();
    if (!rtf.starts_with("{\\rtf")) {
        document.setPlainText(QString::fromStdString(Cp936ToUtf8(rtf)));
        return;
    }
    RtfReader(rtf, document).Read();
}

}  // namespace velnor
