#pragma once

#include <QJsonArray>

namespace velnor {

class CGpage;

// The page's action buttons as the web lesson plays them. Each button carries the runs the
// program itself makes of it, tick by tick: the run of a press on the page as it stands, and of
// the next press after that one ended. A tick holds only what changed in it (vertex positions
// and shown flags, hidden flags of lines, faces and solids, solid placements, measurement texts,
// button captions), so the browser replays the program's own results exactly. The page itself
// is left as it was.
QJsonArray ButtonRunsJson(const CGpage& page);

}  // namespace velnor
