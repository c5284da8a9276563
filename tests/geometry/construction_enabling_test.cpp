#include <gtest/gtest.h>

#include "geometry/construction_enabling.h"
#include "page_builder.h"

namespace velnor {
namespace {

TEST(ConstructionEnabling, MidpointNeedsALineOnThePageRatioPointsASelectedOne) {
    CGpage page;
    test::AddPoints(page, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    EXPECT_FALSE(CanConstructMidpoint(page));
    page.AddLine(0, 1);
    EXPECT_TRUE(CanConstructMidpoint(page));
    EXPECT_FALSE(CanConstructRatioPoints(page));
    page.m_selLines = {1};
    EXPECT_TRUE(CanConstructRatioPoints(page));
}

TEST(ConstructionEnabling, SelectionCountsOfEachConstruction) {
    CGpage page;
    page.m_selPoints = {0, 1};
    EXPECT_TRUE(CanConstructSymmetricPoint(page));
    EXPECT_FALSE(CanConstructPerpendicular(page));

    page.m_selPoints = {0};
    page.m_selLines = {1};
    EXPECT_TRUE(CanConstructPerpendicular(page));
    EXPECT_TRUE(CanConstructParallel(page));
    EXPECT_FALSE(CanConstructIntersection(page));
    page.m_selFaces = {1};
    EXPECT_TRUE(CanConstructIntersection(page));
    EXPECT_TRUE(CanConstructPerpendicular(page));

    page.ClearSelection();
    page.m_selLines = {1, 2};
    EXPECT_TRUE(CanConstructIntersection(page));
    EXPECT_TRUE(CanConstructCommonPerpendicular(page));
    page.m_selLines = {1, 2, 3};
    EXPECT_FALSE(CanConstructIntersection(page));

    page.ClearSelection();
    page.m_selPoints = {0, 1, 2};
    EXPECT_TRUE(CanConstructAngleBisector(page));
    page.m_selSolids = {1};
    EXPECT_FALSE(CanConstructAngleBisector(page));
}

}  // namespace
}  // namespace velnor
