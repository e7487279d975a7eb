#include "fakes/TemporaryFolder.h"
#include "platform/AutostartList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace verbalia {
namespace {

namespace fs = std::filesystem;

TEST(XdgAutostartList, WritesReadsAndRemovesTheDesktopEntry)
{
    const TemporaryFolder temporary;
    const std::string config = temporary.path() + "home/.config"; // neither folder there yet
    const char* savedConfigHome = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedConfigHome ? savedConfigHome : "";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    XdgAutostartList list;
    EXPECT_EQ(list.key(), config + "/autostart");
    EXPECT_TRUE(list.keyExists());

    const std::string path = temporary.path() + "a b/\"q\" $v `c` \\x 5%/verbalia";
    ASSERT_TRUE(list.writeValue("verbalia", path));
    EXPECT_TRUE(list.valueExists("verbalia"));
    EXPECT_EQ(list.readValue("verbalia"), path);
    std::ostringstream entry;
    entry << std::ifstream(config + "/autostart/verbalia.desktop").rdbuf();
    EXPECT_EQ(entry.str(), "[Desktop Entry]\nType=Application\nName=verbalia\nExec=\"" + temporary.path() +
                               "a b/\\\\\"q\\\\\" \\\\$v \\\\`c\\\\` \\\\\\\\x 5%%/verbalia\"\n");

    EXPECT_EQ(fs::status(config).permissions(), fs::perms::owner_all);
    list.deleteValue("verbalia");
    EXPECT_FALSE(list.valueExists("verbalia"));
    EXPECT_EQ(list.readValue("verbalia"), "");

    fs::create_directory(config + "/autostart/verbalia.desktop"); // a folder where the entry should go
    EXPECT_FALSE(list.writeValue("verbalia", path));

    std::ofstream(temporary.path() + "file");
    ::setenv("XDG_CONFIG_HOME", (temporary.path() + "file/config").c_str(), 1); // under a file: no folder can be made
    EXPECT_FALSE(list.keyExists());

    if (savedConfigHome) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

TEST(XdgAutostartList, ProgramOfHandWrittenEntries)
{
    EXPECT_EQ(programOfDesktopEntry("[Desktop Entry]\nExec=/usr/bin/verbalia --quiet\n"), "/usr/bin/verbalia");
    EXPECT_EQ(programOfDesktopEntry("[Other]\nExec=/x\n[Desktop Entry]\r\n Exec = \"/a\\sb/v\" %U\r\n"), "/a b/v");
    EXPECT_EQ(programOfDesktopEntry("[Desktop Entry]\nName=verbalia\n"), "");
}

} // namespace
} // namespace verbalia
