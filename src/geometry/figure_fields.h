#pragma once

#include <optional>
#include <span>
#include <string>

namespace velnor {

// The figures of "创建图元集", in the order of its list.
enum class FigureType : int {
    kCube,
    kCuboid,
    kPrism,
    kPyramid,
    kFrustum,
    kPolygon,
    kIntersectingPlanes,
    kOctahedron,
    kDodecahedron,
    kIcosahedron,
    kGeometricSphere,
    kCylinder,
    kCone,
    kConeFrustum,
};
inline constexpr int kFigureTypeCount = 14;

// The list text of a figure type ("正方体" ...); empty for a number outside the list.
const char* FigureTypeName(int type);

// The values of the dialog "创建图元集", with its defaults.
struct FigureSetValues {
    int type = 0;          // "图的类型:"
    float edge = 12.0f;    // "(棱)长:"
    float width = 10.0f;   // "宽:"
    float height = 10.0f;  // "高:"
    int sides = 3;         // "底边数:"
    float radius = 8.0f;   // "底半径:"
    float ratio = 0.5f;    // "台体上下底之比："
    float x = 0.0f;        // "中心" "X:", "Y:", "Z:"
    float y = 0.0f;
    float z = 0.0f;
};

// The fields that depend on the figure type.
enum FigureField : unsigned {
    kFieldEdge = 1u << 0,
    kFieldWidth = 1u << 1,
    kFieldHeight = 1u << 2,
    kFieldSides = 1u << 3,
    kFieldRadius = 1u << 4,
    kFieldRatio = 1u << 5,
};

// A field of the dialog: its label, the name scripts give its value, and the range it must keep
// (none for the ratio).
struct FigureFieldInfo {
    FigureField field;
    const char* label;
    const char* valueName;
    bool ranged;
    bool integer;
    double min;
    double max;
};

std::span<const FigureFieldInfo> FigureFields();

// The value of one of those fields.
double FigureFieldValue(const FigureSetValues& values, FigureField field);

// The fields the dialog enables for a figure type (the centre is always enabled).
unsigned EnabledFigureFields(int type);

// Choosing a type puts the radius and the centre's z back to where that figure is usually made:
// r = 8 and Z = 0, or for the bodies of revolution r = 5 and Z = −5, so that they stand from
// z = −5 upwards.
void ChooseFigureType(FigureSetValues& values, int type);

// The message for the first value the figure would use that is out of its range or not a number;
// nothing when all are fine.
std::optional<std::string> FigureValuesError(const FigureSetValues& values);

}  // namespace velnor
