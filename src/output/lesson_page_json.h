#pragma once

#include <QJsonObject>

namespace velnor {

class CGlModel;
class CGpage;

// One page of the web lesson: how it is looked at (camera, projection, its display preset's
// colours and light), its points, lines, faces, solids, texts and buttons.
QJsonObject LessonPageJson(const CGpage& page, const CGlModel& settings);

}  // namespace velnor
