#include <cmath>
#include <filesystem>
#include <fstream>

#include "commands/script_file.h"
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

// A folder opens as a file does and fails at its first read; neither it nor a missing file may
// pass for an empty script.
TEST(ScriptFile, IsReadWholeOrNotAtAll) {
    EXPECT_FALSE(ReadScriptLines(std::filesystem::temp_directory_path()));
    EXPECT_FALSE(ReadScriptLines(VELNOR_TEST_DATA "/no such.script"));
    const auto lines = ReadScriptLines(VELNOR_TEST_DATA "/cube_button.script");
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->front().rfind("#", 0), 0u);
}

}  // namespace
}  // namespace velnor::test
