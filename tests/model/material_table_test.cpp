#include <gtest/gtest.h>

#include <string>

#include "model/material_table.h"
#include "model/stipple_patterns.h"

namespace velnor {
namespace {

TEST(MaterialTable, StartsWithTheDefaultAndHoldsTwentyFourNamedMaterials) {
    const auto table = MaterialTable();
    ASSERT_EQ(table.size(), 25u);
    EXPECT_EQ(std::string(table[0].name), "默认值");
    EXPECT_EQ(table[0].material.diffuse, (Rgba{0.8f, 0.8f, 0.8f, 1}));
    EXPECT_EQ(table[0].material.shininess, 10.0f);
    EXPECT_EQ(std::string(table[1].name), "祖母绿");
    EXPECT_EQ(std::string(table[12].name), "白银");
    EXPECT_EQ(std::string(table[13].name), "黑塑料");
    EXPECT_EQ(std::string(table[24].name), "黄橡胶");
}

TEST(MaterialTable, ShininessIsScaledToOpenGLRange) {
    const auto table = MaterialTable();
    EXPECT_EQ(table[1].material.ambient, (Rgba{0.0215f, 0.1745f, 0.0215f, 1}));
    EXPECT_FLOAT_EQ(table[1].material.shininess, 0.6f * 128);
    EXPECT_FLOAT_EQ(table[4].material.shininess, 0.088f * 128);       // pearl
    EXPECT_FLOAT_EQ(table[7].material.shininess, 0.21794872f * 128);  // brass
    for (size_t i = 19; i < 25; ++i) {
        EXPECT_FLOAT_EQ(table[i].material.shininess, 0.078125f * 128) << table[i].name;
    }
    for (const auto& entry : table) {
        EXPECT_EQ(entry.material.ambient[3], 1.0f);
        EXPECT_EQ(entry.material.specular[3], 1.0f);
        EXPECT_LE(entry.material.shininess, 128.0f);
    }
}

TEST(StipplePatterns, HatchHasADotEveryEightPixelsOnEverySecondRow) {
    const PolygonStipple& hatch = HatchStipple();
    for (int row = 0; row < 32; ++row) {
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(hatch[row * 4 + col], row % 2 == 0 ? 0x10 : 0x00);
        }
    }
}

TEST(StipplePatterns, PictureStartsBlankAndEndsWithItsLastRow) {
    const PolygonStipple& picture = PictureStipple();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(picture[i], 0);
    }
    EXPECT_EQ(picture[8], 0x03);
    EXPECT_EQ(picture[9], 0x80);
    EXPECT_EQ(picture[124], 0x10);
    EXPECT_EQ(picture[125], 0x30);
    EXPECT_EQ(picture[127], 0x08);
}

TEST(StipplePatterns, FillChoiceSelectsThePattern) {
    EXPECT_EQ(StippleForFill(0), nullptr);
    EXPECT_EQ(StippleForFill(1), &HatchStipple());
    EXPECT_EQ(StippleForFill(2), &PictureStipple());
    EXPECT_EQ(StippleForFill(7), nullptr);
}

TEST(StipplePatterns, DashChoicesAreTheFourLineStipples) {
    EXPECT_EQ(kLineStipples[0].pattern, 0x03FF);
    EXPECT_EQ(kLineStipples[1].pattern, 0xFC00);
    EXPECT_EQ(kLineStipples[2].factor, 3);
    EXPECT_EQ(kLineStipples[2].pattern, 0x08FF);
    EXPECT_EQ(kLineStipples[3].pattern, 0xF0F0);
}

}  // namespace
}  // namespace velnor
