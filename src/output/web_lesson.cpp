#include "output/web_lesson.h"

#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

#include "model/page.h"
#include "output/lesson_page_json.h"
#include "output/save_through.h"
#include "output/web_lesson_files.h"

namespace velnor {

namespace {

// The viewer's scripts, in the order each needs the ones before it.
constexpr const char* kViewerScripts[] = {
    "lesson_matrices.js", "lesson_meshes.js", "lesson_drawing.js",
    "lesson_labels.js",   "lesson_replay.js", "lesson_viewer.js",
};

QByteArray ResourceText(const char* name) {
    const std::string_view text = WebLessonFile(name);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Inside a script element "</script" ends it early and "<!--" changes how the browser reads on;
// a "<" can only stand in a JSON string, where its escape reads the same.
QByteArray InlineJson(const QJsonObject& data) {
    return QJsonDocument(data).toJson(QJsonDocument::Compact).replace("<", "\\u003c");
}

QByteArray EscapedHtmlText(const QString& text) {
    return text.toHtmlEscaped().toUtf8();
}

// The page with each {{NAME}} replaced by its value, in one pass, so that a value that happens
// to hold such a name (a page named so) is left as it is.
QByteArray Filled(const QByteArray& page, const std::map<QByteArray, QByteArray>& values) {
    QByteArray filled;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = page.indexOf("{{", from);
        const qsizetype close = open < 0 ? -1 : page.indexOf("}}", open);
        if (close < 0) {
            return filled + page.mid(from);
        }
        const auto value = values.find(page.mid(open + 2, close - open - 2));
        filled += page.mid(from, open - from);
        filled += value == values.end() ? page.mid(open, close + 2 - open) : value->second;
        from = close + 2;
    }
}

}  // namespace

bool IsWebLessonPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("html") || suffix == QStringLiteral("htm");
}

QByteArray WebLessonHtml(const WebLessonSource& source) {
    QJsonArray pages;
    for (const CGpage* page : source.pages) {
        pages.append(LessonPageJson(*page, source.settings, source.pages));
    }
    const QJsonObject data{{QStringLiteral("title"), source.title},
                           {QStringLiteral("pages"), pages}};
    QByteArray scripts;
    for (const char* name : kViewerScripts) {
        scripts += ResourceText(name);
        scripts += '\n';
    }
    return Filled(ResourceText("lesson.html"), {{"TITLE", EscapedHtmlText(source.title)},
                                                {"DATA", InlineJson(data)},
                                                {"SCRIPTS", scripts}});
}

QString WriteWebLesson(const QString& path, const WebLessonSource& source) {
    const QByteArray html = WebLessonHtml(source);
    return SaveThrough(path, [&](QIODevice& device) { return device.write(html) == html.size(); });
}

}  // namespace velnor
