#pragma once

class QWidget;

namespace velnor {

class CGlModel;

// 3D文字属性: the two title lines and the title font. Returns whether OK stored them.
bool RunTitleDialog(CGlModel& settings, QWidget* parent);

}  // namespace velnor
