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
    EXPECT_EQ(executablePath(), folder + "platform_tests");
    EXPECT_EQ(executableName(), "platform_tests");
}

} // namespace
} // namespace verbalia
