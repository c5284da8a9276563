#include <gtest/gtest.h>

#include <GL/gl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "frame_primitives.h"

namespace velnor {
namespace {

constexpr float kPoint = GL_POINT_TOKEN, kLine = GL_LINE_TOKEN, kLineReset = GL_LINE_RESET_TOKEN,
                kPolygon = GL_POLYGON_TOKEN, kBitmap = GL_BITMAP_TOKEN,
                kDrawPixel = GL_DRAW_PIXEL_TOKEN, kPassThrough = GL_PASS_THROUGH_TOKEN;

struct FeedbackCase {
    std::string name;
    std::vector<float> buffer;
    size_t points, lines, triangles, glyphs;  // primitives, not points
};

TEST(FramePrimitivesTest, CountsEachPrimitiveOnce) {
    const FeedbackCase cases[] = {
        {"nothing drawn", {}, 0, 0, 0, 0},
        {"a line drawn dashed, then solid",
         {kLineReset, 0, 0, 0.5f, 9, 9, 0.5f, kLine, 0, 0, 0.5f, 9, 9, 0.5f},
         0,
         1,
         0,
         0},
        {"a strip of two lines",
         {kLineReset, 0, 0, 0, 5, 0, 0, kLine, 5, 0, 0, 5, 5, 0},
         0,
         2,
         0,
         0},
        {"the same line at another depth",
         {kLine, 0, 0, 0.1f, 9, 9, 0.1f, kLine, 0, 0, 0.2f, 9, 9, 0.2f},
         0,
         2,
         0,
         0},
        {"a quadrilateral as a fan", {kPolygon, 4, 0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0}, 0, 0, 2, 0},
        {"a face filled, then written to depth",
         {kPolygon, 3, 0, 0, 0, 4, 0, 0, 4, 4, 0, kPolygon, 3, 0, 0, 0, 4, 0, 0, 4, 4, 0},
         0,
         0,
         1,
         0},
        {"a label of two glyphs", {kBitmap, 10, 10, 0, kBitmap, 24, 10, 0}, 0, 0, 0, 2},
        {"dots and a selected dot's three discs",
         {kPoint, 1, 1, 0, kPoint, 2, 2, 0, kPoint, 2, 2, 0, kPoint, 2, 2, 0},
         2,
         0,
         0,
         0},
        {"pixels and markers are left out",
         {kDrawPixel, 3, 3, 0, kPassThrough, 7, kPoint, 1, 1, 0},
         1,
         0,
         0,
         0},
    };
    for (const FeedbackCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FramePrimitives read = ReadFeedback(c.buffer);
        EXPECT_EQ(read.points.size(), c.points);
        EXPECT_EQ(read.lines.size(), 2 * c.lines);
        EXPECT_EQ(read.triangles.size(), 3 * c.triangles);
        EXPECT_EQ(read.glyphs.size(), c.glyphs);
    }
}

TEST(FramePrimitivesTest, FansAPolygonFromItsFirstCorner) {
    const std::vector<float> buffer{kPolygon, 4, 0, 0, 0.5f, 4, 0, 0.5f, 4, 4, 0.5f, 0, 4, 0.5f};
    const std::vector<WindowPoint> expected{{0, 0, 0.5f}, {4, 0, 0.5f}, {4, 4, 0.5f},
                                            {0, 0, 0.5f}, {4, 4, 0.5f}, {0, 4, 0.5f}};
    EXPECT_EQ(ReadFeedback(buffer).triangles, expected);
}

TEST(FramePrimitivesTest, RefusesWhatItCannotRead) {
    const std::vector<std::vector<float>> buffers{
        {kLine, 0, 0, 0, 9, 9},  // ends inside its second point
        {kPolygon, 3, 0, 0, 0},  // ends after its first corner
        {kPassThrough},
        {12345.0f},  // no token
    };
    for (const auto& buffer : buffers) {
        SCOPED_TRACE(buffer.size());
        EXPECT_THROW(ReadFeedback(buffer), std::runtime_error);
    }
}

}  // namespace
}  // namespace velnor
