#include <cmath>

#include <gtest/gtest.h>

#include "geometry/figure_fields.h"

namespace velnor {
namespace {

TEST(FigureFields, EachTypeEnablesTheSizesItsFigureUses) {
    const unsigned expected[kFigureTypeCount] = {
        kFieldEdge,
        kFieldEdge | kFieldWidth | kFieldHeight,
        kFieldHeight | kFieldSides | kFieldRadius,
        kFieldHeight | kFieldSides | kFieldRadius,
        kFieldHeight | kFieldSides | kFieldRadius | kFieldRatio,
        kFieldSides | kFieldRadius,
        kFieldEdge,
        kFieldRadius,
        kFieldRadius,
        kFieldRadius,
        kFieldRadius,
        kFieldHeight | kFieldRadius,
        kFieldHeight | kFieldRadius,
        kFieldHeight | kFieldRadius | kFieldRatio,
    };
    for (int type = 0; type < kFigureTypeCount; ++type) {
        EXPECT_EQ(EnabledFigureFields(type), expected[type]) << FigureTypeName(type);
    }
    EXPECT_STREQ(FigureTypeName(0), "正方体");
    EXPECT_STREQ(FigureTypeName(13), "圆台");
    EXPECT_STREQ(FigureTypeName(14), "");
}

TEST(FigureFields, BodiesOfRevolutionStandFromMinusFiveWithRadiusFive) {
    FigureSetValues values;
    values.radius = 30;
    values.z = 7;
    values.x = 2;
    ChooseFigureType(values, static_cast<int>(FigureType::kCone));
    EXPECT_EQ(values.radius, 5.0f);
    EXPECT_EQ(values.z, -5.0f);
    EXPECT_EQ(values.x, 2.0f);
    ChooseFigureType(values, static_cast<int>(FigureType::kDodecahedron));
    EXPECT_EQ(values.radius, 8.0f);
    EXPECT_EQ(values.z, 0.0f);
    EXPECT_EQ(values.type, static_cast<int>(FigureType::kDodecahedron));
}

TEST(FigureFields, RangesHoldAtTheirEndsAndRefuseBeyond) {
    FigureSetValues values;
    values.type = static_cast<int>(FigureType::kCuboid);
    values.edge = 0.1f;
    values.width = 100.0f;
    EXPECT_FALSE(FigureValuesError(values));
    values.height = 100.5f;
    EXPECT_EQ(FigureValuesError(values), "请输入一个介于 0.1 和 100 之间的数。");

    values = {};
    values.type = static_cast<int>(FigureType::kPolygon);
    values.sides = 20;
    EXPECT_FALSE(FigureValuesError(values));
    values.sides = 2;
    EXPECT_EQ(FigureValuesError(values), "请输入一个介于 3 和 20 之间的整数。");

    values = {};
    values.type = static_cast<int>(FigureType::kConeFrustum);
    values.ratio = -3;  // the ratio has no range
    EXPECT_FALSE(FigureValuesError(values));
    values.ratio = std::nanf("");
    EXPECT_EQ(FigureValuesError(values), "请输入一个数。");

    values = {};
    values.type = kFigureTypeCount;
    EXPECT_TRUE(FigureValuesError(values));
}

}  // namespace
}  // namespace velnor
