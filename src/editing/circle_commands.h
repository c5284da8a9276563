#pragma once

namespace velnor {

class CPlomDoc;

// Adds the circle through the first three selected vertices ("添加过三点的圆") and unselects the
// vertices. Collinear points are refused with "三点共线,不能确定一个圆!".
bool AddCircleThroughThreePoints(CPlomDoc& doc);

// Adds the centre C of the selected circle, the point C + 4 N for its stored axis N and the vector
// between them ("添加圆的法线").
bool AddCircleNormal(CPlomDoc& doc);

}  // namespace velnor
