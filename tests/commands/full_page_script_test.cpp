#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "script_fixture.h"

namespace velnor {
namespace {

using FullPageScript = test::ScriptTest;

// Line AC is key 1; keys 2 to 65535 are filled directly, as 65,534 more `line` steps would.
TEST_F(FullPageScript, ANewLineIsRefusedAndLineOneStays) {
    Run("point 0 0 0\npoint 1 0 0\npoint 5 5 5\nline 0 2\n");
    for (int key = 2; key <= UINT16_MAX; ++key) {
        Page().m_lines[static_cast<uint16_t>(key)] = std::make_unique<CLineCell>(0, 1, 0);
    }
    Page().m_nNextLineId = 0;
    EXPECT_EQ(Run("line 0 1\nline 1 2\n"),
              "message: 本页图元数已达界限,请新建一页\nmessage: 本页图元数已达界限,请新建一页\n");
    EXPECT_EQ(Page().m_lines.size(), 65535u);
    EXPECT_EQ(Page().m_lines.at(1)->m_strName, "AC");
    EXPECT_EQ(Page().m_nNextLineId, 0);
    Run("undo\n");  // takes back line AC, the last addition that was made
    EXPECT_EQ(Page().m_lines.count(1), 0u);
}

TEST_F(FullPageScript, ANewFaceIsRefusedWithTheSameMessage) {
    Run("point 0 0 0\npoint 1 0 0\npoint 0 1 0\n");
    for (int key = 1; key <= UINT16_MAX; ++key) {
        Page().m_faces[static_cast<uint16_t>(key)] = std::make_unique<CFace3>();
    }
    EXPECT_EQ(Run("face 0 1 2\n"), "message: 本页图元数已达界限,请新建一页\n");
    EXPECT_EQ(Page().m_faces.size(), 65535u);
}

}  // namespace
}  // namespace velnor
