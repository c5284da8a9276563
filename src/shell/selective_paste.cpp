#include "shell/selective_paste.h"

#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QUrl>

#include <array>

#include "richtext/inserted_image.h"
#include "richtext/rtf_reader.h"

namespace velnor {

namespace {

constexpr std::array<const char*, 3> kRtfFormats = {"text/rtf", "application/rtf", "text/richtext"};

QString RtfFormat(const QMimeData& data) {
    for (const char* format : kRtfFormats) {
        if (data.hasFormat(QString::fromLatin1(format))) {
            return QString::fromLatin1(format);
        }
    }
    return {};
}

// Pictures live in the document that shows them, so they travel with the text.
void CopyPictures(const QTextDocument& from, QTextDocument& to) {
    for (QTextBlock block = from.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QUrl name(format.toImageFormat().name());
                to.addResource(QTextDocument::ImageResource, name,
                               from.resource(QTextDocument::ImageResource, name));
            }
        }
    }
}

void PasteFormatted(QTextCursor& cursor, const QMimeData& data) {
    const QString rtf = RtfFormat(data);
    if (rtf.isEmpty()) {
        cursor.insertHtml(data.html());
        return;
    }
    const QByteArray bytes = data.data(rtf);
    QTextDocument pasted;
    ReadRtf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), pasted);
    CopyPictures(pasted, *cursor.document());
    cursor.insertFragment(QTextDocumentFragment(&pasted));
}

void PastePicture(QTextCursor& cursor, const QMimeData& data) {
    const QImage image = qvariant_cast<QImage>(data.imageData());
    if (image.isNull()) {
        return;
    }
    InsertImage(cursor, image, image.width(), image.height());
}

}  // namespace

std::vector<PasteChoice> PasteChoices(const QMimeData* data, bool viewActive, bool hasFigureData) {
    std::vector<PasteChoice> choices;
    if (viewActive) {
        if (hasFigureData) {
            choices.push_back(PasteChoice::kFigure);
        }
        return choices;
    }
    if (data == nullptr) {
        return choices;
    }
    if (!RtfFormat(*data).isEmpty() || data->hasHtml()) {
        choices.push_back(PasteChoice::kFormattedText);
    }
    if (data->hasText()) {
        choices.push_back(PasteChoice::kPlainText);
    }
    if (data->hasImage()) {
        choices.push_back(PasteChoice::kPicture);
    }
    return choices;
}

QString PasteChoiceText(PasteChoice choice) {
    switch (choice) {
        case PasteChoice::kFormattedText:
            return QStringLiteral("带格式文本");
        case PasteChoice::kPlainText:
            return QStringLiteral("无格式文本");
        case PasteChoice::kPicture:
            return QStringLiteral("图片");
        case PasteChoice::kFigure:
            return QStringLiteral("Velnor 页和图元");
    }
    return {};
}

void PasteIntoNotes(QTextEdit& edit, const QMimeData& data, PasteChoice choice) {
    QTextCursor cursor = edit.textCursor();
    switch (choice) {
        case PasteChoice::kFormattedText:
            PasteFormatted(cursor, data);
            break;
        case PasteChoice::kPlainText:
            cursor.insertText(data.text());
            break;
        case PasteChoice::kPicture:
            PastePicture(cursor, data);
            break;
        case PasteChoice::kFigure:
            return;
    }
    // The caret goes after what came in, as after an ordinary paste.
    edit.setTextCursor(cursor);
}

}  // namespace velnor
