#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_text_file.h"
#include "temp_folder.h"

namespace {

using Names = std::vector<std::string>;

mode_t PermissionBits(const std::filesystem::path& file)
{
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class ReplaceTextFileTest : public testing::Test {
protected:
    TempFolder folder;
    MemoLines figures;
};

TEST_F(ReplaceTextFileTest, ReplacesTheWholeContentAndLeavesNoTemporary)
{
    folder.Write("ts.out", "an old, much longer content that must not survive in part\r\n");
    EXPECT_TRUE(ReplaceTextFile(folder.Path() / "ts.out", "new\r\n", figures.Sink()));
    EXPECT_EQ(folder.Read("ts.out"), "new\r\n");
    EXPECT_EQ(folder.Names(), Names{"ts.out"});
    EXPECT_TRUE(figures.lines.empty());
}

TEST_F(ReplaceTextFileTest, KeepsThePermissionBitsOfTheOldFile)
{
    folder.Write("ts.dat", "old");
    std::filesystem::path target = folder.Path() / "ts.dat";
    for (mode_t mode : {0640, 0604, 0600}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        EXPECT_TRUE(ReplaceTextFile(target, "new", figures.Sink()));
        EXPECT_EQ(PermissionBits(target), mode);
    }
}

TEST_F(ReplaceTextFileTest, NewFileFollowsTheUmask)
{
    mode_t saved = ::umask(027);
    bool written = ReplaceTextFile(folder.Path() / "ondo.out", "x", figures.Sink());
    ::umask(saved);
    EXPECT_TRUE(written);
    EXPECT_EQ(PermissionBits(folder.Path() / "ondo.out"), mode_t{0640});
}

TEST_F(ReplaceTextFileTest, TargetThatIsAFolderStaysAsItWas)
{
    std::filesystem::create_directory(folder.Path() / "ts.dat");
    folder.Write("ts.dat/keep", "kept");
    EXPECT_FALSE(ReplaceTextFile(folder.Path() / "ts.dat", "new", figures.Sink()));
    EXPECT_EQ(figures.lines, Names{"File not found"});
    EXPECT_EQ(folder.Names(), Names{"ts.dat"});
    EXPECT_EQ(folder.Read("ts.dat/keep"), "kept");
}

TEST_F(ReplaceTextFileTest, MissingFolderFails)
{
    EXPECT_FALSE(ReplaceTextFile(folder.Path() / "absent" / "ts.dat", "new", figures.Sink()));
    EXPECT_EQ(figures.lines, Names{"File not found"});
    EXPECT_EQ(folder.Names(), Names{});
}

TEST_F(ReplaceTextFileTest, ReadOnlyFileStaysAsItWas)
{
    folder.Write("ts.out", "old");
    std::filesystem::path target = folder.Path() / "ts.out";
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    if (::access(target.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write a read-only file (root), so it cannot fail here";
    EXPECT_FALSE(ReplaceTextFile(target, "new", figures.Sink()));
    EXPECT_EQ(figures.lines, Names{"File not found"});
    EXPECT_EQ(folder.Read("ts.out"), "old");
    EXPECT_EQ(folder.Names(), Names{"ts.out"});
}

}  // namespace
