#pragma once

#include <QJsonArray>

namespace velnor {

class CGlModel;
class CGpage;

// The page's solids for the web lesson: each with the matrix that places it and the number of its
// shape, and the shapes as the shape module gives them in their unit frame (painted surfaces as
// triangles with normals, wire lines, and for the solids drawn by their outline the body the
// browser finds that outline on), each once. Page components and the flat fronts of the title's
// letters are not carried.
struct LessonSolids {
    QJsonArray solids;
    QJsonArray shapes;
};
LessonSolids LessonSolidsJson(const CGpage& page, const CGlModel& settings);

// The page's bitmap texts as pictures, with the point they hang at.
QJsonArray LessonBitTextsJson(const CGpage& page);

}  // namespace velnor
