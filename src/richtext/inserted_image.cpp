#include "richtext/inserted_image.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace velnor {

void InsertImage(QTextCursor& cursor, const QImage& image, double width, double height) {
    static int s_nImages = 0;
    const QString name = QStringLiteral("velnor-image:%1").arg(++s_nImages);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    cursor.insertImage(format);
}

}  // namespace velnor
