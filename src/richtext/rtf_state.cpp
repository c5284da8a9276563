#include "richtext/rtf_state.h"

#include <QTextBlockFormat>

#include <algorithm>

namespace velnor {

namespace {

const QColor* TableColor(const std::vector<QColor>& colors, int index) {
    if (index <= 0 || index >= static_cast<int>(colors.size()) || !colors[index].isValid()) {
        return nullptr;
    }
    return &colors[index];
}

}  // namespace

QTextCharFormat CharFormatOf(const RtfCharState& state, bool eastAsian,
                             const std::map<int, RtfFont>& fonts, int defaultFont,
                             const std::vector<QColor>& colors) {
    const RtfScriptFont& script = eastAsian ? state.eastAsian : state.latin;
    QTextCharFormat format;
    const auto font = fonts.find(script.font < 0 ? defaultFont : script.font);
    if (font != fonts.end() && !font->second.name.isEmpty()) {
        format.setFontFamilies(QStringList{font->second.name});
    }
    format.setFontPointSize(script.halfPoints / 2.0);
    format.setFontWeight(script.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(script.italic);
    format.setFontUnderline(script.underline);
    format.setFontStrikeOut(state.strike);
    if (const QColor* color = TableColor(colors, state.color)) {
        format.setForeground(*color);
    }
    if (const QColor* color = TableColor(colors, state.background)) {
        format.setBackground(*color);
    }
    if (state.vertical != 0) {
        format.setVerticalAlignment(state.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    }
    return format;
}

QTextBlockFormat BlockFormatOf(const RtfParaState& state, int listIndent) {
    QTextBlockFormat format;
    format.setAlignment(state.alignment);
    const bool inList = listIndent > 0;
    // A list draws its marker in an indent of its own, so that part of the indent is the list's.
    const double left = state.left / kTwipsPerPixel - listIndent * kListIndentPixels;
    format.setLeftMargin(std::max(0.0, left));
    format.setRightMargin(std::max(0.0, state.right / kTwipsPerPixel));
    if (!inList) {
        format.setTextIndent(state.first / kTwipsPerPixel);
    }
    format.setTopMargin(std::max(0.0, state.before / kTwipsPerPixel));
    format.setBottomMargin(std::max(0.0, state.after / kTwipsPerPixel));
    return format;
}

}  // namespace velnor
