#pragma once

#include <QByteArray>
#include <QString>

#include <span>

namespace velnor {

class CGlModel;
class CGpage;

// What a web lesson is made of: the document's pages with its scene settings, and the title the
// browser shows.
struct WebLessonSource {
    const CGlModel& settings;
    std::span<const CGpage* const> pages;
    QString title;
};

// Whether the path names a web lesson: .html or .htm, in either case.
bool IsWebLessonPath(const QString& path);

// The whole document as one HTML page that needs nothing else: the viewer's scripts and the
// pages as data, inlined.
QByteArray WebLessonHtml(const WebLessonSource& source);

// Writes the lesson through an atomic save; an empty string, or why it could not be written.
QString WriteWebLesson(const QString& path, const WebLessonSource& source);

}  // namespace velnor
