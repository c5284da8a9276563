#pragma once

#include <QString>

class QTextEdit;

namespace velnor {

// What 查找 and 替换 look for.
struct SearchRequest {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool backward = false;
};

// Selects the next match after the cursor (before it when backward), going round the end of the
// text once. False, with the cursor left where it was, when the text has no match.
bool FindNext(QTextEdit& edit, const SearchRequest& request);

// Replaces the selection when it is a match, then finds the next one. False when no match is
// left.
bool ReplaceAndFindNext(QTextEdit& edit, const SearchRequest& request, const QString& replacement);

// Replaces every match as one step of the editor's undo; returns how many there were.
int ReplaceAll(QTextEdit& edit, const SearchRequest& request, const QString& replacement);

}  // namespace velnor
