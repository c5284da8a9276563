#include "output/vector_frame.h"

#include <cmath>

#include "editing/text_place.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/axes_figure.h"
#include "output/figure_canvas.h"
#include "output/figure_style.h"
#include "output/label_text.h"
#include "output/page_figure.h"
#include "output/painter_canvas.h"
#include "output/scene_projector.h"
#include "view/frame_renderer.h"
#include "view/projection.h"

namespace velnor {

namespace {

QMatrix4x4 LayoutProjection(const VectorLayout& layout) {
    const float aspect =
        layout.height > 0 ? static_cast<float>(layout.width) / layout.height : 1.0f;
    const std::array<double, 16> m = ProjectionMatrix(layout.projection, aspect);
    QMatrix4x4 matrix;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            matrix(row, column) = static_cast<float>(m[column * 4 + row]);
        }
    }
    return matrix;
}

// The stored model-view: pan, distance and zoom.
QMatrix4x4 CameraPlacement(const ViewCamera& camera) {
    QMatrix4x4 m;
    m.translate(camera.m_fPanX, camera.m_fPanY, camera.m_fDistance);
    m.scale(camera.m_fZoom);
    return m;
}

QMatrix4x4 CameraTurn(const ViewCamera& camera) {
    QMatrix4x4 m;
    m.rotate(camera.m_fAngleX, 1.0f, 0.0f, 0.0f);
    m.rotate(camera.m_fAngleAxis, camera.m_vAxis[0], camera.m_vAxis[1], camera.m_vAxis[2]);
    return m;
}

// A quadrant's caption stands where the scene point (-9, 9, 0) is seen before any turning.
void Caption(FigureCanvas& canvas, const SceneProjector& projector, const char* text,
             const FigureStyle& style) {
    if (const auto at = projector.Project(QVector3D(-9.0f, 9.0f, 0.0f))) {
        canvas.BeginLayer(FigureLayer::kTexts);
        canvas.Text(style.labelFont.Layout(at->at, text,
                                           style.palette.Ink(style.settings.m_labelColor), false),
                    style.labelFont, false);
    }
}

// Measurement texts stand at a fixed place of the whole frame, from its right and top edges,
// moved inside where they would run past an edge, as the view moves them.
void DrawTexts(FigureCanvas& canvas, const CGpage& page, const VectorLayout& layout,
               const FigureStyle& style) {
    canvas.BeginLayer(FigureLayer::kTexts);
    const auto draw = [&](const CDTextCell& text, Rgb color) {
        if (text.m_bHidden) {
            return;
        }
        FigureText laid =
            style.labelFont.Layout(QPointF(), text.m_strText, style.palette.Ink(color), false);
        const TextPlace place =
            DrawnTextPlace(text, static_cast<int>(std::ceil(laid.width)),
                           style.labelFont.PixelSize(), layout.width, layout.height);
        laid.at = QPointF(place.x, place.baseline);
        canvas.Text(laid, style.labelFont, false);
    };
    for (const auto& [key, text] : page.m_texts) {
        const bool selected =
            std::find(page.m_selTexts.begin(), page.m_selTexts.end(), key) != page.m_selTexts.end();
        draw(*text, selected ? Rgb{255, 0, 0} : style.settings.m_labelColor);
    }
}

// The axes when shown, then the figure.
void DrawViewport(FigureCanvas& canvas, const CGpage* page, const SceneProjector& projector,
                  const VectorLayout& layout, const FigureStyle& style) {
    if (layout.showAxes) {
        DrawAxes(canvas, projector, style);
    }
    if (page) {
        DrawPageFigure(canvas, *page, projector, style);
    }
}

void DrawThreeViews(FigureCanvas& canvas, const CGpage* page, const QMatrix4x4& projection,
                    const VectorLayout& layout, const FigureStyle& style) {
    const int w = layout.width / 2, h = layout.height / 2;
    const QMatrix4x4 placement = CameraPlacement(style.settings.m_camera);
    for (const Quadrant& quadrant : kThreeViewQuadrants) {
        const SceneProjector frame(projection, placement,
                                   QRectF(quadrant.column * w, quadrant.row * h, w, h));
        Caption(canvas, frame, quadrant.caption, style);
        QMatrix4x4 turn;
        turn.rotate(quadrant.turnAboutX, 1.0f, 0.0f, 0.0f);
        turn.rotate(quadrant.turnAboutZ, 0.0f, 0.0f, 1.0f);
        DrawViewport(canvas, page, frame.Moved(turn), layout, style);
    }
    const SceneProjector last(projection, placement, QRectF(w, h, w, h));
    Caption(canvas, last, kPerspectiveCaption, style);
    if (page && page->m_bPerspInThreeView) {
        DrawViewport(canvas, page, last.Moved(CameraTurn(style.settings.m_camera)), layout, style);
    }
}

}  // namespace

void DrawVectorFrame(FigureCanvas& canvas, const CGpage* page, const CGlModel& settings,
                     const VectorLayout& layout, const OutputPalette& palette) {
    const FigureStyle style{settings, palette, LabelFont(layout.labelPixelSize),
                            layout.componentPages};
    canvas.Background(QRectF(0, 0, layout.width, layout.height), palette.Background());
    const QMatrix4x4 projection = LayoutProjection(layout);
    if (layout.viewports == 4) {
        DrawThreeViews(canvas, page, projection, layout, style);
    } else {
        const SceneProjector view(
            projection, CameraPlacement(settings.m_camera) * CameraTurn(settings.m_camera),
            QRectF(0, 0, layout.width, layout.height));
        DrawViewport(canvas, page, view, layout, style);
    }
    if (page) {
        DrawTexts(canvas, *page, layout, style);
    }
}

void DrawVectorFrame(QPainter& painter, const CGpage* page, const CGlModel& settings,
                     const VectorLayout& layout, const OutputPalette& palette) {
    PainterCanvas canvas(painter);
    DrawVectorFrame(canvas, page, settings, layout, palette);
}

}  // namespace velnor
