#include "output/label_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

namespace velnor {

namespace {

QFont LabelFont(int pixelSize, bool italic) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

// The view's glyphs: characters below '@' come from the small upright font.
bool IsSmall(char32_t c) {
    return c < 64;
}

}  // namespace

void DrawLabelText(QPainter& painter, QPointF at, std::string_view text, int pixelSize,
                   const QColor& color, bool lowerSmallRuns) {
    const QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (all.isEmpty()) {
        return;
    }
    const QFont main = LabelFont(pixelSize, true);
    const QFont small = LabelFont(static_cast<int>(pixelSize * 0.8), false);
    const double lowered = lowerSmallRuns ? pixelSize * 0.15 : 0.0;
    painter.save();
    painter.setPen(color);
    const QList<uint> codes = all.toUcs4();
    qsizetype start = 0;
    while (start < codes.size()) {
        const bool isSmall = IsSmall(codes[start]);
        qsizetype end = start;
        while (end < codes.size() && IsSmall(codes[end]) == isSmall) {
            ++end;
        }
        const QString run = QString::fromUcs4(
            reinterpret_cast<const char32_t*>(codes.constData() + start), end - start);
        const QFont& font = isSmall ? small : main;
        painter.setFont(font);
        painter.drawText(at + QPointF(0, isSmall ? lowered : 0.0), run);
        at.rx() += QFontMetricsF(font).horizontalAdvance(run);
        start = end;
    }
    painter.restore();
}

}  // namespace velnor
