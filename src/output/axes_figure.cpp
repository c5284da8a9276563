#include "output/axes_figure.h"

#include <array>

#include "model/gl_model.h"
#include "output/cone_outline.h"
#include "output/figure_canvas.h"
#include "output/figure_style.h"
#include "output/label_text.h"
#include "output/scene_projector.h"

namespace velnor {

namespace {

constexpr double kGridWidth = 1.5;

// A point with `a` on the first free axis and `b` on the second, 0 on `fixedAxis`.
QVector3D InPlane(int fixedAxis, float a, float b) {
    QVector3D p;
    p[(fixedAxis + 1) % 3] = a;
    p[(fixedAxis + 2) % 3] = b;
    return p;
}

void Line(FigureCanvas& canvas, const SceneProjector& projector, const QVector3D& a,
          const QVector3D& b, const QColor& color, double width) {
    if (const auto clipped = projector.ClipSegment(QVector4D(a, 1.0f), QVector4D(b, 1.0f))) {
        canvas.Stroke({clipped->first.at, clipped->second.at}, color, width, false);
    }
}

void Letter(FigureCanvas& canvas, const SceneProjector& projector, const char* letter,
            const QVector3D& at, const FigureStyle& style, const QColor& color) {
    if (const auto p = projector.Project(at); p && projector.InsideVolume(at)) {
        canvas.Text(style.labelFont.Layout(p->at, letter, color, false), style.labelFont, true);
    }
}

void GreySquaresAndGrid(FigureCanvas& canvas, const SceneProjector& projector,
                        const FigureStyle& style) {
    const QColor grey = style.palette.Ink(QColor(128, 128, 128));
    constexpr std::array<std::array<float, 2>, 4> kCorners{
        {{-10, 10}, {-10, -10}, {10, -10}, {10, 10}}};
    for (int fixedAxis = 0; fixedAxis < 3; ++fixedAxis) {
        for (size_t i = 0; i < kCorners.size(); ++i) {
            const auto& a = kCorners[i];
            const auto& b = kCorners[(i + 1) % kCorners.size()];
            Line(canvas, projector, InPlane(fixedAxis, a[0], a[1]), InPlane(fixedAxis, b[0], b[1]),
                 grey, kGridWidth);
        }
    }
    for (int i = -10; i <= 10; ++i) {
        const auto f = static_cast<float>(i);
        Line(canvas, projector, {-10, f, 0}, {10, f, 0}, grey, kGridWidth);
        Line(canvas, projector, {f, -10, 0}, {f, 10, 0}, grey, kGridWidth);
    }
}

}  // namespace

void DrawAxes(FigureCanvas& canvas, const SceneProjector& projector, const FigureStyle& style) {
    canvas.BeginLayer(FigureLayer::kAxes);
    GreySquaresAndGrid(canvas, projector, style);
    Letter(canvas, projector, "O", {-0.5f, -0.5f, -0.5f}, style, style.palette.Ink(Qt::white));
    struct Axis {
        const char* letter;
        QColor color;
    };
    const std::array<Axis, 3> axes{{{"X", Qt::red}, {"Y", Qt::green}, {"Z", Qt::blue}}};
    for (int i = 0; i < 3; ++i) {
        QVector3D direction;
        direction[i] = 1.0f;
        const QColor color = style.palette.Ink(axes[i].color);
        Line(canvas, projector, -10.0f * direction, 10.0f * direction, color,
             style.settings.m_fLineWidth);
        if (const auto tip = ConeOutline(projector, 10.0f * direction, direction, 0.2f)) {
            canvas.Fill(*tip, color);
        }
        Letter(canvas, projector, axes[i].letter, 10.2f * direction, style, color);
    }
}

}  // namespace velnor
