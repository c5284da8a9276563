#pragma once

namespace velnor {

// A sphere must stand upright with equal radii to have poles, parallels and meridians.
inline constexpr const char* kNotUprightSphereMessage =
    "请修改属性使之方向向上且不能为椭球，然后再添加";

}  // namespace velnor
