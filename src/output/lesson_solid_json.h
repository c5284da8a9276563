#pragma once

#include <QJsonArray>

namespace velnor {

class CGlModel;
class CGpage;

// The page's solids for the web lesson, each as the shape module gives it in its unit frame with
// the matrix that places it: painted surfaces as triangles with normals, wire lines, and for the
// solids drawn by their outline the body the browser finds that outline on. Page components and
// the title's lettering are not carried.
QJsonArray LessonSolidsJson(const CGpage& page, const CGlModel& settings);

// The page's bitmap texts as pictures, with the point they hang at.
QJsonArray LessonBitTextsJson(const CGpage& page);

}  // namespace velnor
