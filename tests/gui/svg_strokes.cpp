#include "gui/svg_strokes.h"

#include <QRegularExpression>

namespace velnor::test {

SvgContent ReadSvg(const QString& svg) {
    SvgContent content;
    for (const QString& group : svg.split(QStringLiteral("<g "))) {
        const bool dashed = group.section('>', 0, 0).contains(QStringLiteral("stroke-dasharray"));
        static const QRegularExpression line(
            QStringLiteral(R"re(<polyline[^>]*points="([^"]*)")re"));
        for (auto m = line.globalMatch(group); m.hasNext();) {
            std::vector<QPointF> points;
            for (const QString& point : m.next().captured(1).split(' ', Qt::SkipEmptyParts)) {
                points.emplace_back(point.section(',', 0, 0).toDouble(),
                                    point.section(',', 1, 1).toDouble());
            }
            for (size_t i = 0; i + 1 < points.size(); ++i) {
                content.strokes.push_back({points[i], points[i + 1], dashed});
            }
        }
        static const QRegularExpression segment(
            QStringLiteral(R"re(<line x1="([^"]*)" y1="([^"]*)" x2="([^"]*)" y2="([^"]*)")re"));
        for (auto m = segment.globalMatch(group); m.hasNext();) {
            const auto found = m.next();
            content.strokes.push_back(
                {QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()),
                 QPointF(found.captured(3).toDouble(), found.captured(4).toDouble()), dashed});
        }
        // A text's runs are <tspan>s inside it.
        static const QRegularExpression text(QStringLiteral(R"(<text[^>]*>(.*?)</text>)"));
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        for (auto m = text.globalMatch(group); m.hasNext();) {
            content.texts << m.next().captured(1).remove(tag);
        }
    }
    return content;
}

}  // namespace velnor::test
