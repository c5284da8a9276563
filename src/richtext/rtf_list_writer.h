#pragma once

#include <QTextListFormat>

#include <array>
#include <map>
#include <string>
#include <vector>

class QTextBlock;
class QTextList;

namespace velnor {

// Writes Qt's lists as word processors keep them: a list of the list table with nine levels,
// named by a list override that each item's paragraph gives with its level. A Qt list nested in
// the items of another (a deeper indent) becomes a level of the same RTF list, so that its
// numbers start again after each item above it, as they do in Qt.
class RtfListWriter {
public:
    // The words that put `block`, an item of `list`, in its list: the number as \listtext for
    // readers that do not number paragraphs themselves, then \lsN\ilvlN.
    std::string ItemWords(const QTextList& list, const QTextBlock& block);
    // The list table and the list override table of the lists met so far; empty without lists.
    std::string Tables() const;

    static constexpr int kLevels = 9;
    // An item's marker hangs this far left of its text.
    static constexpr int kHangTwips = 360;

private:
    struct RtfList {
        int rootLevel = 0;
        std::array<QTextListFormat, kLevels> levels;
    };

    int ListOf(const QTextList& list, int level);
    static std::string LevelDefinition(const QTextListFormat& format, int level);

    std::vector<RtfList> m_lists;
    std::map<const QTextList*, int> m_listOf;
    int m_nLastList = -1;  // the RTF list of the last item written
};

// The level of a Qt list in RTF: one less than its indent.
int RtfListLevelOf(const QTextListFormat& format);

}  // namespace velnor
