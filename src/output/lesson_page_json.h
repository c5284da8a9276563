#pragma once

#include <QJsonObject>

#include <span>

namespace velnor {

class CGlModel;
class CGpage;

// One page of the web lesson: how it is looked at (camera, projection, its display preset's
// colours and light), its points, lines, faces, solids, texts and buttons. `pages` are the
// document's, which its page components show.
QJsonObject LessonPageJson(const CGpage& page, const CGlModel& settings,
                           std::span<const CGpage* const> pages);

}  // namespace velnor
