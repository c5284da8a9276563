#include "gui/text_document_description.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>

#include <vector>

namespace velnor::test {

namespace {

// Where a paragraph sits in a table: its cell and the cell's span.
QString DescribeCell(const QTextBlock& block) {
    const QTextTable* table = QTextCursor(block).currentTable();
    if (table == nullptr) {
        return {};
    }
    const QTextTableCell cell = table->cellAt(block.position());
    return QStringLiteral(" cell=%1,%2 span=%3x%4")
        .arg(cell.row())
        .arg(cell.column())
        .arg(cell.rowSpan())
        .arg(cell.columnSpan());
}

QString DescribeBlock(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    const QTextList* list = block.textList();
    return QStringLiteral(
               "paragraph align=%1 left=%2 right=%3 first=%4 above=%5 below=%6 list=%7%8\n")
        .arg(static_cast<int>(format.alignment() & Qt::AlignHorizontal_Mask))
        .arg(qRound(format.leftMargin()))
        .arg(qRound(format.rightMargin()))
        .arg(list != nullptr ? 0 : qRound(format.textIndent()))
        .arg(qRound(format.topMargin()))
        .arg(qRound(format.bottomMargin()))
        .arg(list != nullptr ? QStringLiteral("%1/%2 %3")
                                   .arg(static_cast<int>(list->format().style()))
                                   .arg(list->format().indent())
                                   .arg(list->itemText(block))
                             : QStringLiteral("0"))
        .arg(DescribeCell(block));
}

// A run of text as its formatting and its text.
struct Run {
    QString format;
    QString text;
};

Run DescribeFragment(const QTextDocument& document, const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        const bool shown = !document.resource(QTextDocument::ImageResource, QUrl(image.name()))
                                .value<QImage>()
                                .isNull();
        return {QStringLiteral("picture %1x%2 %3")
                    .arg(qRound(image.width()))
                    .arg(qRound(image.height()))
                    .arg(shown ? "shown" : "missing"),
                {}};
    }
    const QStringList families = format.fontFamilies().toStringList();
    const auto color = [](const QBrush& brush) {
        return brush.style() == Qt::NoBrush ? QStringLiteral("auto") : brush.color().name();
    };
    return {QStringLiteral("font=%1 size=%2 bold=%3 italic=%4 underline=%5 strike=%6 color=%7 "
                           "background=%8 vertical=%9")
                .arg(families.value(0, document.defaultFont().family()))
                .arg(format.fontPointSize() > 0 ? format.fontPointSize()
                                                : document.defaultFont().pointSizeF())
                .arg(format.fontWeight() >= QFont::DemiBold)
                .arg(format.fontItalic())
                .arg(format.fontUnderline())
                .arg(format.fontStrikeOut())
                .arg(color(format.foreground()), color(format.background()))
                .arg(static_cast<int>(format.verticalAlignment())),
            fragment.text()};
}

}  // namespace

QString DescribeDocument(const QTextDocument& document) {
    QString description;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        description += DescribeBlock(block);
        std::vector<Run> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            Run run = DescribeFragment(document, it.fragment());
            if (!runs.empty() && runs.back().format == run.format && !run.text.isEmpty()) {
                runs.back().text += run.text;
            } else {
                runs.push_back(std::move(run));
            }
        }
        for (const Run& run : runs) {
            description += QStringLiteral("  \"%1\" %2\n").arg(run.text, run.format);
        }
    }
    return description;
}

}  // namespace velnor::test
