#include "app/core/SettingsTable.h"
#include "fakes/FakePlatform.h"
#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace verbalia {
namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SettingsTableTest, MissingFileGivesTheFactoryDefaults)
{
    TemporaryFolder folder;
    FakeFileSystem files;
    const SettingsValues values = readSettingsValues(IniFile(files, folder.path() + "verbalia.ini"));
    EXPECT_EQ(std::tie(values.maximized, values.top, values.left, values.width, values.height),
              std::tuple(false, 5, 5, 620, 508));
    EXPECT_FALSE(values.alwaysOnTop || values.autoRun || values.onlyThese || values.exactCount);
    EXPECT_TRUE(values.ignoreNumbers && values.ignoreSymbols && values.containsAll);
    EXPECT_EQ(values.wildcardCriteria + values.letterCriteria + values.phoneticCriteria + values.excludedLetters, "");
    EXPECT_EQ(std::tie(values.lowerLength, values.upperLength, values.page), std::tuple(1, 50, 0));
    EXPECT_EQ(std::tie(values.solverMode, values.solverShow, values.solverCriteria, values.solverPhrases),
              std::tuple(0, 0, "", false));
}

// Keys go out in the table's order, group by group, and read back as written.
TEST(SettingsTableTest, WritesGroupsInTableOrderAndReadsThemBack)
{
    TemporaryFolder folder;
    FakeFileSystem files;
    const std::string path = folder.path() + "verbalia.ini";
    IniFile settings(files, path);
    SettingsValues values = readSettingsValues(settings);
    values.top = -3;
    values.autoRun = true;
    values.letterCriteria = "c\xE9t";
    values.upperLength = 7;
    values.solverMode = 2;
    values.solverCriteria = "p?zzle";
    ASSERT_TRUE(writeSettingsValues(settings, {SettingGroup::Menu}, values));
    ASSERT_TRUE(writeSettingsValues(settings, {SettingGroup::Window, SettingGroup::Controls}, values));
    EXPECT_EQ(bytesOf(path),
              "[verbalia]\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=1\r\n"
              "WindowState_wsMaximized=0\r\nwindow_top_posn=-3\r\nwindow_left_posn=5\r\nwindow_Width=620\r\n"
              "window_Height=508\r\nWildcard_Search_ComboBox=\r\nWords_With_These_Letters_Search_ComboBox=c\xE9t\r\n"
              "Phonetic_Search_ComboBox=\r\nExcluded_Letters_Edit=\r\nIgnore_Words_With_Numbers_CheckBox=1\r\n"
              "Ignore_All_Non_Alphanumeric_Chars_CheckBox=1\r\n"
              "Search_for_Words_with_these_and_other_letters_RadioButton=1\r\n"
              "Search_for_Words_with_only_these_Any_Number_RadioButton=0\r\n"
              "Search_for_Words_with_only_these_Specified_Number_RadioButton=0\r\n"
              "Lower_Length_SpinEdit=1\r\nUpper_Length_SpinEdit=7\r\nPageControl1=0\r\nCommonest_Words_First=0\r\n"
              "Solver_Mode=2\r\nSolver_Show=0\r\nSolver_Find_ComboBox=p?zzle\r\nSolver_Include_Phrases=0\r\n");
    const SettingsValues read = readSettingsValues(IniFile(files, path));
    EXPECT_EQ(std::tie(read.top, read.autoRun, read.letterCriteria, read.upperLength, read.solverMode,
                       read.solverCriteria),
              std::tie(values.top, values.autoRun, values.letterCriteria, values.upperLength, values.solverMode,
                       values.solverCriteria));
}

TEST(SettingsTableTest, StopsAtTheFirstKeyThatCannotBeWritten)
{
    TemporaryFolder folder;
    FakeFileSystem files;
    files.readOnlyFolders.insert(folder.path());
    IniFile settings(files, folder.path() + "verbalia.ini");
    EXPECT_FALSE(writeSettingsValues(settings, {SettingGroup::Window}, readSettingsValues(settings)));
    EXPECT_EQ(files.writes, 1);
}

} // namespace
} // namespace verbalia
