#pragma once

#include <QString>

class QTextDocument;

namespace velnor::test {

// What a reader sees of a document, one line per run of text and a header line per paragraph:
// alignment, indents, list style, level and number, table cell and span; the text with its font,
// size, weight, slant, underline, strike-out, colours, vertical alignment; pictures by their size.
// Two documents that look the same describe the same.
QString DescribeDocument(const QTextDocument& document);

}  // namespace velnor::test
