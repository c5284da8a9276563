#pragma once

#include <QString>

#include <functional>
#include <string>

class QIODevice;

namespace velnor {

// Writes a file as a document is saved (WriteFileReplacing): `write` fills the bytes, which take
// the old file's place only when it succeeded, so a failed export never destroys a file, and
// only a regular file is replaced. Returns an empty string, or why the file could not be written.
QString SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write);

// The same for a text made whole beforehand.
QString SaveTextThrough(const QString& path, const std::string& text);

}  // namespace velnor
