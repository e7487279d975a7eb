#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace verbalia {
namespace {

TEST(ProgramFolder, IsTheFolderOfThisExecutable)
{
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

} // namespace
} // namespace verbalia
