#include "platform/DesktopEntryFile.h"

#include <gtest/gtest.h>

namespace verbalia {
namespace {

TEST(DesktopEntryFileTest, BaseFolderPrefersAnAbsoluteVariable)
{
    EXPECT_EQ(xdgBaseFolder("/x/data", "/home/u", ".local/share"), "/x/data");
    EXPECT_EQ(xdgBaseFolder("/x/data/", nullptr, ".local/share"), "/x/data");
    EXPECT_EQ(xdgBaseFolder(nullptr, "/home/u", ".local/share"), "/home/u/.local/share");
    EXPECT_EQ(xdgBaseFolder("", "/home/u/", ".config"), "/home/u/.config");
    EXPECT_EQ(xdgBaseFolder("relative/data", "/home/u", ".config"), "/home/u/.config"); // relative ones are invalid
    EXPECT_EQ(xdgBaseFolder(nullptr, "", ".config"), std::nullopt);
    EXPECT_EQ(xdgBaseFolder(nullptr, nullptr, ".config"), std::nullopt);
}

} // namespace
} // namespace verbalia
