#include "gui/svg_strokes.h"

#include <QRegularExpression>

namespace velnor::test {

SvgContent ReadSvg(const QString& svg) {
    SvgContent content;
    for (const QString& group : svg.split(QStringLiteral("<g "))) {
        const bool dashed = group.section('>', 0, 0).contains(QStringLiteral("stroke-dasharray"));
        static const QRegularExpression line(
            QStringLiteral(R"(<polyline[^>]*points="([-\d.]+),([-\d.]+) ([-\d.]+),([-\d.]+) ")"));
        for (auto m = line.globalMatch(group); m.hasNext();) {
            const auto match = m.next();
            content.strokes.push_back({{match.captured(1).toDouble(), match.captured(2).toDouble()},
                                       {match.captured(3).toDouble(), match.captured(4).toDouble()},
                                       dashed});
        }
        static const QRegularExpression text(QStringLiteral(R"(<text[^>]*>([^<]*)</text>)"));
        for (auto m = text.globalMatch(group); m.hasNext();) {
            content.texts << m.next().captured(1);
        }
    }
    return content;
}

}  // namespace velnor::test
