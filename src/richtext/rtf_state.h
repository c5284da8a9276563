#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <QTextListFormat>

#include <map>
#include <vector>

namespace velnor {

// The formatting state of an RTF group, in RTF's own units (half-points, twips).

struct RtfCharState {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
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
    QTextListFormat::Style list = QTextListFormat::ListStyleUndefined;
};

struct RtfFont {
    QString name;
    int charset = 0;
};

// Where the text of a group goes.
enum class RtfDestination { kText, kSkip, kFontTable, kColorTable, kPicture, kListMarker };

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

// The Qt formats of a state, given the tables read so far.
QTextCharFormat CharFormatOf(const RtfCharState& state, const std::map<int, RtfFont>& fonts,
                             int defaultFont, const std::vector<QColor>& colors);
QTextBlockFormat BlockFormatOf(const RtfParaState& state);

}  // namespace velnor
