#include "richtext/rtf_tables.h"

namespace velnor {

void RtfFontTable::ApplyWord(const RtfControlWord& control) {
    if (control.word == "f") {
        FinishEntry();
        m_nNumber = control.Index();
        m_nCharset = 0;
    } else if (control.word == "fcharset") {
        m_nCharset = control.Clamped(0, 255);
    }
}

void RtfFontTable::FinishEntry() {
    if (m_nNumber >= 0) {
        m_fonts[m_nNumber] = RtfFont{m_name.trimmed(), m_nCharset};
    }
    m_nNumber = -1;
    m_name.clear();
}

int RtfFontTable::CharsetOf(int number) const {
    const auto font = m_fonts.find(number);
    return font == m_fonts.end() ? 0 : font->second.charset;
}

void RtfColorTable::ApplyWord(const RtfControlWord& control) {
    const int value = control.Clamped(0, 255);
    if (!m_pending.isValid()) {
        m_pending = QColor(0, 0, 0);
    }
    if (control.word == "red") {
        m_pending.setRed(value);
    } else if (control.word == "green") {
        m_pending.setGreen(value);
    } else if (control.word == "blue") {
        m_pending.setBlue(value);
    }
}

void RtfColorTable::FinishEntry() {
    m_colors.push_back(m_pending);
    m_pending = QColor();
}

}  // namespace velnor
