#include "richtext/rtf_reader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "persistence/cp936.h"
#include "richtext/rtf_picture.h"
#include "richtext/rtf_state.h"
#include "richtext/rtf_words.h"

namespace velnor {

namespace {

// Hostile input is bounded here: deeper groups share the state of the deepest kept one, and
// numbers are clamped before they reach a format.
constexpr size_t kMaxDepth = 200;
constexpr long long kMaxNumber = 1000000000;
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 10;
constexpr int kCharsetGb2312 = 134;
constexpr int kCodePage936 = 936;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int Clamp(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

// Cp936ToUtf8 carries invalid bytes as U+DC80..U+DCFF, whose UTF-8 starts ED B2 or ED B3.
bool HasInvalidBytes(const std::string& utf8) {
    return utf8.find("\xED\xB2") != std::string::npos || utf8.find("\xED\xB3") != std::string::npos;
}

struct ControlWord {
    std::string_view word;
    bool hasNumber = false;
    long long number = 0;

    // A toggle such as \b or \b0.
    bool On() const { return !hasNumber || number != 0; }
    int Twips() const { return Clamp(number, -kMaxTwips, kMaxTwips); }
};

class RtfReader {
public:
    RtfReader(std::string_view rtf, QTextDocument& document) : m_rtf(rtf), m_cursor(&document) {
        m_groups.emplace_back();
    }

    void Read() {
        while (m_pos < m_rtf.size() && !m_bEnded) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ReadControl();
            } else if (c != '\r' && c != '\n') {
                AddByte(c);
            }
        }
        FinishParagraph(true);
        DropFinalParagraphMark();
    }

private:
    RtfGroup& Top() { return m_groups.back(); }
    const RtfGroup& Top() const { return m_groups.back(); }
    RtfDestination Destination() const { return Top().destination; }

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

    void ReadControl() {
        if (m_pos >= m_rtf.size()) {
            return;
        }
        const char c = m_rtf[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            ReadControlWord();
            return;
        }
        ++m_pos;
        if (c == '\'') {
            ReadHexByte();
            return;
        }
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

    void ReadHexByte() {
        const int high = m_pos < m_rtf.size() ? HexDigit(m_rtf[m_pos]) : -1;
        const int low = m_pos + 1 < m_rtf.size() ? HexDigit(m_rtf[m_pos + 1]) : -1;
        if (high < 0 || low < 0) {
            return;
        }
        m_pos += 2;
        AddByte(static_cast<char>(high * 16 + low));
    }

    void ReadControlWord() {
        ControlWord control;
        const size_t start = m_pos;
        while (m_pos < m_rtf.size() && std::isalpha(static_cast<unsigned char>(m_rtf[m_pos]))) {
            ++m_pos;
        }
        control.word = m_rtf.substr(start, m_pos - start);
        const bool negative = m_pos < m_rtf.size() && m_rtf[m_pos] == '-';
        if (negative) {
            ++m_pos;
        }
        while (m_pos < m_rtf.size() && std::isdigit(static_cast<unsigned char>(m_rtf[m_pos]))) {
            control.hasNumber = true;
            control.number = std::min(control.number * 10 + (m_rtf[m_pos] - '0'), kMaxNumber);
            ++m_pos;
        }
        if (negative) {
            control.number = -control.number;
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') {
            ++m_pos;
        }
        FlushBytes();
        if (control.word != "u") {
            m_nFallback = 0;
        }
        Apply(control);
    }

    void Apply(const ControlWord& control) {
        const bool starred = std::exchange(m_bStarred, false);
        if (control.word == "bin") {
            ReadBinary(control.number);
            return;
        }
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
                ApplyFontTableWord(control);
                break;
            case RtfDestination::kColorTable:
                ApplyColorTableWord(control);
                break;
            case RtfDestination::kPicture:
                m_picture.ApplyWord(control.word, control.number);
                break;
            case RtfDestination::kListMarker:
                ApplyListWord(control.word);
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
            m_pendingColor = QColor();
        } else if (word == "pict") {
            group.destination = RtfDestination::kPicture;
            group.ownsPicture = true;
            m_picture = RtfPicture{};
        } else if (word == "pn") {
            group.destination = RtfDestination::kListMarker;
            m_nListGroup = m_groups.size() >= 2 ? m_groups.size() - 2 : 0;
        } else if (word == "shppict" || word == "fldrslt" || word == "field") {
            // Their content is text or pictures that the text shows.
        } else if (IsSkippedDestination(word)) {
            group.destination = RtfDestination::kSkip;
        } else {
            return false;
        }
        return true;
    }

    void ApplyFontTableWord(const ControlWord& control) {
        if (control.word == "f") {
            FinishFontName();
            m_nFontNumber = Clamp(control.number, 0, kMaxNumber);
            m_nFontCharset = 0;
        } else if (control.word == "fcharset") {
            m_nFontCharset = Clamp(control.number, 0, 255);
        } else if (control.word == "u") {
            AddUnicode(control.number);
        }
    }

    void ApplyColorTableWord(const ControlWord& control) {
        const int value = Clamp(control.number, 0, 255);
        if (!m_pendingColor.isValid()) {
            m_pendingColor = QColor(0, 0, 0);
        }
        if (control.word == "red") {
            m_pendingColor.setRed(value);
        } else if (control.word == "green") {
            m_pendingColor.setGreen(value);
        } else if (control.word == "blue") {
            m_pendingColor.setBlue(value);
        }
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

    void ApplyTextWord(const ControlWord& control) {
        if (ApplyDocumentWord(control) || ApplyCharacterWord(control) ||
            ApplyParagraphWord(control)) {
            return;
        }
        if (const std::optional<char16_t> special = SpecialCharacterOf(control.word)) {
            AddCharacter(*special);
        }
    }

    bool ApplyDocumentWord(const ControlWord& control) {
        const std::string_view word = control.word;
        if (word == "ansicpg") {
            m_nCodePage = Clamp(control.number, 0, 65535);
        } else if (word == "deff") {
            m_nDefaultFont = Clamp(control.number, 0, kMaxNumber);
        } else if (word == "uc") {
            Top().unicodeSkip = Clamp(control.number, 0, kMaxUnicodeSkip);
        } else if (word == "u") {
            AddUnicode(control.number);
        } else {
            return false;
        }
        return true;
    }

    bool ApplyCharacterWord(const ControlWord& control) {
        RtfCharState& chars = Top().chars;
        const std::string_view word = control.word;
        if (word == "plain") {
            chars = RtfCharState{};
        } else if (word == "b") {
            chars.bold = control.On();
        } else if (word == "i") {
            chars.italic = control.On();
        } else if (word == "ulnone") {
            chars.underline = false;
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                   word == "uldash" || word == "ulwave" || word == "ulth") {
            chars.underline = control.On();
        } else if (word == "strike" || word == "striked") {
            chars.strike = control.On();
        } else if (word == "f") {
            chars.font = Clamp(control.number, 0, kMaxNumber);
        } else if (word == "fs") {
            chars.halfPoints = control.number > 0 ? Clamp(control.number, 2, kMaxHalfPoints) : 24;
        } else if (word == "cf") {
            chars.color = Clamp(control.number, 0, kMaxNumber);
        } else if (word == "highlight" || word == "cb" || word == "chcbpat") {
            chars.background = Clamp(control.number, 0, kMaxNumber);
        } else if (word == "super") {
            chars.vertical = 1;
        } else if (word == "sub") {
            chars.vertical = -1;
        } else if (word == "nosupersub") {
            chars.vertical = 0;
        } else {
            return false;
        }
        return true;
    }

    bool ApplyParagraphWord(const ControlWord& control) {
        RtfParaState& para = Top().para;
        const std::string_view word = control.word;
        if (word == "pard") {
            para = RtfParaState{};
        } else if (word == "par" || word == "row" || word == "sect" || word == "page") {
            EndParagraph();
        } else if (word == "ql") {
            para.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            para.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            para.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            para.alignment = Qt::AlignJustify;
        } else if (word == "li") {
            para.left = control.Twips();
        } else if (word == "ri") {
            para.right = control.Twips();
        } else if (word == "fi") {
            para.first = control.Twips();
        } else if (word == "sb") {
            para.before = control.Twips();
        } else if (word == "sa") {
            para.after = control.Twips();
        } else if (word == "ls") {
            if (para.list == QTextListFormat::ListStyleUndefined) {
                para.list = QTextListFormat::ListDisc;
            }
        } else {
            return false;
        }
        return true;
    }

    // Raw bytes after \binN: picture data in a picture, else skipped.
    void ReadBinary(long long count) {
        const size_t length =
            std::min<size_t>(static_cast<size_t>(std::max(0LL, count)), m_rtf.size() - m_pos);
        if (Destination() == RtfDestination::kPicture) {
            m_picture.AddBytes(m_rtf.data() + m_pos, length);
        }
        m_pos += length;
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
                    m_colors.push_back(m_pendingColor);
                    m_pendingColor = QColor();
                }
                break;
            case RtfDestination::kPicture:
                if (const int digit = HexDigit(c); digit >= 0) {
                    m_picture.AddHexDigit(digit);
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
        const QString text = Decode(m_bytes);
        m_bytes.clear();
        Deliver(text);
    }

    // Bytes are code page 936 in a Chinese font. In a font of the ANSI set they are the
    // document's code page, though writers also put Western bytes there (a² as a\'b2): bytes that
    // are not valid code page 936 read as Latin-1, as do symbol and other sets.
    QString Decode(const std::string& bytes) const {
        int charset = m_nFontCharset;
        if (Destination() != RtfDestination::kFontTable) {
            const auto font =
                m_fonts.find(Top().chars.font < 0 ? m_nDefaultFont : Top().chars.font);
            charset = font == m_fonts.end() ? 0 : font->second.charset;
        }
        const bool ansi = (charset == 0 || charset == 1) && m_nCodePage == kCodePage936;
        if (charset == kCharsetGb2312 || ansi) {
            const std::string utf8 = Cp936ToUtf8(bytes);
            if (charset == kCharsetGb2312 || !HasInvalidBytes(utf8)) {
                return QString::fromStdString(utf8);
            }
        }
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }

    void Deliver(const QString& text) {
        if (Destination() == RtfDestination::kText) {
            m_bParagraphEnded = false;
            m_cursor.insertText(text, CharFormatOf(Top().chars, m_fonts, m_nDefaultFont, m_colors));
        } else if (Destination() == RtfDestination::kFontTable) {
            m_fontName += text;
        }
    }

    void FinishFontName() {
        FlushBytes();
        if (m_nFontNumber >= 0) {
            m_fonts[m_nFontNumber] = RtfFont{m_fontName.trimmed(), m_nFontCharset};
        }
        m_nFontNumber = -1;
        m_fontName.clear();
    }

    void EndParagraph() {
        if (Destination() == RtfDestination::kText) {
            FinishParagraph(false);
        }
    }

    void FinishParagraph(bool last) {
        FlushBytes();
        const RtfParaState& para = Top().para;
        m_cursor.setBlockFormat(BlockFormatOf(para));
        if (para.list == QTextListFormat::ListStyleUndefined) {
            m_pList = nullptr;
        } else if (m_pList != nullptr && m_pList->format().style() == para.list) {
            m_pList->add(m_cursor.block());
        } else {
            QTextListFormat format;
            format.setStyle(para.list);
            m_pList = m_cursor.createList(format);
        }
        if (!last) {
            m_cursor.insertBlock(QTextBlockFormat(), m_cursor.charFormat());
            m_bParagraphEnded = true;
        }
    }

    // Word processors end the last paragraph with \par too; it closes that paragraph rather
    // than opening an empty one.
    void DropFinalParagraphMark() {
        if (m_bParagraphEnded && m_cursor.block().length() == 1 &&
            m_cursor.block().previous().isValid()) {
            m_cursor.deletePreviousChar();
        }
    }

    // A PNG or JPEG picture goes into the text where Qt can show it; other kinds are dropped.
    void InsertPicture() {
        const bool inText = m_groups[m_groups.size() - 2].destination == RtfDestination::kText;
        if (inText && m_picture.InsertAt(m_cursor)) {
            m_bParagraphEnded = false;
        }
    }

    std::string_view m_rtf;
    QTextCursor m_cursor;
    size_t m_pos = 0;
    bool m_bEnded = false;
    bool m_bStarred = false;
    bool m_bParagraphEnded = false;  // no text since the last paragraph mark
    std::vector<RtfGroup> m_groups;
    size_t m_nExcessDepth = 0;
    std::string m_bytes;
    int m_nFallback = 0;
    char16_t m_highSurrogate = 0;
    int m_nCodePage = kCodePage936;
    int m_nDefaultFont = 0;
    std::map<int, RtfFont> m_fonts;
    int m_nFontNumber = -1;
    int m_nFontCharset = 0;
    QString m_fontName;
    std::vector<QColor> m_colors;
    QColor m_pendingColor;
    RtfPicture m_picture;
    size_t m_nListGroup = 0;
    QTextList* m_pList = nullptr;
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
