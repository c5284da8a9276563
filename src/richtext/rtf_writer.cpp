#include "richtext/rtf_writer.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "encoding/cp936.h"
#include "richtext/rtf_state.h"

namespace velnor {

namespace {

constexpr int kHexPerLine = 128;
constexpr int kListHangTwips = -360;

std::string Hex(unsigned char byte) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\'%02x", byte);
    return escape;
}

int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

// One UTF-16 unit as \uN, followed by two bytes for readers that do not know \u: the code page
// 936 bytes of the character where it has them.
void AppendUnicode(std::string& out, char16_t unit, const QString& character) {
    out += "\\u" + std::to_string(static_cast<int16_t>(unit));
    const std::string bytes = Utf8ToCp936(character.toStdString());
    if (bytes.size() == 2) {
        out +=
            Hex(static_cast<unsigned char>(bytes[0])) + Hex(static_cast<unsigned char>(bytes[1]));
    } else {
        out += "??";
    }
}

std::string EscapeText(const QString& text) {
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c.unicode());
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c == QChar::Nbsp) {
            out += "\\~";
        } else if (c.unicode() >= 0x20 && c.unicode() < 0x80) {
            out += static_cast<char>(c.unicode());
        } else if (c.isHighSurrogate() && i + 1 < text.size()) {
            const QString pair = text.mid(i, 2);
            AppendUnicode(out, c.unicode(), pair);
            AppendUnicode(out, text[i + 1].unicode(), pair);
            ++i;
        } else if (c.unicode() >= 0x80) {
            AppendUnicode(out, c.unicode(), QString(c));
        }
    }
    return out;
}

QImage ImageOf(const QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QImage>()) {
        return resource.value<QImage>();
    }
    if (resource.canConvert<QPixmap>()) {
        return resource.value<QPixmap>().toImage();
    }
    return {};
}

// Collects the fonts and colours in order of first use and writes the body that refers to them.
class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& document) : m_document(document) {
        FontIndex(document.defaultFont().family());
    }

    std::string Write() {
        std::string body;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            body += ParagraphProperties(block);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                body += Fragment(it.fragment());
            }
            body += "\\par\n";
        }
        return "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc2" + FontTable() + ColorTable() +
               "\n\\viewkind4" + body + "}\n";
    }

private:
    int FontIndex(const QString& family) {
        const qsizetype found = m_fonts.indexOf(family);
        if (found >= 0) {
            return static_cast<int>(found);
        }
        m_fonts.append(family);
        return static_cast<int>(m_fonts.size() - 1);
    }

    // Index 0 of the colour table is the automatic colour.
    int ColorIndex(const QColor& color) {
        const QRgb rgb = color.rgb();
        for (size_t i = 0; i < m_colors.size(); ++i) {
            if (m_colors[i] == rgb) {
                return static_cast<int>(i + 1);
            }
        }
        m_colors.push_back(rgb);
        return static_cast<int>(m_colors.size());
    }

    std::string FontTable() const {
        std::string table = "{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            table +=
                "{\\f" + std::to_string(i) + "\\fnil\\fcharset134 " + EscapeText(m_fonts[i]) + ";}";
        }
        return table + "}";
    }

    std::string ColorTable() const {
        std::string table = "\n{\\colortbl ;";
        for (const QRgb rgb : m_colors) {
            table += "\\red" + std::to_string(qRed(rgb)) + "\\green" + std::to_string(qGreen(rgb)) +
                     "\\blue" + std::to_string(qBlue(rgb)) + ";";
        }
        return table + "}";
    }

    // The list marker groups come first, so that the paragraph's words end in a control word
    // that the blank after it closes.
    std::string ParagraphProperties(const QTextBlock& block) {
        const QTextBlockFormat format = block.blockFormat();
        const QTextList* list = block.textList();
        std::string out = "\\pard";
        if (list != nullptr) {
            out += ListMarker(*list, block) + "\\fi" + std::to_string(kListHangTwips);
        }
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter) {
            out += "\\qc";
        } else if (alignment & Qt::AlignRight) {
            out += "\\qr";
        } else if (alignment & Qt::AlignJustify) {
            out += "\\qj";
        } else {
            out += "\\ql";
        }
        const auto twips = [&out](const char* word, double pixels) {
            if (const int value = Twips(pixels); value != 0) {
                out += word + std::to_string(value);
            }
        };
        twips("\\li", format.leftMargin() + (list != nullptr ? kListIndentPixels : 0.0));
        twips("\\ri", format.rightMargin());
        twips("\\sb", format.topMargin());
        twips("\\sa", format.bottomMargin());
        if (list == nullptr) {
            twips("\\fi", format.textIndent());
        }
        return out + " ";
    }

    // The numbering in the form every word processor reads: a \pn destination, and the marker
    // as \pntext for those that do not number paragraphs themselves.
    std::string ListMarker(const QTextList& list, const QTextBlock& block) {
        const std::string font =
            "\\pnf" + std::to_string(FontIndex(m_document.defaultFont().family()));
        std::string level;
        switch (list.format().style()) {
            case QTextListFormat::ListDecimal:
                level = "\\pnlvlbody\\pndec";
                break;
            case QTextListFormat::ListLowerAlpha:
                level = "\\pnlvlbody\\pnlcltr";
                break;
            case QTextListFormat::ListUpperAlpha:
                level = "\\pnlvlbody\\pnucltr";
                break;
            case QTextListFormat::ListLowerRoman:
                level = "\\pnlvlbody\\pnlcrm";
                break;
            case QTextListFormat::ListUpperRoman:
                level = "\\pnlvlbody\\pnucrm";
                break;
            default:
                return "{\\pntext " + EscapeText(QStringLiteral("\u2022")) +
                       "\\tab}{\\*\\pn\\pnlvlblt" + font + "\\pnindent0{\\pntxtb " +
                       EscapeText(QStringLiteral("\u2022")) + "}}";
        }
        return "{\\pntext " + EscapeText(list.itemText(block)) + "\\tab}{\\*\\pn" + level + font +
               "\\pnindent0\\pnstart1{\\pntxta .}}";
    }

    std::string Fragment(const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            return Picture(format.toImageFormat());
        }
        return "{" + CharacterProperties(format) + " " + EscapeText(fragment.text()) + "}";
    }

    std::string CharacterProperties(const QTextCharFormat& format) {
        const QStringList families = format.fontFamilies().toStringList();
        QString family = families.isEmpty() ? format.property(QTextFormat::FontFamily).toString()
                                            : families.front();
        if (family.isEmpty()) {
            family = m_document.defaultFont().family();
        }
        std::string out = "\\f" + std::to_string(FontIndex(family));
        const double points = format.fontPointSize() > 0 ? format.fontPointSize()
                                                         : m_document.defaultFont().pointSizeF();
        out += "\\fs" + std::to_string(std::lround(points * 2));
        if (format.fontWeight() >= QFont::DemiBold) {
            out += "\\b";
        }
        if (format.fontItalic()) {
            out += "\\i";
        }
        if (format.fontUnderline()) {
            out += "\\ul";
        }
        if (format.fontStrikeOut()) {
            out += "\\strike";
        }
        if (format.foreground().style() != Qt::NoBrush) {
            out += "\\cf" + std::to_string(ColorIndex(format.foreground().color()));
        }
        if (format.background().style() != Qt::NoBrush) {
            out += "\\highlight" + std::to_string(ColorIndex(format.background().color()));
        }
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) {
            out += "\\super";
        } else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) {
            out += "\\sub";
        }
        return out;
    }

    std::string Picture(const QTextImageFormat& format) const {
        const QImage image = ImageOf(m_document, format.name());
        if (image.isNull()) {
            return {};
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const double width = format.width() > 0 ? format.width() : image.width();
        const double height = format.height() > 0 ? format.height() : image.height();
        std::string out = "{\\pict\\pngblip\\picw" + std::to_string(image.width()) + "\\pich" +
                          std::to_string(image.height()) + "\\picwgoal" +
                          std::to_string(Twips(width)) + "\\pichgoal" +
                          std::to_string(Twips(height));
        const std::string hex = png.toHex().toStdString();
        for (size_t i = 0; i < hex.size(); i += kHexPerLine) {
            out += "\n" + hex.substr(i, kHexPerLine);
        }
        return out + "}";
    }

    const QTextDocument& m_document;
    QStringList m_fonts;
    std::vector<QRgb> m_colors;
};

}  // namespace

std::string WriteRtf(const QTextDocument& document) {
    return RtfWriter(document).Write();
}

}  // namespace velnor
