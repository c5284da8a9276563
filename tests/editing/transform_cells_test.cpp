#include <gtest/gtest.h>

#include "editing/transform_cells.h"

namespace velnor {
namespace {

CGpage PageWithVertexAndSolid() {
    CGpage page;
    page.AddVertex(1, 2, 3);
    page.AddVertex(4, 4, 4);
    auto solid = std::make_unique<CSubassembly>();
    solid->m_position = {2, 4, 6};
    solid->m_scale = {1, 2, 3};
    page.AddSolid(std::move(solid));
    return page;
}

TEST(TransformCells, TranslationMovesOnlyTheChosenVerticesAndSolids) {
    CGpage page = PageWithVertexAndSolid();
    const std::vector<int> verts{0}, solids{1};
    TranslateCells(page, verts, solids, {10, 0, -1});
    EXPECT_EQ(page.m_pos[0], (Float3{11, 2, 2}));
    EXPECT_EQ(page.m_pos[1], (Float3{4, 4, 4}));
    EXPECT_EQ(page.m_solids.at(1)->m_position, (Float3{12, 4, 5}));
}

TEST(TransformCells, ScalingScalesPositionsAndTheSolidsOwnFactors) {
    CGpage page = PageWithVertexAndSolid();
    const std::vector<int> verts{0, 1}, solids{1};
    ScaleCells(page, verts, solids, {0.5f, 0.5f, 2});
    EXPECT_EQ(page.m_pos[0], (Float3{0.5f, 1, 6}));
    EXPECT_EQ(page.m_pos[1], (Float3{2, 2, 8}));
    EXPECT_EQ(page.m_solids.at(1)->m_position, (Float3{1, 2, 12}));
    EXPECT_EQ(page.m_solids.at(1)->m_scale, (Float3{0.5f, 1, 6}));
}

TEST(TransformCells, MissingSolidsAndIndicesOutsideTheTableArePassedOver) {
    CGpage page = PageWithVertexAndSolid();
    const std::vector<int> verts{-1, 200, 0}, solids{7};
    TranslateCells(page, verts, solids, {1, 1, 1});
    EXPECT_EQ(page.m_pos[0], (Float3{2, 3, 4}));
    EXPECT_EQ(page.m_solids.at(1)->m_position, (Float3{2, 4, 6}));
}

}  // namespace
}  // namespace velnor
