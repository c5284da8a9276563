#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <map>
#include <vector>

namespace velnor {

// The formatting state of an RTF group, in RTF's own units (half-points, twips).

// What word processors keep apart for Latin and for East Asian text: the plain words (\f, \fs,
// \b...) set both, the associated ones (\af, \afs, \ab...) after \dbch only the East Asian.
struct RtfScriptFont {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The kind of text that a word such as \loch, \dbch or \rtlch announces.
enum class RtfScript { kNone, kLatin, kEastAsian, kComplex };

struct RtfCharState {
    RtfScriptFont latin;
    RtfScriptFont eastAsian;
    // The set that \af and its kin change: the last of \loch, \hich, \dbch, \rtlch, \ltrch.
    // Right-to-left scripts are not shown apart, so their words are read and dropped.
    RtfScript associated = RtfScript::kLatin;
    // The last of \loch, \hich and \dbch: \f then sets that set's font only, and bytes of text
    // are in that font's character set.
    RtfScript announced = RtfScript::kNone;
    bool strike = false;
    int color = 0;       // colour-table index; 0 is the automatic colour
    int background = 0;  // likewise
    int vertical = 0;    // 1 superscript, -1 subscript
};

struct RtfParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    QTextListFormat::Style list = QTextListFormat::ListStyleUndefined;  // from a \pn group
    int listOverride = 0;                                               // \ls: 0 for none
    int listLevel = 0;                                                  // \ilvl
    bool inTable = false;                                               // \intbl
};

struct RtfFont {
    QString name;
    int charset = 0;
};

// Where the text of a group goes.
enum class RtfDestination {
    kText,
    kSkip,
    kFontTable,
    kColorTable,
    kPicture,
    kListMarker,
    kListTable,
    kListOverrideTable,
    kListLevelText,
};

struct RtfGroup {
    RtfCharState chars;
    RtfParaState para;
    RtfDestination destination = RtfDestination::kText;
    int unicodeSkip = 1;
    bool ownsPicture = false;  // the group that opened \pict
};

// One twip is a twentieth of a point; Qt's document units are pixels at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;
// A list's own indent level takes this much of the paragraph's left indent.
inline constexpr double kListIndentPixels = 40.0;

// The Qt format of a state for Latin or for East Asian text, given the tables read so far.
QTextCharFormat CharFormatOf(const RtfCharState& state, bool eastAsian,
                             const std::map<int, RtfFont>& fonts, int defaultFont,
                             const std::vector<QColor>& colors);
// `listIndent` is the indent of the paragraph's list, 0 outside lists.
QTextBlockFormat BlockFormatOf(const RtfParaState& state, int listIndent);

}  // namespace velnor
