#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "model/face_cell.h"

namespace velnor {
namespace {

TEST(MakeFace, TheVertexCountChoosesTheStoredClass) {
    const struct {
        size_t count;
        std::string className;
    } cases[] = {{3, "CFace3"}, {4, "CFace4"}, {5, "CFacen"}, {20, "CFacen"}};
    for (const auto& [count, className] : cases) {
        SCOPED_TRACE(count);
        std::vector<uint8_t> verts(count);
        std::iota(verts.begin(), verts.end(), uint8_t{0});
        const auto face = MakeFace(verts);
        EXPECT_EQ(face->ClassName(), className);
        EXPECT_EQ(face->m_nVerts, count);
        EXPECT_TRUE(std::equal(verts.begin(), verts.end(), face->Verts().begin()));
    }
}

}  // namespace
}  // namespace velnor
