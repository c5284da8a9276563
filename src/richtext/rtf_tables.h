#pragma once

#include <QColor>
#include <QString>

#include <map>
#include <vector>

#include "richtext/rtf_state.h"
#include "richtext/rtf_tokenizer.h"

namespace velnor {

// The font table as it is read: each entry is \fN, \fcharsetN and a name that ends at ';' (or at
// the next \f or the end of its group).
class RtfFontTable {
public:
    // \f keeps the entry before and starts the next, \fcharset gives its character set; other
    // words are ignored. Bytes of the name read so far must have been added.
    void ApplyWord(const RtfControlWord& control);
    void AddToName(const QString& text) { m_name += text; }
    // Keeps the entry read so far, if it has a number.
    void FinishEntry();

    // The character set of the entry being read, for the bytes of its name.
    int EntryCharset() const { return m_nCharset; }
    // The character set of font `number`; 0 for a font the table does not hold.
    int CharsetOf(int number) const;
    const std::map<int, RtfFont>& Fonts() const { return m_fonts; }

private:
    std::map<int, RtfFont> m_fonts;
    int m_nNumber = -1;
    int m_nCharset = 0;
    QString m_name;
};

// The colour table as it is read: \red, \green and \blue set an entry that ends at ';'. An entry
// without them is the automatic colour (invalid).
class RtfColorTable {
public:
    // \colortbl: the first entry starts.
    void Begin() { m_pending = QColor(); }
    void ApplyWord(const RtfControlWord& control);
    void FinishEntry();

    const std::vector<QColor>& Colors() const { return m_colors; }

private:
    std::vector<QColor> m_colors;
    QColor m_pending;
};

}  // namespace velnor
