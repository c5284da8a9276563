#pragma once

#include <QIcon>

namespace velnor {

// The two fixed solids of the main toolbar have a button but no command id of the table.
inline constexpr int kCubeButton = -1;
inline constexpr int kTetrahedronButton = -2;

// The icon of a command (or of a toolbar-only button above), the same on its toolbar button and
// beside its menu text; an empty icon for commands that have none.
QIcon CommandIcon(int id);

// The program's own icon, for its windows.
QIcon ApplicationIcon();

}  // namespace velnor
