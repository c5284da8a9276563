#include "persistence/file_replacing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "persistence/archive_error.h"

namespace velnor {
namespace {

namespace fs = std::filesystem;

class FileReplacingTest : public testing::Test {
protected:
    FileReplacingTest()
        : dir(fs::temp_directory_path() /
              ("velnor-replace-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~FileReplacingTest() override { fs::remove_all(dir); }

    static void Write(const fs::path& path, const std::string& text) {
        WriteFileReplacing(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static fs::perms Mode(const fs::path& path) { return fs::status(path).permissions(); }

    fs::path dir;
};

TEST_F(FileReplacingTest, ALeftoverSavingFileOfTheSameNameIsNeitherUsedNorClobbered) {
    Put(dir / "a.plm.saving", "someone else's");
    Write(dir / "a.plm", "lesson");
    EXPECT_EQ(Read(dir / "a.plm"), "lesson");
    EXPECT_EQ(Read(dir / "a.plm.saving"), "someone else's");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.plm", "a.plm.saving"}));
}

TEST_F(FileReplacingTest, TheReplacedFileKeepsItsMode) {
    const fs::perms modes[] = {fs::perms(0600), fs::perms(0644), fs::perms(0640), fs::perms(0664),
                               fs::perms(0755)};
    for (const fs::perms mode : modes) {
        SCOPED_TRACE(static_cast<int>(mode));
        Put(dir / "a.plm", "old");
        fs::permissions(dir / "a.plm", mode);
        Write(dir / "a.plm", "new");
        EXPECT_EQ(Read(dir / "a.plm"), "new");
        EXPECT_EQ(Mode(dir / "a.plm"), mode);
    }
}

TEST_F(FileReplacingTest, ANewFileGetsWhatTheUmaskAllows) {
    const mode_t mask = ::umask(022);
    Write(dir / "new.plm", "x");
    ::umask(mask);
    EXPECT_EQ(Mode(dir / "new.plm"), fs::perms(0644));
}

TEST_F(FileReplacingTest, SymbolicLinksAreFollowedToTheirTargetAndStayLinks) {
    fs::create_directories(dir / "real");
    Put(dir / "real" / "a.plm", "old");
    fs::create_symlink("real/a.plm", dir / "relative.plm");
    fs::create_symlink(dir / "relative.plm", dir / "chain.plm");
    for (const char* link : {"relative.plm", "chain.plm"}) {
        SCOPED_TRACE(link);
        Write(dir / link, link);
        EXPECT_TRUE(fs::is_symlink(dir / link));
        EXPECT_EQ(Read(dir / "real" / "a.plm"), link);
    }
    // A link to a file not there yet creates the file where the link points.
    fs::create_symlink("real/later.plm", dir / "dangling.plm");
    Write(dir / "dangling.plm", "later");
    EXPECT_EQ(Read(dir / "real" / "later.plm"), "later");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.plm"));
}

TEST_F(FileReplacingTest, AFailedReplaceKeepsTheOldEntryAndLeavesNoTemporary) {
    // A folder in the way of the rename.
    fs::create_directories(dir / "busy.plm" / "inside");
    EXPECT_THROW(Write(dir / "busy.plm", "x"), ArchiveError);
    EXPECT_EQ(Entries(), std::vector<std::string>{"busy.plm"});
    EXPECT_TRUE(fs::exists(dir / "busy.plm" / "inside"));
    // A loop of links.
    fs::create_symlink("loop2.plm", dir / "loop1.plm");
    fs::create_symlink("loop1.plm", dir / "loop2.plm");
    EXPECT_THROW(Write(dir / "loop1.plm", "x"), ArchiveError);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"busy.plm", "loop1.plm", "loop2.plm"}));
}

}  // namespace
}  // namespace velnor
