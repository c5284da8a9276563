#pragma once

#include <QKeySequence>
#include <QList>

#include <string>
#include <vector>

namespace velnor {

// The command table writes keys as the menus show them ("Shift+←", "PageUp", "Ctrl+Enter");
// these are the key sequences they stand for. Ctrl+Enter takes both the main and the keypad key.
// A Ctrl+letter key comes first, as the one a menu item shows.
QList<QKeySequence> KeySequences(const std::vector<std::string>& keys);

}  // namespace velnor
