#pragma once

namespace velnor {

// Texts of the refusals of the point and line constructions.
inline constexpr const char* kVertexLimitMessage = "本页顶点数已达界限,请新建一页";
inline constexpr const char* kNoRatioPointMessage = "比值不能为-1,分母不能为0!";
inline constexpr const char* kSkewNoIntersectionMessage = "异面直线无交点!";
inline constexpr const char* kParallelNoIntersectionMessage = "两线平行无交点!";
inline constexpr const char* kIntersectionAtEndMessage = "交点是线段的一个端点,不需另作!";
inline constexpr const char* kLineMissesFaceMessage = "线面不相交!";
inline constexpr const char* kLineEndOnFaceMessage = "线的一端点即交点!";
inline constexpr const char* kPointOnLineNoPerpendicularMessage = "点在线上，有无数条垂线，不作出";
inline constexpr const char* kFaceWithoutNormalMessage = "所选平面的前三个顶点共线,无法确定法线!";
inline constexpr const char* kCoplanarLinesMessage = "共面直线!";
inline constexpr const char* kPointOnLineMessage = "点在线上!";
// A face whose vertices all lie on one line, and a line whose ends coincide.
inline constexpr const char* kFaceWithoutPlaneMessage =
    "所选平面的顶点都在一条直线上,无法确定平面!";
inline constexpr const char* kLineWithoutDirectionMessage = "所选直线的两端点重合,无法确定直线!";

}  // namespace velnor
