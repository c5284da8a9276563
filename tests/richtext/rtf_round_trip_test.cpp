#include <gtest/gtest.h>

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <functional>

#include "gui/text_document_description.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace velnor {
namespace {

QTextCharFormat Chars(const std::function<void(QTextCharFormat&)>& set) {
    QTextCharFormat format;
    set(format);
    return format;
}

QTextBlockFormat Paragraph(const std::function<void(QTextBlockFormat&)>& set) {
    QTextBlockFormat format;
    set(format);
    return format;
}

// A 3 x 3 table with borders: a cell two columns wide, one two rows high, two paragraphs in one.
void FillTable(QTextCursor& cursor) {
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100),
                                      QTextLength(QTextLength::FixedLength, 60),
                                      QTextLength(QTextLength::FixedLength, 80)});
    QTextTable* table = cursor.insertTable(3, 3, format);
    const char* texts[] = {"合并", "", "C1", "A2", "B2", "C2", "A3", "B3", ""};
    for (int i = 0; i < 9; ++i) {
        QTextTableCell cell = table->cellAt(i / 3, i % 3);
        QTextTableCellFormat cellFormat;
        cellFormat.setTopBorder(1);
        cellFormat.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        cellFormat.setTopBorderBrush(QColor(0, 0, 200));
        cellFormat.setBottomBorder(2);
        cellFormat.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        cellFormat.setBottomBorderBrush(Qt::black);
        cell.setFormat(cellFormat);
        cell.firstCursorPosition().insertText(QString::fromUtf8(texts[i]),
                                              Chars([](auto& f) { f.setFontWeight(QFont::Bold); }));
    }
    table->cellAt(1, 1).lastCursorPosition().insertBlock();
    table->cellAt(1, 1).lastCursorPosition().insertText(QStringLiteral("第二段"));
    table->mergeCells(0, 0, 1, 2);
    table->mergeCells(1, 2, 2, 1);
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

// Runs of every kind of formatting, paragraphs of every alignment and indent, a bullet list, a
// numbered one with a second level and another after it, a table, Chinese and symbols outside
// code page 936, and a picture.
void FillDocument(QTextDocument& document) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("test:image")), image);
    QTextCursor cursor(&document);
    cursor.setBlockFormat(Paragraph([](auto& f) { f.setAlignment(Qt::AlignHCenter); }));
    cursor.insertText(QStringLiteral("勾股定理 "), Chars([](auto& f) {
                          f.setFontWeight(QFont::Bold);
                          f.setFontPointSize(20);
                          f.setForeground(QColor(200, 0, 0));
                      }));
    cursor.insertText(QStringLiteral("a² + b² = c²"), Chars([](auto& f) {
                          f.setFontItalic(true);
                          f.setFontFamilies({QStringLiteral("Liberation Serif")});
                      }));
    cursor.insertBlock(Paragraph([](auto& f) {
        f.setAlignment(Qt::AlignRight);
        f.setLeftMargin(30);
        f.setRightMargin(12);
        f.setTextIndent(-8);
        f.setTopMargin(4);
        f.setBottomMargin(6);
    }));
    cursor.insertText(QStringLiteral("下划线"), Chars([](auto& f) { f.setFontUnderline(true); }));
    cursor.insertText(QStringLiteral("删除线"), Chars([](auto& f) { f.setFontStrikeOut(true); }));
    cursor.insertText(QStringLiteral("底色"), Chars([](auto& f) { f.setBackground(Qt::yellow); }));
    cursor.insertText(QStringLiteral("2"), Chars([](auto& f) {
                          f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
                      }));
    cursor.insertText(QStringLiteral(" {\\} ∮ 😀\t€"), QTextCharFormat());
    cursor.insertBlock(Paragraph([](auto& f) { f.setAlignment(Qt::AlignJustify); }));
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    cursor.createList(bullets);
    cursor.insertText(QStringLiteral("第一条"), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("第二条"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    cursor.createList(numbers);
    cursor.insertText(QStringLiteral("one"), QTextCharFormat());
    QTextListFormat letters;
    letters.setStyle(QTextListFormat::ListLowerAlpha);
    letters.setIndent(2);
    letters.setNumberPrefix(QStringLiteral("("));
    letters.setNumberSuffix(QStringLiteral(")"));
    cursor.insertBlock(QTextBlockFormat());
    QTextList* sublist = cursor.createList(letters);
    cursor.insertText(QStringLiteral("one (a)"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat());
    sublist->add(cursor.block());
    cursor.insertText(QStringLiteral("one (b)"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat());
    numbers.setStyle(QTextListFormat::ListUpperRoman);
    cursor.createList(numbers);
    cursor.insertText(QStringLiteral("I"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat());
    FillTable(cursor);
    cursor.insertBlock(QTextBlockFormat());
    QTextImageFormat picture;
    picture.setName(QStringLiteral("test:image"));
    picture.setWidth(12);
    picture.setHeight(8);
    cursor.insertImage(picture);
    cursor.insertBlock(QTextBlockFormat());
}

TEST(RtfRoundTrip, WrittenRtfReadsBackToTheSameDocument) {
    QTextDocument original;
    FillDocument(original);
    const std::string rtf = WriteRtf(original);
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    QTextDocument read;
    ReadRtf(rtf, read);
    EXPECT_EQ(test::DescribeDocument(read).toStdString(),
              test::DescribeDocument(original).toStdString());
    // And once more: what was read writes the same RTF.
    EXPECT_EQ(WriteRtf(read), rtf);
}

TEST(RtfRoundTrip, EmptyAndPlainDocumentsStayAsTheyAre) {
    for (const QString& text : {QString(), QStringLiteral("一行"), QStringLiteral("a\n\nb\n")}) {
        SCOPED_TRACE(text.toStdString());
        QTextDocument original;
        original.setPlainText(text);
        QTextDocument read;
        ReadRtf(WriteRtf(original), read);
        EXPECT_EQ(read.toPlainText(), text);
        EXPECT_EQ(read.blockCount(), original.blockCount());
    }
}

}  // namespace
}  // namespace velnor
