#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace velnor {

// Writes a file through a temporary one beside it that takes the old one's place only when
// `write` succeeded, so a failed export never destroys a file. Returns an empty string, or why
// the file could not be written.
QString SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace velnor
