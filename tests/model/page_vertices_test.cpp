#include <gtest/gtest.h>

#include "model/gl_model.h"
#include "model/page.h"
#include "support/recording_messages.h"

namespace velnor {
namespace {

TEST(PageVertices, TwoHundredthVertexIsAcceptedAndTheNextIsRefused) {
    test::RecordingMessages messages;
    CGpage page;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(page.AddVertex(float(i), 0, 0));
    }
    EXPECT_TRUE(messages.texts.empty());
    const std::string lastLabel = page.m_label[199];

    EXPECT_FALSE(page.AddVertex(1, 2, 3));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "本页顶点数已达界限,请新建一页");
    EXPECT_EQ(page.m_nVertexCount, 200);
    EXPECT_EQ(page.m_selPoints.size(), 200u);
    EXPECT_EQ(page.m_label[199], lastLabel);
}

TEST(PageVertices, LabelsRunPastZWithSuffixes) {
    CGpage page;
    for (int i = 0; i < 26 * 3 + 1; ++i) {
        page.AddVertex(0, 0, 0);
    }
    EXPECT_EQ(page.m_label[0], "A");
    EXPECT_EQ(page.m_label[25], "Z");
    EXPECT_EQ(page.m_label[26], "A1");
    EXPECT_EQ(page.m_label[27], "B1");
    EXPECT_EQ(page.m_label[51], "Z1");
    EXPECT_EQ(page.m_label[52], "A2");
    EXPECT_EQ(page.m_label[78], "A3");
}

TEST(PageVertices, NewVertexTakesNewPointColourAndIsShownAndSelected) {
    CGpage page;
    CGlModel settings;
    settings.m_newPointColor = {255, 0, 51};
    page.UseSettings(settings);
    page.AddVertex(1.5f, -2, 3);

    EXPECT_EQ(page.m_pos[0], (Float3{1.5f, -2, 3}));
    EXPECT_FLOAT_EQ(page.m_color[0][0], 1.0f);
    EXPECT_FLOAT_EQ(page.m_color[0][1], 0.0f);
    EXPECT_FLOAT_EQ(page.m_color[0][2], 0.2f);
    EXPECT_EQ(page.m_bShown[0], 1);
    EXPECT_EQ(page.m_selPoints, std::vector<int>{0});
}

TEST(PageVertices, RelabellingUsesTheWholeSuffixAndDoesNotWrap) {
    CGpage page;
    for (int i = 0; i < 3; ++i) {
        page.AddVertex(0, 0, 0);
    }
    page.AddLine(0, 2);
    page.m_selPoints = {2, 0};
    page.RelabelSelected("Y", "12");
    EXPECT_EQ(page.m_label[2], "Y12");
    EXPECT_EQ(page.m_label[0], "Z12");
    EXPECT_EQ(page.m_label[1], "B");
    EXPECT_EQ(page.m_lines.at(1)->m_strName, "Z12Y12");
    // The letter has moved past 'Z'; the next new vertex wraps and advances the suffix '1'.
    page.AddVertex(0, 0, 0);
    EXPECT_EQ(page.m_label[3], "A2");
}

TEST(PageVertices, SelectedVerticesTakeAColorRefColour) {
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.AddVertex(1, 0, 0);
    page.m_selPoints = {1};
    page.SetSelectedColor(0x00FF8000);  // blue 255, green 128, red 0
    EXPECT_FLOAT_EQ(page.m_color[1][0], 0.0f);
    EXPECT_FLOAT_EQ(page.m_color[1][1], 128 / 255.0f);
    EXPECT_FLOAT_EQ(page.m_color[1][2], 1.0f);
    EXPECT_FLOAT_EQ(page.m_color[0][1], 1.0f);  // unselected keeps the new point colour
}

TEST(PageVertices, ColorRefConversionBothWays) {
    EXPECT_EQ(FromColorRef(0x00332211), (Rgb{0x11, 0x22, 0x33}));
    EXPECT_EQ(ToColorRef(Rgb{0x11, 0x22, 0x33}), 0x00332211u);
    EXPECT_EQ(FromColorRef(0xFF000000), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace velnor
