#include "app/core/DesktopIntegration.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace verbalia {
namespace {

namespace fs = std::filesystem;

class DesktopIntegrationTest : public ::testing::Test {
protected:
    DesktopIntegration desktop() { return DesktopIntegration(services.platform()); }

    std::string createFile(const std::string& name)
    {
        std::ofstream(folder + name) << "x";
        return folder + name;
    }

    std::vector<std::string> shownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : messages.shown) texts.push_back(box.text);
        return texts;
    }

    TemporaryFolder temporary;
    const std::string folder = temporary.path();
    FakeServices services{folder};
    FakeMessageBoxes& messages = services.messages;
    FakeAutostartList& autostart = services.autostart;
    FakeFileAttributes& attributes = services.attributes;
    FakeTextViewer& viewer = services.viewer;
};

TEST_F(DesktopIntegrationTest, AutoRunWithoutConfigurationFolderNamesKeyItemAndValue)
{
    autostart.configFolderExists = false;
    EXPECT_FALSE(desktop().Enable_Auto_Run());
    EXPECT_FALSE(desktop().Disable_Auto_Run());
    const std::string head =
        "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n"
        " Error Key   = /home/user/.config/autostart\r\n Error Item  = verbalia\r\n";
    const std::string tail = "\r\nPlease contact the program's author.";
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{head + " Error Value = " + folder + "verbalia\r\n" + tail, head + tail}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(autostart.entries.empty());
}

TEST_F(DesktopIntegrationTest, EnableThenDisableTwiceSucceedEachTime)
{
    EXPECT_TRUE(desktop().Enable_Auto_Run());
    EXPECT_EQ(autostart.entries["verbalia"], folder + "verbalia");
    EXPECT_TRUE(desktop().Disable_Auto_Run());
    EXPECT_TRUE(desktop().Disable_Auto_Run()); // the entry is already gone
    const std::string off = "This program (verbalia) will now no-longer run automatically at Windows Start-Up.";
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{
                                "This program (verbalia) will now run automatically at Windows Start-Up.", off, off}));
    EXPECT_TRUE(autostart.entries.empty());
}

TEST_F(DesktopIntegrationTest, FaultsOfTheListAreReportedAsFailures)
{
    struct Case {
        bool FakeAutostartList::*fault;
        bool enable;
        std::string messageStart;
    };
    for (const Case& c : std::vector<Case>{
             {&FakeAutostartList::writesFail, true, "Failed to set data for 'verbalia'"},
             {&FakeAutostartList::writesLost, true, "Error: The required settings could not be created \r\nor saved"},
             {&FakeAutostartList::deletesIgnored, false,
              "Error: The required Registry Key settings \r\ncould not be removed"}}) {
        FakeAutostartList list;
        list.entries["verbalia"] = "/elsewhere/verbalia";
        list.*c.fault = true;
        autostart = list;
        messages.shown.clear();
        EXPECT_FALSE(c.enable ? desktop().Enable_Auto_Run() : desktop().Disable_Auto_Run()) << c.messageStart;
        ASSERT_EQ(messages.shown.size(), 1u) << c.messageStart;
        EXPECT_TRUE(messages.shown[0].text.starts_with(c.messageStart)) << messages.shown[0].text;
    }
}

TEST_F(DesktopIntegrationTest, CheckAutoRunAsksOnlyWhenTheEntryPointsElsewhere)
{
    const std::string here = folder + "verbalia";
    std::string upper = here;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    const std::string question =
        "The directory / path settings required to make this program (verbalia)\r\nrun automatically at Windows "
        "Start-up do not match where the program \r\nis currently being run from.\r\n\r\n Old      = /old/verbalia\r\n"
        " Current = " +
        here + "\r\n\r\nDo you want to update the Windows Registry to reflect the programs current locaton ?";
    struct Case {
        std::string entry;
        Answer answer;
        bool checked;
        std::vector<std::string> shown;
        std::string entryAfter;
    };
    for (const Case& c :
         std::vector<Case>{{"", Answer::No, false, {}, ""},
                           {upper, Answer::No, true, {}, upper},
                           {"/old/verbalia", Answer::No, true, {question}, "/old/verbalia"},
                           {"/old/verbalia",
                            Answer::Yes,
                            true,
                            {question, "This program (verbalia) will now run automatically at Windows Start-Up."},
                            here}}) {
        autostart.entries.clear();
        if (!c.entry.empty()) autostart.entries["verbalia"] = c.entry;
        messages.shown.clear();
        messages.scriptAnswers({c.answer});
        EXPECT_EQ(desktop().Check_Auto_Run(), c.checked) << c.entry;
        EXPECT_EQ(shownTexts(), c.shown) << c.entry;
        EXPECT_EQ(autostart.readValue("verbalia"), c.entryAfter);
        messages.answers.clear();
    }
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
}

TEST_F(DesktopIntegrationTest, FileStateAndSafeDeletion)
{
    const std::string readOnly = createFile("verbalia.ini");
    attributes.readOnly[readOnly] = true;
    const std::string held = createFile("held.ini");
    attributes.held.insert(held);
    const std::string plain = createFile("plain.ini");
    const std::string longPath = folder + std::string(128 - folder.size(), 'x'); // no such file

    EXPECT_EQ(desktop().File_Open_State(""), "");
    EXPECT_EQ(desktop().File_Open_State(longPath), "CLOSED"); // not probed at 128 characters
    EXPECT_EQ(desktop().File_Open_State(longPath.substr(0, 127)), "");
    EXPECT_EQ(desktop().File_Open_State(plain), "CLOSED");
    EXPECT_EQ(desktop().File_Open_State(held), "OPEN");
    EXPECT_EQ(desktop().File_Open_State(readOnly), "ERROR");

    EXPECT_FALSE(desktop().Set_File_Attributes(plain, false, false, true, false)); // hidden has no counterpart
    EXPECT_FALSE(desktop().Set_File_Attributes(folder + "missing", false, false, false, false));

    EXPECT_TRUE(desktop().Delete_File_Safely(readOnly)); // its read-only attribute is cleared first
    EXPECT_FALSE(fs::exists(readOnly));
    EXPECT_FALSE(desktop().Delete_File_Safely(held));
    EXPECT_TRUE(fs::exists(held));
    EXPECT_FALSE(desktop().Delete_File_Safely(readOnly));
}

TEST_F(DesktopIntegrationTest, ReadmeAndCatalogViewers)
{
    FakeServices myWordTool(folder, "my.word.tool");
    FakeTextViewer& viewerOfMyWordTool = myWordTool.viewer;
    DesktopIntegration(myWordTool.platform()).View_Readme();
    EXPECT_EQ(viewerOfMyWordTool.opened, std::vector<std::string>{folder + "my.txt"});
    desktop().View_Readme(); // opened whether it exists or not
    desktop().View_Catalog();
    const std::string catalog = createFile("catalog.txt");
    desktop().View_Catalog();
    desktop().View_In_Notepad("");
    viewer.starts = false;
    desktop().View_Readme();
    viewer.installed = false;
    desktop().View_Catalog();

    EXPECT_EQ(viewer.opened, (std::vector<std::string>{folder + "verbalia.txt", catalog}));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{
                                "Tarnwick's Shareware Catalog is not in the same directory as Verbalia - v1.4f.  The "
                                "required file 'catalog.txt' was included in the distribution ZIP file.  Please unzip "
                                "this file and try again.",
                                "No Log File to View.", "Windows Notepad could not be found.",
                                "Windows Notepad could not be found."}));
}

} // namespace
} // namespace verbalia
