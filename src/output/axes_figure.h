#pragma once

namespace velnor {

class FigureCanvas;
class SceneProjector;
struct FigureStyle;

// The view's axes and grid (坐标轴/显示网格): three grey squares of side 20 in the coordinate
// planes, the grid of the z = 0 plane, "O" at the origin and the X, Y and Z axes from -10 to 10
// in red, green and blue with their tips and letters. Drawn under the figure, as the view does.
void DrawAxes(FigureCanvas& canvas, const SceneProjector& projector, const FigureStyle& style);

}  // namespace velnor
