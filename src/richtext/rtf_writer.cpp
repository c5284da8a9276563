#include "richtext/rtf_writer.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "richtext/east_asian_text.h"
#include "richtext/rtf_escape.h"
#include "richtext/rtf_list_writer.h"
#include "richtext/rtf_state.h"
#include "richtext/rtf_table_writer.h"

namespace velnor {

namespace {

constexpr int kHexPerLine = 128;

int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
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
        const std::string body = Frame(*m_document.rootFrame());
        return "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc2" + FontTable() + ColorTable() +
               m_lists.Tables() + "\n\\viewkind4" + body + "}\n";
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
            table += "{\\f" + std::to_string(i) + "\\fnil\\fcharset134 " +
                     EscapeRtfText(m_fonts[i]) + ";}";
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

    // Paragraphs in the order they show; a table as an RTF table, and any other frame (a table
    // in a table) as its paragraphs.
    std::string Frame(const QTextFrame& frame) {
        std::string out;
        for (auto it = frame.begin(); !it.atEnd(); ++it) {
            if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
                out += Table(*table);
            } else if (const QTextFrame* inner = it.currentFrame()) {
                out += Frame(*inner);
            } else {
                out += Paragraph(it.currentBlock(), false) + "\\par\n";
            }
        }
        return out;
    }

    std::string Table(const QTextTable& table) {
        const std::vector<int> edges = RtfColumnEdgesOf(table);
        const auto colorIndex = [this](const QColor& color) { return ColorIndex(color); };
        std::string out;
        for (int row = 0; row < table.rows(); ++row) {
            out += RtfRowDefinitionOf(table, row, edges, colorIndex) + "\n";
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.column() == column) {
                    out += (cell.row() == row ? CellText(cell) : "\\pard\\intbl ") + "\\cell\n";
                }
            }
            out += "\\row\n";
        }
        return out;
    }

    // The paragraphs of a cell, those of a table inside it too.
    std::string CellText(const QTextTableCell& cell) {
        std::vector<QTextBlock> blocks;
        CollectBlocks(cell.begin(), blocks);
        std::string out;
        for (const QTextBlock& block : blocks) {
            out += (out.empty() ? "" : "\\par\n") + Paragraph(block, true);
        }
        return out;
    }

    static void CollectBlocks(QTextFrame::iterator it, std::vector<QTextBlock>& blocks) {
        for (; !it.atEnd(); ++it) {
            if (const QTextFrame* frame = it.currentFrame()) {
                CollectBlocks(frame->begin(), blocks);
            } else {
                blocks.push_back(it.currentBlock());
            }
        }
    }

    std::string Paragraph(const QTextBlock& block, bool inTable) {
        std::string out = ParagraphProperties(block, inTable);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            out += Fragment(it.fragment());
        }
        return out;
    }

    // The list marker group comes first, so that the paragraph's words end in a control word
    // that the blank after it closes.
    std::string ParagraphProperties(const QTextBlock& block, bool inTable) {
        const QTextBlockFormat format = block.blockFormat();
        const QTextList* list = block.textList();
        std::string out = inTable ? "\\pard\\intbl" : "\\pard";
        if (list != nullptr) {
            out += m_lists.ItemWords(*list, block) + "\\fi-" +
                   std::to_string(RtfListWriter::kHangTwips);
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
        const int listIndent = list != nullptr ? RtfListLevelOf(list->format()) + 1 : 0;
        twips("\\li", format.leftMargin() + listIndent * kListIndentPixels);
        twips("\\ri", format.rightMargin());
        twips("\\sb", format.topMargin());
        twips("\\sa", format.bottomMargin());
        if (list == nullptr) {
            twips("\\fi", format.textIndent());
        }
        return out + " ";
    }

    // Text with Chinese in it carries the associated words too, and says before each run
    // whether it is East Asian (\dbch) or not (\loch): word processors format the two apart.
    std::string Fragment(const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            return Picture(format.toImageFormat());
        }
        const QString text = fragment.text();
        const ScriptWords words = ScriptWordsOf(format);
        std::string out = "{" + words.Written("") + CharacterProperties(format);
        if (!ContainsEastAsian(text)) {
            return out + " " + EscapeRtfText(text) + "}";
        }
        out += "\\dbch" + words.Written("a");
        ForEachScriptRun(text, [&out](const QString& run, bool eastAsian) {
            out += (eastAsian ? "\\dbch " : "\\loch ") + EscapeRtfText(run);
        });
        return out + "}";
    }

    // The words that word processors keep apart for Latin and East Asian text, written plain
    // (\f, \fs, \b...) or associated (\af, \afs, \ab...).
    // A font without Chinese glyphs is not named for Chinese text: a word processor then shows
    // it in its own Chinese font, which it can make bold, rather than in a fallback it cannot.
    struct ScriptWords {
        int font = 0;
        bool fontShowsChinese = false;
        long halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;

        std::string Written(const std::string& prefix) const {
            std::string out;
            if (prefix.empty() || fontShowsChinese) {
                out += "\\" + prefix + "f" + std::to_string(font);
            }
            out += "\\" + prefix + "fs" + std::to_string(halfPoints);
            for (const auto& [on, word] :
                 {std::pair{bold, "b"}, std::pair{italic, "i"}, std::pair{underline, "ul"}}) {
                if (on) {
                    out += "\\" + prefix + word;
                }
            }
            return out;
        }
    };

    ScriptWords ScriptWordsOf(const QTextCharFormat& format) {
        const QStringList families = format.fontFamilies().toStringList();
        QString family = families.isEmpty() ? format.property(QTextFormat::FontFamily).toString()
                                            : families.front();
        if (family.isEmpty()) {
            family = m_document.defaultFont().family();
        }
        const double points = format.fontPointSize() > 0 ? format.fontPointSize()
                                                         : m_document.defaultFont().pointSizeF();
        return {FontIndex(family),       ShowsChinese(family),
                std::lround(points * 2), format.fontWeight() >= QFont::DemiBold,
                format.fontItalic(),     format.fontUnderline()};
    }

    bool ShowsChinese(const QString& family) {
        const auto known = m_showsChinese.find(family);
        if (known != m_showsChinese.end()) {
            return known->second;
        }
        const bool shows =
            QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
        m_showsChinese.emplace(family, shows);
        return shows;
    }

    std::string CharacterProperties(const QTextCharFormat& format) {
        std::string out;
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
    RtfListWriter m_lists;
    std::map<QString, bool> m_showsChinese;
};

}  // namespace

std::string WriteRtf(const QTextDocument& document) {
    return RtfWriter(document).Write();
}

}  // namespace velnor
