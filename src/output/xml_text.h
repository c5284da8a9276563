#pragma once

#include <QString>

#include <string>

namespace velnor {

// Appends `text` as UTF-8 fit for an XML attribute or element: the five markup characters
// escaped, and the characters XML cannot hold at all (most control characters, unpaired
// surrogates, U+FFFE and U+FFFF) left out. A label may hold any of them.
void AppendXmlText(std::string& out, const QString& text);

}  // namespace velnor
