#include "geometry/figure_fields.h"

#include <array>
#include <cmath>

#include "geometry/text_format.h"

namespace velnor {

namespace {

constexpr std::array<const char*, kFigureTypeCount> kTypeNames{
    "正方体",   "长方体",     "正棱柱",     "正棱锥",   "正棱台", "正多边形", "相交面",
    "正八面体", "正十二面体", "正二十面体", "几何球体", "圆柱体", "圆锥体",   "圆台",
};

constexpr std::array<FigureFieldInfo, 6> kFields{{
    {kFieldEdge, "(棱)长:", "L", true, false, 0.1, 100.0},
    {kFieldWidth, "宽:", "W", true, false, 0.1, 100.0},
    {kFieldHeight, "高:", "H", true, false, 0.1, 100.0},
    {kFieldSides, "底边数:", "n", true, true, 3.0, 20.0},
    {kFieldRadius, "底半径:", "r", true, false, 0.1, 100.0},
    {kFieldRatio, "台体上下底之比：", "k", false, false, 0.0, 0.0},
}};

bool IsRevolution(int type) {
    return type >= static_cast<int>(FigureType::kCylinder) &&
           type <= static_cast<int>(FigureType::kConeFrustum);
}

}  // namespace

const char* FigureTypeName(int type) {
    return type >= 0 && type < kFigureTypeCount ? kTypeNames[type] : "";
}

std::span<const FigureFieldInfo> FigureFields() {
    return kFields;
}

double FigureFieldValue(const FigureSetValues& values, FigureField field) {
    switch (field) {
        case kFieldEdge:
            return values.edge;
        case kFieldWidth:
            return values.width;
        case kFieldHeight:
            return values.height;
        case kFieldSides:
            return values.sides;
        case kFieldRadius:
            return values.radius;
        case kFieldRatio:
            return values.ratio;
    }
    return 0.0;
}

unsigned EnabledFigureFields(int type) {
    constexpr unsigned kPrismFields = kFieldHeight | kFieldSides | kFieldRadius;
    constexpr unsigned kBodyFields = kFieldHeight | kFieldRadius;
    constexpr std::array<unsigned, kFigureTypeCount> kEnabled{
        kFieldEdge,                               // cube
        kFieldEdge | kFieldWidth | kFieldHeight,  // cuboid
        kPrismFields,                             // prism
        kPrismFields,                             // pyramid
        kPrismFields | kFieldRatio,               // frustum
        kFieldSides | kFieldRadius,               // polygon
        kFieldEdge,                               // intersecting planes
        kFieldRadius,                             // octahedron
        kFieldRadius,                             // dodecahedron
        kFieldRadius,                             // icosahedron
        kFieldRadius,                             // geometric sphere
        kBodyFields,                              // cylinder
        kBodyFields,                              // cone
        kBodyFields | kFieldRatio,                // frustum of a cone
    };
    return type >= 0 && type < kFigureTypeCount ? kEnabled[type] : 0;
}

void ChooseFigureType(FigureSetValues& values, int type) {
    values.type = type;
    values.radius = IsRevolution(type) ? 5.0f : 8.0f;
    values.z = IsRevolution(type) ? -5.0f : 0.0f;
}

std::optional<std::string> FigureValuesError(const FigureSetValues& values) {
    if (values.type < 0 || values.type >= kFigureTypeCount) {
        return std::string("请选择图的类型。");
    }
    if (!std::isfinite(values.x) || !std::isfinite(values.y) || !std::isfinite(values.z)) {
        return std::string("请输入一个数。");
    }
    const unsigned enabled = EnabledFigureFields(values.type);
    for (const FigureFieldInfo& info : kFields) {
        if ((enabled & info.field) == 0) {
            continue;
        }
        const double value = FigureFieldValue(values, info.field);
        if (!std::isfinite(value)) {
            return std::string("请输入一个数。");
        }
        if (info.ranged && (value < info.min || value > info.max)) {
            return RangeRefusal(info.min, info.max, info.integer);
        }
    }
    return std::nullopt;
}

}  // namespace velnor
