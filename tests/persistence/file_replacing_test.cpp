#include "persistence/file_replacing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

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

TEST_F(FileReplacingTest, WhatIsNotARegularFileIsRefusedAndLeftAlone) {
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", dir / "to-pipe.plm");
    fs::create_symlink("/dev/null", dir / "to-null.plm");
    for (const char* name : {"pipe", "to-pipe.plm", "to-null.plm"}) {
        SCOPED_TRACE(name);
        try {
            Write(dir / name, "x");
            ADD_FAILURE() << "saved over it";
        } catch (const ArchiveError& error) {
            EXPECT_NE(std::string(error.what()).find("不是普通文件"), std::string::npos);
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"pipe", "to-null.plm", "to-pipe.plm"}));
}

TEST_F(FileReplacingTest, EveryNameAFolderTakesCanBeSaved) {
    std::string chinese;
    for (int i = 0; i < 80; ++i) {
        chinese += "页";
    }
    const std::string names[] = {
        std::string(255, 'a'),
        chinese + ".plm",                    // 244 bytes
        "ab" + chinese + "第二页" + ".plm",  // 255 bytes; the cut falls inside a character
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name.size());
        Write(dir / name, "lesson");
        EXPECT_EQ(Read(dir / name), "lesson");
        Write(dir / name, "again");
        EXPECT_EQ(Read(dir / name), "again");
        EXPECT_EQ(Entries(), std::vector<std::string>{name});
        fs::remove(dir / name);
    }
}

}  // namespace
}  // namespace velnor
