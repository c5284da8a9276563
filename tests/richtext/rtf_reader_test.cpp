#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <random>
#include <string>
#include <vector>

#include "richtext/rtf_reader.h"

namespace velnor {
namespace {

// Notes as the rich-edit control of the old program wrote them: GBK bytes as \'hh escapes, a
// font table naming 宋体, a colour table, paragraphs ending in \par.
constexpr const char* kRichEditNotes =
    "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
    "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 "
    "\\'d5\\'fd\\'b7\\'bd\\'cc\\'e5 ABCD\\par\r\n"
    "\\qc\\cf1\\b\\fs32 x\\{1\\}\\b0\\tab y\\par\r\n}";

// The text as read, with paragraphs on lines of their own.
QString PlainText(std::string_view rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(RtfReader, ReadsRichEditNotesWithTheirFormatting) {
    QTextDocument document;
    ReadRtf(kRichEditNotes, document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("正方体 ABCD\nx{1}\ty"));
    const QTextCharFormat first = FormatAt(document, 0);
    EXPECT_EQ(first.fontFamilies().toStringList().value(0), QStringLiteral("宋体"));
    EXPECT_EQ(first.fontPointSize(), 10.0);
    EXPECT_EQ(first.foreground().style(), Qt::NoBrush);
    const QTextCharFormat bold = FormatAt(document, 9);
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.fontPointSize(), 16.0);
    EXPECT_EQ(bold.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(document, 13).fontWeight(), QFont::Normal);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(document.firstBlock().blockFormat().alignment(), Qt::AlignLeft);
}

TEST(RtfReader, KeepsTheTextAroundWhatItDoesNotUnderstand) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {"{\\rtf1 a{\\*\\unknowndest hidden}b{\\unknownword c}d}", "abcd"},
        {"{\\rtf1 a{\\*\\shppict{\\pict\\wmetafile8 0102}}{\\nonshppict{\\pict 0102}}b}", "ab"},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}} after}", "link after"},
        {"{\\rtf1 a\\bin3 }}}b}", "ab"},
        {"{\\rtf1 a{\\stylesheet{\\s0 Normal;}}{\\info{\\title t}}b}", "ab"},
        {"{\\rtf1 a\\u8364?b{\\uc2\\u-10179\\'3f\\'3f\\u-8694\\'3f\\'3f}c}", "a\u20acb\U0001F60Ac"},
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 caf\\'e9}",
         "caf\u00e9"},
        {"{\\rtf1{\\fonttbl{\\f1\\fcharset134 x;}}\\f1 \\'d6\\'d0\\'ce\\'c4}", "中文"},
        {"{\\rtf1 a\\line b\\emdash c\\~d}", "a\u2028b\u2014c\u00a0d"},
        {"{\\rtf1 {\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}item}", "item"},
        {"\xd6\xd0\xce\xc4 notes", "中文 notes"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(PlainText(c.rtf), QString::fromUtf8(c.text));
    }
}

// Word processors keep fonts, sizes, bold, italic and underline apart for Chinese and for Latin
// text: the associated words after \dbch set the Chinese ones, the plain words set both.
TEST(RtfReader, GivesChineseTheAssociatedFormatAndLatinThePlainOne) {
    constexpr const char* kFonts =
        "{\\rtf1\\deff0{\\fonttbl{\\f0 Serif;}{\\f1 Sans;}{\\f2\\fcharset134 Kai;}}";
    const struct {
        std::string body;
        const char* text;
        const char* character;
        const char* font;
        double size;
        bool bold;
        bool italic;
    } cases[] = {
        // As LibreOffice writes a bold, large Chinese run and a Latin one after it.
        {"{\\dbch\\afs48\\ab\\af2\\dbch \\u21246\\'3f}{\\loch\\f1 ab}", "勾ab", "勾", "Kai", 24,
         true, false},
        {"{\\dbch\\afs48\\ab\\af2\\dbch \\u21246\\'3f}{\\loch\\f1 ab}", "勾ab", "a", "Sans", 12,
         false, false},
        // As Word writes one run with a font for each kind of text.
        {"\\loch\\af1\\hich\\af1\\dbch\\af2\\loch\\f1\\fs30\\b x\\'d6\\'d0", "x中", "中", "Kai", 15,
         true, false},
        {"\\loch\\af1\\hich\\af1\\dbch\\af2\\loch\\f1\\fs30\\b x\\'d6\\'d0", "x中", "x", "Sans", 15,
         true, false},
        // Associated words of right-to-left text change neither.
        {"\\rtlch\\ab\\ai\\afs60\\af1 \\ltrch\\i \\'d6\\'d0x", "中x", "中", "Serif", 12, false,
         true},
        // Full-width punctuation is East Asian; a plain \\f without \\loch or \\dbch sets both.
        {"\\f1\\dbch\\ai\\aul\\loch \\u65292?y", "，y", "，", "Sans", 12, false, true},
        {"\\f1\\dbch\\ai\\aul\\loch \\u65292?y", "，y", "y", "Sans", 12, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body + " at " + c.character);
        QTextDocument document;
        ReadRtf(kFonts + c.body + "}", document);
        const QString text = QString::fromUtf8(c.text);
        ASSERT_EQ(document.toPlainText(), text);
        const QTextCharFormat format =
            FormatAt(document, static_cast<int>(text.indexOf(QString::fromUtf8(c.character))));
        EXPECT_EQ(format.fontFamilies().toStringList().value(0), QString::fromUtf8(c.font));
        EXPECT_EQ(format.fontPointSize(), c.size);
        EXPECT_EQ(format.fontWeight() == QFont::Bold, c.bold);
        EXPECT_EQ(format.fontItalic(), c.italic);
    }
}

TEST(RtfReader, ReadsBulletsNumbersAndIndents) {
    QTextDocument document;
    ReadRtf(
        "{\\rtf1\\pard{\\*\\pn\\pnlvlblt}\\fi-360\\li1200 one\\par two\\par"
        "\\pard{\\*\\pn\\pnlvlbody\\pndec}\\li600 three\\par\\pard\\li300\\fi150\\sa90 four}",
        document);
    ASSERT_EQ(document.blockCount(), 4);
    const QTextBlock one = document.firstBlock();
    ASSERT_NE(one.textList(), nullptr);
    EXPECT_EQ(one.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(one.next().textList(), one.textList());
    EXPECT_DOUBLE_EQ(one.blockFormat().leftMargin(), 1200 / 15.0 - 40.0);
    const QTextBlock three = one.next().next();
    EXPECT_EQ(three.textList()->format().style(), QTextListFormat::ListDecimal);
    const QTextBlock four = three.next();
    EXPECT_EQ(four.textList(), nullptr);
    EXPECT_DOUBLE_EQ(four.blockFormat().leftMargin(), 20.0);
    EXPECT_DOUBLE_EQ(four.blockFormat().textIndent(), 10.0);
    EXPECT_DOUBLE_EQ(four.blockFormat().bottomMargin(), 6.0);
}

// A list table as LibreOffice writes it: list 1 numbers "1." and "a)" on two levels, list 2 has
// bullets; the overrides give them as \ls1 and \ls2, and list 3 shows no number.
constexpr const char* kListTables =
    "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1"
    "{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext "
    "\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-283\\li709}"
    "{\\listlevel\\levelnfc4\\levelstartat1{\\leveltext "
    "\\'03(\\'01);}{\\levelnumbers\\'01;}}\\listid7}"
    "{\\list{\\listlevel\\levelnfc23{\\leveltext \\'01\\u8226 ?;}{\\levelnumbers;}\\f4}\\listid8}"
    "{\\list{\\listlevel\\levelnfc255{\\leveltext \\'01\\'00;}}\\listid9}}"
    "{\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid8\\listoverridecount0\\ls2}{\\listoverride\\listid9\\ls3}}";

TEST(RtfReader, ReadsListTablesWithTheirLevelsAndNumberFormats) {
    const auto item = [](const char* words, const char* text) {
        return std::string("\\pard\\plain{\\listtext\\pard\\plain 1.\\tab}") + words + " " + text +
               "\\par ";
    };
    QTextDocument document;
    ReadRtf(kListTables + item("\\ilvl0\\ls1\\li709", "one") + item("\\ilvl1\\ls1", "one.a") +
                item("\\ilvl1\\ls1", "one.b") + item("\\ls1", "two") + item("\\ql", "plain") +
                item("\\ls1\\ilvl1", "two.a") + item("\\ls1", "three") + item("\\ls2", "dot") +
                item("\\ls3", "none") + item("\\ls9", "unknown") + "}",
            document);
    const struct {
        const char* text;
        QTextListFormat::Style style;
        int indent;
        const char* prefix;
        const char* suffix;
        int number;  // the item's number in its Qt list
    } expected[] = {
        {"one", QTextListFormat::ListDecimal, 1, "", ".", 0},
        {"one.a", QTextListFormat::ListLowerAlpha, 2, "(", ")", 0},
        {"one.b", QTextListFormat::ListLowerAlpha, 2, "(", ")", 1},
        {"two", QTextListFormat::ListDecimal, 1, "", ".", 1},
        {"plain", QTextListFormat::ListStyleUndefined, 0, "", "", 0},
        {"two.a", QTextListFormat::ListLowerAlpha, 2, "(", ")", 0},
        {"three", QTextListFormat::ListDecimal, 1, "", ".", 2},
        {"dot", QTextListFormat::ListDisc, 1, "", "", 0},
        {"none", QTextListFormat::ListStyleUndefined, 0, "", "", 0},
        {"unknown", QTextListFormat::ListDisc, 1, "", "", 0},
    };
    QTextBlock block = document.firstBlock();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.text);
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.text(), QString::fromUtf8(e.text));
        const QTextList* list = block.textList();
        if (e.style == QTextListFormat::ListStyleUndefined) {
            EXPECT_EQ(list, nullptr);
        } else {
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->format().style(), e.style);
            EXPECT_EQ(list->format().indent(), e.indent);
            EXPECT_EQ(list->itemNumber(block), e.number);
            if (e.style == QTextListFormat::ListDecimal ||
                e.style == QTextListFormat::ListLowerAlpha) {
                EXPECT_EQ(list->format().numberPrefix(), QString::fromUtf8(e.prefix));
                EXPECT_EQ(list->format().numberSuffix(), QString::fromUtf8(e.suffix));
            }
        }
        block = block.next();
    }
    EXPECT_DOUBLE_EQ(document.firstBlock().blockFormat().leftMargin(), 709 / 15.0 - 40.0);
}

// The text of each cell of `table`, row by row, with "-" for a cell that another one covers.
std::vector<std::string> CellTexts(QTextTable& table) {
    std::vector<std::string> texts;
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column) {
                texts.push_back("-");
                continue;
            }
            QTextCursor text = cell.firstCursorPosition();
            text.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            texts.push_back(
                text.selectedText().replace(QChar::ParagraphSeparator, u'/').toStdString());
        }
    }
    return texts;
}

// Rows as Word writes them: cells merged across by \clmgf and \clmrg and down by \clvmgf and
// \clvmrg; and as LibreOffice writes them: a merged cell is one cell as wide as two.
TEST(RtfReader, ReadsTablesWithMergedCellsAndBorders) {
    constexpr const char* kBorder = "\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrb\\brdrnone";
    const struct {
        const char* name;
        std::string rows;
        std::vector<std::string> cells;
    } cases[] = {
        {"merge words",
         std::string("\\trowd") + kBorder +
             "\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000"
             "\\pard\\intbl a\\cell\\cell c\\par c2\\cell\\row"
             "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\pard\\intbl d\\cell "
             "e\\cell\\cell\\row"
             "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl g\\cell h\\cell i\\cell\\row",
         {"a", "-", "c/c2", "d", "e", "-", "g", "h", "i"}},
        {"wide cell",
         std::string("\\trowd") + kBorder +
             "\\cellx2000\\cellx3000\\intbl a\\cell c\\cell\\row"
             "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl d\\cell e\\cell f\\cell\\row",
         {"a", "-", "c", "d", "e", "f"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument document;
        ReadRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}before\\par " + c.rows +
                    "\\pard after\\par}",
                document);
        EXPECT_EQ(document.firstBlock().text(), QStringLiteral("before"));
        EXPECT_EQ(document.lastBlock().text(), QStringLiteral("after"));
        QTextCursor cursor(document.firstBlock().next());
        QTextTable* table = cursor.currentTable();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(CellTexts(*table), c.cells);
        const QTextTableCellFormat first = table->cellAt(0, 0).format().toTableCellFormat();
        EXPECT_EQ(first.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
        EXPECT_DOUBLE_EQ(first.topBorder(), 2.0);
        EXPECT_EQ(first.topBorderBrush().color(), QColor(0, 0, 255));
        EXPECT_EQ(first.bottomBorderStyle(), QTextFrameFormat::BorderStyle_None);
        EXPECT_EQ(table->format().columnWidthConstraints().value(1).rawValue(), 1000 / 15.0);
    }
}

// Rows left unfinished, cells past the last a row may have and edges out of order still give a
// table that holds all their text.
TEST(RtfReader, ReadsDamagedTables) {
    std::string wide = "{\\rtf1\\trowd\\intbl ";
    for (int cell = 0; cell < 100; ++cell) {
        wide += "x\\cell ";
    }
    const struct {
        std::string rtf;
        std::string text;
    } cases[] = {
        {"{\\rtf1\\trowd\\cellx100\\intbl a\\cell b", "ab"},
        {"{\\rtf1\\intbl a\\cell b\\cell\\row\\trowd\\cellx5\\cellx3\\cellx1\\intbl c\\cell\\row}",
         "abc"},
        {"{\\rtf1\\cell\\cell\\row\\row\\cell}", ""},
        {wide + "\\row}", std::string(100, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf.substr(0, 80));
        QTextDocument document;
        ReadRtf(c.rtf, document);
        EXPECT_EQ(document.toPlainText().remove(u'\n').toStdString(), c.text);
    }
}

TEST(RtfReader, ShowsPngPicturesAtTheirGoalSize) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const std::string rtf = "{\\rtf1 a{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450 " +
                            png.toHex().toStdString() + "}b}";
    QTextDocument document;
    ReadRtf(rtf, document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a\uFFFCb"));
    const QTextImageFormat picture = FormatAt(document, 1).toImageFormat();
    EXPECT_DOUBLE_EQ(picture.width(), 40.0);
    EXPECT_DOUBLE_EQ(picture.height(), 30.0);
    const QImage shown =
        document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    EXPECT_EQ(shown.size(), QSize(4, 3));
}

// Deep nesting, absurd numbers, truncation at every byte and random damage: what can be read is
// read, and the reader neither crashes nor hangs.
TEST(RtfReader, SurvivesHostileInput) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + "}";
    EXPECT_EQ(PlainText(deep), QStringLiteral("deep"));
    EXPECT_EQ(PlainText("{\\rtf1\\fs999999999999999999999\\li-99999999999999 \\uc99999999999 "
                        "\\u99999999999999 x\\bin99999999999999"),
              QStringLiteral("\uFFFF"));

    // Notes with Chinese runs, lists and a merged table, cut and damaged.
    const std::string table =
        "\\trowd\\clbrdrt\\brdrs\\clvmgf\\cellx900\\cellx1800\\intbl\\dbch\\ab a\\cell b\\cell\\row"
        "\\trowd\\clvmrg\\cellx900\\cellx1800\\intbl\\cell\\ls1\\ilvl1 c\\cell\\row\\pard d}";
    for (const std::string& sample : {std::string(kRichEditNotes), kListTables + table}) {
        for (size_t length = 0; length <= sample.size(); ++length) {
            PlainText(std::string_view(sample).substr(0, length));
        }
        std::mt19937 random(7);
        for (int round = 0; round < 2000; ++round) {
            std::string damaged = sample;
            for (int hit = 0; hit < 8; ++hit) {
                damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
            }
            PlainText(damaged);
        }
    }
}

}  // namespace
}  // namespace velnor
