#include "view/title_glyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include <cstring>
#include <string>

#include "encoding/cp936.h"
#include "model/gl_model.h"
#include "view/list_layout.h"

namespace velnor {

namespace {

// Glyphs are outlined at this pixel size and scaled down so that one em is one unit.
constexpr double kOutlineSize = 256.0;

QFont TitleFont(const LogFont& logFont) {
    const auto* bytes = reinterpret_cast<const char*>(logFont.lfFaceName.data());
    const std::string face =
        Cp936ToUtf8(std::string_view(bytes, strnlen(bytes, logFont.lfFaceName.size())));
    QFont font;
    font.setFamilies({QString::fromStdString(face), QStringLiteral("WenQuanYi Zen Hei"),
                      QStringLiteral("Liberation Serif")});
    font.setPixelSize(static_cast<int>(kOutlineSize));
    font.setBold(logFont.lfWeight >= 600);
    font.setItalic(logFont.lfItalic != 0);
    return font;
}

TitleGlyph Glyph(const QFont& font, const QString& character) {
    QPainterPath path;
    path.addText(0, 0, font, character);
    TitleGlyph glyph;
    for (QPolygonF outline : path.toSubpathPolygons()) {
        for (QPointF& p : outline) {
            p = QPointF(p.x() / kOutlineSize, -p.y() / kOutlineSize);
        }
        glyph.outlines.push_back(std::move(outline));
    }
    glyph.advance = QFontMetricsF(font).horizontalAdvance(character) / kOutlineSize;
    return glyph;
}

TitleLine Line(const QFont& font, const std::string& text, int maxGlyphs, QPointF start) {
    TitleLine line{{}, start};
    for (const uint codePoint : QString::fromStdString(text).toUcs4()) {
        if (static_cast<int>(line.glyphs.size()) == maxGlyphs) {
            break;
        }
        const char32_t character = codePoint;
        line.glyphs.push_back(Glyph(font, QString::fromUcs4(&character, 1)));
    }
    return line;
}

}  // namespace

std::vector<TitleLine> TitleLines(const CGlModel& settings, int maxGlyphs1, int maxGlyphs2) {
    const QFont font = TitleFont(settings.m_titleFont);
    return {Line(font, settings.m_strTitle1, maxGlyphs1, QPointF(-2.2, 0.4)),
            Line(font, settings.m_strTitle2, maxGlyphs2, QPointF(-2.0, -0.8))};
}

std::vector<TitleLineOutline> QtTitleOutlines::TitleLines() const {
    std::vector<TitleLineOutline> lines;
    for (const TitleLine& line :
         velnor::TitleLines(m_settings, lists::kTitleMaxGlyphs1, lists::kTitleMaxGlyphs2)) {
        TitleLineOutline outline{{}, {line.start.x(), line.start.y()}};
        for (const TitleGlyph& glyph : line.glyphs) {
            GlyphOutline letter{{}, glyph.advance};
            for (const QPolygonF& polygon : glyph.outlines) {
                std::vector<Point2> contour;
                for (const QPointF& p : polygon) {
                    contour.push_back({p.x(), p.y()});
                }
                letter.contours.push_back(std::move(contour));
            }
            outline.glyphs.push_back(std::move(letter));
        }
        lines.push_back(std::move(outline));
    }
    return lines;
}

}  // namespace velnor
