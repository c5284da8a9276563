#pragma once

#include <QString>
#include <QTextListFormat>

#include <optional>
#include <vector>

#include "richtext/rtf_tokenizer.h"

namespace velnor {

// The list table and the list override table as they are read. A paragraph names an override
// (\lsN) and a level (\ilvlN); the override names a list (\listidN) whose levels give the number
// format and the text around the number.
class RtfListTable {
public:
    // Words inside \listtable: \list, \listlevel, \levelnfc, \listid; others are ignored.
    void ApplyListWord(const RtfControlWord& control);
    // The text of the current level's \leveltext group: its first character is its length, and
    // characters 0 to 8 stand for the numbers of the levels.
    void AddLevelText(const QString& text) { m_levelText += text; }
    void FinishLevelText();
    // Words inside \listoverridetable: \listoverride, \listid, \ls.
    void ApplyOverrideWord(const RtfControlWord& control);

    // The format of `level` in the list of override `override`: a bullet for an override the
    // tables do not hold, nothing for a level that shows no number.
    std::optional<QTextListFormat> FormatOf(int override, int level) const;

private:
    struct Level {
        int numberFormat = 0;  // \levelnfc
        QString text;          // \leveltext without its length
    };
    struct List {
        long long id = 0;
        std::vector<Level> levels;
    };
    struct Override {
        long long list = 0;
        int number = 0;
    };

    Level* CurrentLevel();
    const List* ListOf(int override) const;

    std::vector<List> m_lists;
    std::vector<Override> m_overrides;
    QString m_levelText;
};

}  // namespace velnor
