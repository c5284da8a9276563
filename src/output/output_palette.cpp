#include "output/output_palette.h"

#include "model/gl_model.h"

namespace velnor {

namespace {

// Colours lighter than this hardly show on white paper.
constexpr double kFaintOnWhite = 0.8;
constexpr double kPrintedLightness = 0.35;
const QColor kMonochromeFill(225, 225, 225);

double Luminance(const QColor& c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

}  // namespace

bool IsBlackAndWhiteScheme(const CGlModel& s) {
    const Rgb white{255, 255, 255}, black{0, 0, 0};
    return s.m_bgColor == white && s.m_lineColor == black && s.m_labelColor == black &&
           s.m_textColor == black;
}

OutputPalette OutputPalette::Screen(const CGlModel& settings) {
    const Rgb bg = settings.m_bgColor;
    return OutputPalette(Mode::kScreen, ToQColor(bg));
}

OutputPalette OutputPalette::Paper(const CGlModel& settings) {
    return OutputPalette(IsBlackAndWhiteScheme(settings) ? Mode::kMonochrome : Mode::kPaper,
                         Qt::white);
}

QColor OutputPalette::Ink(const QColor& color) const {
    switch (m_mode) {
        case Mode::kMonochrome:
            return Qt::black;
        case Mode::kPaper: {
            const double luminance = Luminance(color);
            if (luminance <= kFaintOnWhite) {
                return color;
            }
            // Keeps the hue: white turns dark grey, yellow dark olive.
            const double factor = kPrintedLightness / luminance;
            return QColor::fromRgbF(static_cast<float>(color.redF() * factor),
                                    static_cast<float>(color.greenF() * factor),
                                    static_cast<float>(color.blueF() * factor));
        }
        default:
            return color;
    }
}

QColor OutputPalette::Fill(const QColor& color) const {
    return m_mode == Mode::kMonochrome ? kMonochromeFill : color;
}

}  // namespace velnor
