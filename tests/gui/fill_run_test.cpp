#include <gtest/gtest.h>

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <vector>

#include "output/fill_run.h"

namespace velnor::test {
namespace {

QPolygonF Square(double x, double y, double side = 1.0) {
    return QPolygonF{{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
}

QPolygonF Reversed(QPolygonF polygon) {
    std::reverse(polygon.begin(), polygon.end());
    return polygon;
}

int LoopCount(const QPainterPath& path) {
    int loops = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        loops += path.elementAt(i).isMoveTo() ? 1 : 0;
    }
    return loops;
}

// The union covers what the polygons cover, and the edges two neighbours share are gone.
TEST(FillRunTest, TheUnionOutlineCoversWhatThePolygonsCover) {
    std::vector<QPolygonF> ring;
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            if (x != 1 || y != 1) {
                ring.push_back(Square(x, y));
            }
        }
    }
    struct Case {
        const char* name;
        std::vector<QPolygonF> polygons;
        int loops;
        std::vector<QPointF> inside, outside;
    };
    const Case cases[] = {
        {"neighbours", {Square(0, 0), Square(1, 0)}, 1, {{0.5, 0.5}, {1.5, 0.5}}, {{2.5, 0.5}}},
        {"one turned the other way",
         {Square(0, 0), Reversed(Square(1, 0))},
         1,
         {{0.5, 0.5}, {1.5, 0.5}},
         {{-0.5, 0.5}}},
        {"a ring round a hole", ring, 2, {{0.5, 0.5}, {2.5, 2.5}}, {{1.5, 1.5}, {3.5, 1.5}}},
        {"overlapping",
         {Square(0, 0, 2), Square(1, 1, 2)},
         2,
         {{1.5, 1.5}, {2.5, 2.5}},
         {{0.5, 2.5}}},
        {"a polygon seen edge-on",
         {Square(0, 0), {{5, 5}, {6, 6}, {7, 7}}},
         1,
         {{0.5, 0.5}},
         {{6, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPainterPath outline = UnionOutline(c.polygons);
        EXPECT_EQ(LoopCount(outline), c.loops);
        for (const QPointF& p : c.inside) {
            EXPECT_TRUE(outline.contains(p)) << p.x() << ", " << p.y();
        }
        for (const QPointF& p : c.outside) {
            EXPECT_FALSE(outline.contains(p)) << p.x() << ", " << p.y();
        }
    }
}

TEST(FillRunTest, TakesOnlyOpaqueBrushesOfItsOwnColour) {
    FillRun run;
    EXPECT_FALSE(run.Takes(QBrush(QColor(0, 0, 255, 128))));
    EXPECT_TRUE(run.Takes(QBrush(Qt::blue)));
    run.Add(QBrush(Qt::blue), Square(0, 0));
    EXPECT_TRUE(run.Takes(QBrush(Qt::blue)));
    EXPECT_FALSE(run.Takes(QBrush(Qt::red)));
}

}  // namespace
}  // namespace velnor::test
