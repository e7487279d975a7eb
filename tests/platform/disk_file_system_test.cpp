#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace verbalia {
namespace {

namespace fs = std::filesystem;

class DiskFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "verbalia-fs-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string folder;
    DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, WriteReadAndReplace)
{
    const std::string path = folder + "wordlist.dat";
    EXPECT_FALSE(disk.exists(path));
    EXPECT_EQ(disk.readAll(path), std::nullopt);

    const std::string bytes("a\r\n\0b\xFF\r\n", 8);
    ASSERT_TRUE(disk.writeAll(path, bytes));
    EXPECT_TRUE(disk.exists(path));
    EXPECT_EQ(disk.readAll(path), bytes);

    ASSERT_TRUE(disk.writeAll(path, "short"));
    EXPECT_EQ(disk.readAll(path), "short"); // nothing of the longer old content is left

    ASSERT_TRUE(disk.writeAll(path, ""));
    EXPECT_EQ(disk.readAll(path), "");
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"wordlist.dat"}); // no temporary files left

    const std::string large(3 * 1024 * 1024 + 17, 'x');
    ASSERT_TRUE(disk.writeAll(path, large));
    EXPECT_EQ(disk.readAll(path), large);
}

TEST_F(DiskFileSystemTest, FailedWritesLeaveNothingBehind)
{
    EXPECT_FALSE(disk.writeAll(folder + "missing/wordlist.dat", "words"));
    EXPECT_FALSE(fs::exists(folder + "missing"));

    fs::create_directory(folder + "wordlist.dat");
    EXPECT_FALSE(disk.writeAll(folder + "wordlist.dat", "words"));
    EXPECT_TRUE(fs::is_directory(folder + "wordlist.dat"));
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"wordlist.dat"});
}

TEST_F(DiskFileSystemTest, DirectoriesAreNotFiles)
{
    fs::create_directory(folder + "sub");
    EXPECT_FALSE(disk.exists(folder + "sub"));
    EXPECT_EQ(disk.readAll(folder + "sub"), std::nullopt);
    EXPECT_FALSE(disk.remove(folder + "sub"));
    EXPECT_TRUE(fs::is_directory(folder + "sub"));
}

TEST_F(DiskFileSystemTest, Remove)
{
    const std::string path = folder + "verbalia.ini";
    EXPECT_TRUE(disk.remove(path)); // nothing there: nothing left
    ASSERT_TRUE(disk.writeAll(path, "[verbalia]\r\n"));
    EXPECT_TRUE(disk.remove(path));
    EXPECT_FALSE(disk.exists(path));
}

} // namespace
} // namespace verbalia
