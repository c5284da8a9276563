#include <gtest/gtest.h>

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "output/output_grid.h"

namespace velnor::test {
namespace {

QPolygonF Arc(double radius, int corners) {
    QPolygonF arc;
    for (int i = 0; i < corners; ++i) {
        const double a = std::numbers::pi / 2 * i / (corners - 1);
        arc << QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    return arc;
}

double FarthestFrom(const QPolygonF& kept, const QPolygonF& line) {
    double farthest = 0.0;
    for (const QPointF& p : line) {
        double nearest = 1e9;
        for (qsizetype i = 0; i + 1 < kept.size(); ++i) {
            const QPointF a = kept[i], d = kept[i + 1] - a;
            const double t =
                std::clamp(QPointF::dotProduct(p - a, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
            const QPointF off = p - (a + t * d);
            nearest = std::min(nearest, std::hypot(off.x(), off.y()));
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

// A line keeps its ends and the corners that bend it by more than an eighth of a pixel, and
// nothing it leaves out lies farther than that from what it keeps (less the grid's rounding).
TEST(OutputGridTest, APolylineLeavesOutOnlyTheCornersItCanDoWithout) {
    struct Case {
        const char* name;
        QPolygonF line;
        qsizetype fewest, most;  // corners kept
    };
    const Case cases[] = {
        {"straight", {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {10, 10}}, 2, 2},
        {"a zigzag of a pixel", {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}}, 5, 5},
        {"a finely cut arc", Arc(100, 200), 3, 50},
        {"back to its start", {{0, 0}, {5, 0}, {5, 5}, {0, 0}}, 4, 4},
        {"two corners", {{0, 0}, {10, 0}}, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPolygonF kept = output_grid::Polyline(c.line);
        EXPECT_GE(kept.size(), c.fewest);
        EXPECT_LE(kept.size(), c.most);
        EXPECT_EQ(kept.front(), output_grid::Point(c.line.front()));
        EXPECT_EQ(kept.back(), output_grid::Point(c.line.back()));
        EXPECT_LE(FarthestFrom(kept, c.line), 0.125 + 0.18);
    }
}

TEST(OutputGridTest, PointsGoToTheNearestQuarterPixel) {
    EXPECT_EQ(output_grid::Point({1.13, -2.38}), QPointF(1.25, -2.5));
    EXPECT_EQ(output_grid::Point({-0.1, 0.1}), QPointF(0, 0));
}

}  // namespace
}  // namespace velnor::test
