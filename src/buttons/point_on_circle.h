#pragma once

namespace velnor {

class CPlomDoc;

// "圆上动点": with one circle solid (kind 14) selected, adds a point on the circle ("添加圆上的点")
// and a rotate button that turns it once round the circle ("添加点在圆上旋转的按钮"); the new
// point is then the only selection. An ellipse is refused with "这是椭圆，请修改后再添加"; any
// other selection, or a circle without an axis, does nothing. Returns whether the point was added.
bool AddPointOnCircle(CPlomDoc& doc);

}  // namespace velnor
