#include <cmath>
#include <fstream>

#include "commands/script_fixture.h"

namespace velnor::test {
namespace {

TEST_F(ScriptTest, TheReadmeExampleBuildsMeasuresAndAnimatesTheCube) {
    std::ifstream script(VELNOR_TEST_DATA "/cube_button.script");
    ASSERT_TRUE(script);
    interpreter.Run(script);
    EXPECT_EQ(output.str(), "");
    EXPECT_EQ(Page().m_nVertexCount, 8);
    EXPECT_EQ(Page().m_lines.size(), 12u);
    EXPECT_EQ(Page().m_faces.size(), 3u);
    EXPECT_EQ(Page().m_lines.at(9)->m_strName, "AE");
    ASSERT_EQ(Page().m_texts.size(), 2u);
    EXPECT_NEAR(Page().m_texts.at(1)->m_fValue, 5.0f, 1e-4f);
    EXPECT_NEAR(Page().m_texts.at(2)->m_fValue, 90.0f, 1e-3f);
    EXPECT_NEAR(Page().m_pos[6][2], 5.0f, 1e-4f);
    EXPECT_EQ(Page().m_buttons.at(3024)->m_nState, 1);
}

}  // namespace
}  // namespace velnor::test
