#pragma once

#include <functional>

class QWidget;

namespace velnor {

class CGlModel;

// 灯光属性: ambient, diffuse and specular colour and the position of light 0.
// 材质属性: ambient, diffuse and specular colour and the shininess of the global material.
// On OK and on 应用 the values go into the settings and `applied` runs. Return whether OK closed
// the sheet.
bool RunLightEditor(CGlModel& settings, const std::function<void()>& applied, QWidget* parent);
bool RunMatEditor(CGlModel& settings, const std::function<void()>& applied, QWidget* parent);

}  // namespace velnor
