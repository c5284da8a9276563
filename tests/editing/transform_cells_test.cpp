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

TEST(TransformCells, MissingSolidsAndIndicesOutsideTheTableArePassedOver) {
    CGpage page = PageWithVertexAndSolid();
    const std::vector<int> verts{-1, 200, 0}, solids{7};
    TranslateCells(page, verts, solids, {1, 1, 1});
    EXPECT_EQ(page.m_pos[0], (Float3{2, 3, 4}));
    EXPECT_EQ(page.m_solids.at(1)->m_position, (Float3{2, 4, 6}));
}

}  // namespace
}  // namespace velnor
