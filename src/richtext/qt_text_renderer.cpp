#include "richtext/qt_text_renderer.h"

#include <QTextDocument>

#include "richtext/text_bitmap.h"

namespace velnor {

EditedText QtTextRenderer::RenderPlainText(std::string_view utf8) const {
    QTextDocument document;
    document.setDefaultFont(DefaultTextFont());
    document.setPlainText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return RenderEditedText(document);
}

}  // namespace velnor
