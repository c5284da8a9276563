#pragma once

#include <QString>

#include <functional>

namespace velnor {

// Whether a character is written in an East Asian script (Han, kana, Hangul, Bopomofo, and the
// full-width forms and punctuation that go with them). Word processors give such text fonts and
// sizes of its own.
bool IsEastAsian(char32_t character);

bool ContainsEastAsian(const QString& text);

// Calls `take` with each run of `text` that is all East Asian or all not, in order.
void ForEachScriptRun(const QString& text,
                      const std::function<void(const QString& run, bool eastAsian)>& take);

}  // namespace velnor
