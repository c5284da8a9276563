#pragma once

#include <QSettings>

namespace velnor {

// The program's own preferences (recent files, autosave), which belong to the teacher, not to a
// document.
inline QSettings ProgramProfile() {
    return QSettings(QStringLiteral("Kalbrix"), QStringLiteral("Velnor"));
}

}  // namespace velnor
