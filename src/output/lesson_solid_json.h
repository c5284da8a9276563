#pragma once

#include <QJsonArray>

#include <span>

namespace velnor {

class CGlModel;
class CGpage;

// The page's solids for the web lesson: each with the matrix that places it and the number of its
// shape, and the shapes as the shape module gives them in their unit frame (painted surfaces as
// triangles with normals, the flat faces of the title's letters as contours, wire lines with the
// normals light shades them by, and for the solids drawn by their outline the body the browser
// finds that outline on), each once. A page component names instead the index among `pages` of
// the page it shows; one that shows no page is left out.
struct LessonSolids {
    QJsonArray solids;
    QJsonArray shapes;
};
LessonSolids LessonSolidsJson(const CGpage& page, const CGlModel& settings,
                              std::span<const CGpage* const> pages);

// The page's bitmap texts as pictures, with the point they hang at.
QJsonArray LessonBitTextsJson(const CGpage& page);

}  // namespace velnor
