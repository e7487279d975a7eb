#include "app/core/DesktopEntry.h"

#include "fakes/FakePlatform.h"
#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace verbalia {
namespace {

namespace fs = std::filesystem;

// The Exec and TryExec lines for paths with the characters that need escaping.
TEST(DesktopEntryTest, EscapesTheProgramPath)
{
    struct Case {
        std::string program, tryExec, exec;
    };
    const Case cases[] = {
        {"/opt/verbalia-1.4/verbalia", "/opt/verbalia-1.4/verbalia", "\"/opt/verbalia-1.4/verbalia\""},
        {"/home/a b/v", "/home/a b/v", "\"/home/a b/v\""},
        {"/t/100%/v", "/t/100%/v", "\"/t/100%%/v\""},
        {"/t/\"q\" $x `c`/v", "/t/\"q\" $x `c`/v", "\"/t/\\\\\"q\\\\\" \\\\$x \\\\`c\\\\`/v\""},
        {"/t/back\\slash/v", "/t/back\\\\slash/v", "\"/t/back\\\\\\\\slash/v\""},
        {"/t/caf\xC3\xA9/v", "/t/caf\xC3\xA9/v", "\"/t/caf\xC3\xA9/v\""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> entry = desktopEntryText(c.program);
        ASSERT_TRUE(entry) << c.program;
        EXPECT_NE(entry->find("\nTryExec=" + c.tryExec + "\n"), std::string::npos) << *entry;
        EXPECT_NE(entry->find("\nExec=" + c.exec + "\n"), std::string::npos) << *entry;
        EXPECT_EQ(entry->find('@'), std::string::npos) << *entry;
    }
    for (const std::string refused : {"", "verbalia", "/t/caf\xE9/v", "/t/a\nb/v", "/t/a\tb/v"})
        EXPECT_EQ(desktopEntryText(refused), std::nullopt) << refused;
}

class DesktopEntryFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = root + "release/verbalia";
        data = root + "data/";
        fs::create_directories(root + "release");
        fs::create_directories(root + "release/share/bash-completion/completions");
        for (const char* shipped : {"verbalia.svg", "verbalia.png", "share/bash-completion/completions/verbalia-find"})
            ASSERT_TRUE(files.writeAll(root + "release/" + shipped, shipped));
    }

    int install() { return installDesktopEntry(files, program, data, bin, out, err); }
    int remove() { return removeDesktopEntry(files, program, data, bin, out, err); }

    TemporaryFolder temporary;
    const std::string& root = temporary.path();
    FakeFileSystem files;
    std::string program;
    std::string data;
    std::string bin = root + "bin/";
    std::ostringstream out, err;
};

TEST_F(DesktopEntryFilesTest, InstallsAndRemovesTheEntryAndIcons)
{
    const std::string entry = data + "applications/verbalia.desktop";
    const std::string svg = data + "icons/hicolor/scalable/apps/verbalia.svg";
    const std::string png = data + "icons/hicolor/256x256/apps/verbalia.png";
    const std::string completion = data + "bash-completion/completions/verbalia-find";

    ASSERT_EQ(install(), 0) << err.str();
    EXPECT_EQ(files.readAll(entry), desktopEntryText(program));
    EXPECT_EQ(files.readAll(svg), "verbalia.svg");
    EXPECT_EQ(files.readAll(png), "verbalia.png");
    EXPECT_EQ(files.readAll(completion), "share/bash-completion/completions/verbalia-find");
    EXPECT_EQ(fs::read_symlink(bin + "verbalia-find"), root + "release/verbalia-find");
    EXPECT_NE(out.str().find(bin + " must be on the PATH"), std::string::npos) << out.str();
    ASSERT_EQ(install(), 0) << err.str(); // again replaces them

    ASSERT_EQ(remove(), 0) << err.str();
    for (const std::string& path : {entry, svg, png, completion, bin + "verbalia-find"})
        EXPECT_FALSE(fs::exists(fs::symlink_status(path))) << path;
    out.str("");
    EXPECT_EQ(remove(), 0); // nothing left to remove
    EXPECT_EQ(out.str(), "Verbalia was not in the desktop's menu.\n");
}

// A verbalia-find in the bin folder that is not the link to this program's
// (another release's link, or a file) is never replaced nor removed.
TEST_F(DesktopEntryFilesTest, AnotherVerbaliaFindIsLeftAlone)
{
    fs::create_directories(bin);
    for (const bool aFile : {false, true}) {
        fs::remove(bin + "verbalia-find");
        if (aFile) ASSERT_TRUE(files.writeAll(bin + "verbalia-find", "mine"));
        else fs::create_symlink(root + "other/verbalia-find", bin + "verbalia-find");
        err.str("");
        ASSERT_EQ(install(), 0);
        EXPECT_EQ(err.str(), bin + "verbalia-find is not a link to " + root + "release/verbalia-find, so it was left as it is.\n");
        ASSERT_EQ(remove(), 0);
        EXPECT_EQ(fs::is_symlink(bin + "verbalia-find"), !aFile);
        EXPECT_TRUE(fs::exists(fs::symlink_status(bin + "verbalia-find")));
    }
}

TEST_F(DesktopEntryFilesTest, FailuresAreReportedAndAMissingIconWritesNothing)
{

    files.unreadableFiles.insert(root + "release/verbalia.png");
    EXPECT_EQ(install(), 1);
    EXPECT_EQ(err.str(), "Cannot read " + root + "release/verbalia.png\n");
    EXPECT_FALSE(fs::exists(data));
    files.unreadableFiles.clear();

    // A file standing where a folder of the icon theme should be.
    ASSERT_TRUE(files.writeAll(root + "icons-file", ""));
    fs::create_directories(data);
    fs::rename(root + "icons-file", data + "icons");
    err.str("");
    EXPECT_EQ(install(), 1);
    EXPECT_EQ(err.str(), "Cannot write " + data + "icons/hicolor/scalable/apps/verbalia.svg\n");
    EXPECT_FALSE(fs::exists(data + "applications/verbalia.desktop"));

    fs::remove(data + "icons");
    files.readOnlyFolders.insert(data + "applications/");
    ASSERT_EQ(install(), 1);
    files.readOnlyFolders.clear();
    ASSERT_EQ(install(), 0);
    files.readOnlyFolders.insert(data + "applications/");
    err.str("");
    EXPECT_EQ(remove(), 1);
    EXPECT_EQ(err.str(), "Cannot remove " + data + "applications/verbalia.desktop\n");
}

} // namespace
} // namespace verbalia
