#include "output/tex_text.h"

#include <algorithm>

namespace velnor {

void AppendTexText(std::string& out, const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                escaped += u"\\textbackslash{}";
                break;
            case '{':
                escaped += u"\\{";
                break;
            case '}':
                escaped += u"\\}";
                break;
            case '#':
                escaped += u"\\#";
                break;
            case '$':
                escaped += u"\\$";
                break;
            case '%':
                escaped += u"\\%";
                break;
            case '&':
                escaped += u"\\&";
                break;
            case '_':
                escaped += u"\\_";
                break;
            case '^':
                escaped += u"\\textasciicircum{}";
                break;
            case '~':
                escaped += u"\\textasciitilde{}";
                break;
            // The default text font has other glyphs in these places.
            case '<':
                escaped += u"\\textless{}";
                break;
            case '>':
                escaped += u"\\textgreater{}";
                break;
            case '|':
                escaped += u"\\textbar{}";
                break;
            default:
                if (c.category() != QChar::Other_Control) {
                    escaped += c;
                }
        }
    }
    out += escaped.toStdString();
}

bool IsPlainMath(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == u'\'' || c == u' ';
    });
}

}  // namespace velnor
