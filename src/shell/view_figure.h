#pragma once

#include <QString>

#include "output/vector_frame.h"

namespace velnor {

class CPlomDoc;
class CPlomView;

// What the view shows now, as the vector drawing takes it: its size, projection, layout and
// label size, with the document's pages for its page components.
VectorLayout ViewVectorLayout(const CPlomDoc& doc, const CPlomView& view);

// 另存为 to an .svg or .pdf file: the current page's figure as the view shows it. Returns an
// empty string, or why the file could not be written.
QString ExportViewFigure(const QString& path, const CPlomDoc& doc, const CPlomView& view);

}  // namespace velnor
