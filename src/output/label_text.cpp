#include "output/label_text.h"

#include "view/label_font.h"

namespace velnor {

LabelFont::LabelFont(int pixelSize)
    : m_pixelSize(pixelSize),
      m_letters(LabelFace(pixelSize, true)),
      m_small(LabelFace(pixelSize, false)),
      m_lettersMetrics(m_letters),
      m_smallMetrics(m_small) {}

double LabelFont::Advance(const QString& run, bool small) const {
    QHash<QString, double>& known = small ? m_smallAdvances : m_lettersAdvances;
    const auto found = known.constFind(run);
    if (found != known.cend()) {
        return *found;
    }
    const double advance = (small ? m_smallMetrics : m_lettersMetrics).horizontalAdvance(run);
    known.insert(run, advance);
    return advance;
}

FigureText LabelFont::Layout(QPointF at, std::string_view text, const QColor& color,
                             bool lowerSmallRuns) const {
    FigureText laid{at, {}, color};
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const double lowered = lowerSmallRuns ? m_pixelSize * 0.15 : 0.0;
    const QList<uint> codes = all.toUcs4();
    qsizetype start = 0;
    while (start < codes.size()) {
        const bool isSmall = !IsLetterCode(codes[start]);
        qsizetype end = start;
        while (end < codes.size() && !IsLetterCode(codes[end]) == isSmall) {
            ++end;
        }
        const QString run = QString::fromUcs4(
            reinterpret_cast<const char32_t*>(codes.constData() + start), end - start);
        laid.runs.push_back({run, isSmall, laid.width, isSmall ? lowered : 0.0});
        laid.width += Advance(run, isSmall);
        start = end;
    }
    return laid;
}

}  // namespace velnor
