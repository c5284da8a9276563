#pragma once

#include <QByteArray>
#include <QString>

namespace velnor {

// Saves bytes made in memory (a picture, an exported figure) as a document is saved
// (WriteFileReplacing): the old file stays whole on failure and only a regular file is replaced.
// Returns an empty string, or why the file could not be written.
QString SaveFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace velnor
