#include <gtest/gtest.h>

#include <array>

#include "output/hidden_line_splitter.h"

namespace velnor::test {
namespace {

// A square face at depth 0 between `low` and `high` both ways.
std::array<ScreenPoint, 4> Square(double low, double high) {
    return {{{{low, low}, 0.0}, {{high, low}, 0.0}, {{high, high}, 0.0}, {{low, high}, 0.0}}};
}

// Lines behind (depth 0.5) or in front (-0.5) of the faces, crossing the cells of the index
// every way: along a row, down a column, across both, from far outside the drawing, and past
// faces too large for cells.
TEST(HiddenLineSplitterTest, FindsTheFacesALinePassesWhereverTheyLie) {
    struct Case {
        const char* name;
        double low, high;  // the square face
        QPointF a, b;
        double depth;
        LinePart dashed;  // from == to: nothing dashed
    };
    const Case cases[] = {
        {"along a row", 100, 200, {0, 150}, {300, 150}, 0.5, {1.0 / 3, 2.0 / 3}},
        {"down a column", 100, 200, {150, 0}, {150, 300}, 0.5, {1.0 / 3, 2.0 / 3}},
        {"across", 100, 200, {0, 0}, {300, 300}, 0.5, {1.0 / 3, 2.0 / 3}},
        {"upwards to the left", 100, 200, {300, 300}, {0, 0}, 0.5, {1.0 / 3, 2.0 / 3}},
        {"left of the origin", -200, -100, {-300, -150}, {0, -150}, 0.5, {1.0 / 3, 2.0 / 3}},
        {"from far outside",
         100,
         200,
         {-20000, 150},
         {20000, 150},
         0.5,
         {20100.0 / 40000, 20200.0 / 40000}},
        {"past a huge face", -20000, 20000, {0, 150}, {300, 150}, 0.5, {0, 1}},
        {"in front", 100, 200, {0, 150}, {300, 150}, -0.5, {0, 0}},
        {"beside", 100, 200, {0, 250}, {300, 250}, 0.5, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HiddenLineSplitter splitter;
        splitter.Add(Square(c.low, c.high), Occlusion::kDashes);
        const SplitLine split = splitter.Split({c.a, c.depth}, {c.b, c.depth});
        if (c.dashed.from == c.dashed.to) {
            EXPECT_TRUE(split.dashed.empty());
            ASSERT_EQ(split.visible.size(), 1u);
            continue;
        }
        ASSERT_EQ(split.dashed.size(), 1u);
        EXPECT_NEAR(split.dashed[0].from, c.dashed.from, 1e-3);
        EXPECT_NEAR(split.dashed[0].to, c.dashed.to, 1e-3);
        EXPECT_EQ(split.visible.size(),
                  (c.dashed.from > 0 ? 1u : 0u) + (c.dashed.to < 1 ? 1u : 0u));
    }
}

}  // namespace
}  // namespace velnor::test
