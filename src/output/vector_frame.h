#pragma once

#include <vector>

class QPainter;

namespace velnor {

class CGlModel;
class CGpage;
class FigureCanvas;
class OutputPalette;

// The view's frame as the vector drawing takes it: its size in drawing units (pixels of the
// view), the projection, single or three-view layout, the label size in pixels, the axes, and
// the document's pages, where page components find the page they show.
struct VectorLayout {
    int width = 800;
    int height = 600;
    int projection = 1;  // 0 central, 1 orthographic, 2 oblique
    int viewports = 1;   // 1 single view, 4 three-view layout
    int labelPixelSize = 26;
    bool showAxes = false;  // 坐标轴/显示网格
    std::vector<const CGpage*> componentPages;
};

// One frame of the page (none: only the background) in the rectangle 0, 0, width, height of the
// painter, with the same camera, projection and three-view layout as the OpenGL view: the
// background, the figure in each viewport with its captions, and the measurement texts.
void DrawVectorFrame(FigureCanvas& canvas, const CGpage* page, const CGlModel& settings,
                     const VectorLayout& layout, const OutputPalette& palette);
// The same through a painter: a PDF, a printer, a picture.
void DrawVectorFrame(QPainter& painter, const CGpage* page, const CGlModel& settings,
                     const VectorLayout& layout, const OutputPalette& palette);

}  // namespace velnor
