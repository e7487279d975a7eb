#include "platform/IniFile.h"

#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <random>

namespace verbalia {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("verbalia-ini-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "verbalia.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void writeFile(const std::string& bytes) { ASSERT_TRUE(m_files.writeAll(m_path, bytes)); }
    std::string fileText() const { return m_files.readAll(m_path).value_or("<missing>"); }

    std::filesystem::path m_folder;
    std::string m_path;
    FakeFileSystem m_files;
};

TEST(ParseIniIntegerTest, FollowsTheIntegerRules)
{
    EXPECT_EQ(parseIniInteger("42", 7), 42);
    EXPECT_EQ(parseIniInteger("-42", 7), -42);
    EXPECT_EQ(parseIniInteger("007", 1), 7);
    EXPECT_EQ(parseIniInteger("0x1F", 7), 31);
    EXPECT_EQ(parseIniInteger("0X1f", 7), 31);
    EXPECT_EQ(parseIniInteger("$1F", 7), 31);
    EXPECT_EQ(parseIniInteger("-$10", 7), -16);
    EXPECT_EQ(parseIniInteger("-0x10", 7), -16);
    EXPECT_EQ(parseIniInteger("0", 7), 0);
    EXPECT_EQ(parseIniInteger("2147483647", 7), std::numeric_limits<int>::max());
    EXPECT_EQ(parseIniInteger("-2147483648", 7), std::numeric_limits<int>::min());

    for (const char* bad : {"", "0x", "$", "-", "12a", "1 2", "+5", "--5", "0x1G", "$-1", " ", "2147483648",
                            "-2147483649", "99999999999999999999", "$80000000", "0x100000000"})
        EXPECT_EQ(parseIniInteger(bad, 7), 7) << '"' << bad << '"';
}

TEST_F(IniFileTest, MissingFileAndMissingKeysGiveDefaults)
{
    IniFile ini(m_files, m_path);
    EXPECT_EQ(ini.readString("verbalia", "a"), "");
    EXPECT_EQ(ini.readString("verbalia", "a", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("verbalia", "a", 50), 50);
    EXPECT_TRUE(ini.readBool("verbalia", "a", true));
    EXPECT_FALSE(ini.readBool("verbalia", "a", false));
    EXPECT_FALSE(std::filesystem::exists(m_path)); // reading creates nothing
}

TEST_F(IniFileTest, ReadsValuesWithCaseBlindNamesAndTrimmedBlanks)
{
    writeFile("a=outside\r\n"
              "; a=comment\r\n"
              "[Other]\r\n"
              "Key=other\r\n"
              "[ VERBALIA ]\r\n"
              "; key=commented out\r\n"
              "  KEY  =  spaced value  \r\n"
              "Empty=\r\n"
              "Quoted=\" kept \"\r\n"
              "Single='x'\r\n"
              "Unmatched=\"x'\r\n"
              "Number= 0x1F \n"
              "Two=2\r"
              "Zero=0\r\n"
              "Word=abc\r\n"
              "Long=" + std::string(3000, 'x') + "\r\n");
    IniFile ini(m_files, m_path);
    EXPECT_EQ(ini.readString("verbalia", "key"), "spaced value");
    EXPECT_EQ(ini.readString("other", "KEY"), "other");
    EXPECT_EQ(ini.readString("verbalia", "a", "none"), "none");
    EXPECT_EQ(ini.readString("verbalia", "empty", "none"), "");
    EXPECT_EQ(ini.readString("verbalia", "quoted"), " kept ");
    EXPECT_EQ(ini.readString("verbalia", "single"), "x");
    EXPECT_EQ(ini.readString("verbalia", "unmatched"), "\"x'");
    EXPECT_EQ(ini.readInteger("verbalia", "number", 0), 31);
    EXPECT_EQ(ini.readString("verbalia", "long"), std::string(2047, 'x'));

    EXPECT_TRUE(ini.readBool("verbalia", "two", false));
    EXPECT_FALSE(ini.readBool("verbalia", "zero", true));
    EXPECT_TRUE(ini.readBool("verbalia", "word", true));
    EXPECT_FALSE(ini.readBool("verbalia", "word", false));
}

TEST_F(IniFileTest, NewFileGetsKeysInWrittenOrderWithCrLf)
{
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeBool("verbalia", "WindowState_wsMaximized", true));
    EXPECT_TRUE(ini.writeInteger("verbalia", "window_top_posn", -8));
    EXPECT_TRUE(ini.writeString("verbalia", "Wildcard_Search_ComboBox", "a??i?"));
    EXPECT_TRUE(ini.writeBool("verbalia", "Always_on_Top_Option", false));
    EXPECT_EQ(fileText(), "[verbalia]\r\n"
                          "WindowState_wsMaximized=1\r\n"
                          "window_top_posn=-8\r\n"
                          "Wildcard_Search_ComboBox=a??i?\r\n"
                          "Always_on_Top_Option=0\r\n");
    EXPECT_EQ(m_files.writes, 4); // every write reaches the disk at once

    IniFile reread(m_files, m_path);
    EXPECT_TRUE(reread.readBool("verbalia", "WindowState_wsMaximized", false));
    EXPECT_EQ(reread.readInteger("verbalia", "window_top_posn", 0), -8);
    EXPECT_EQ(ini.readString("verbalia", "Wildcard_Search_ComboBox"), "a??i?"); // the writer reads its own writes
}

TEST_F(IniFileTest, ReplacesInPlaceAndKeepsEveryOtherLine)
{
    writeFile("; settings\n"
              "[verbalia]\n"
              "First=1\n"
              "  second = old\n"
              "Third=3\n"
              "[other]\n"
              "Second=untouched\n");
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeString("VERBALIA", "Second", "new"));
    EXPECT_EQ(fileText(), "; settings\n"
                          "[verbalia]\n"
                          "First=1\n"
                          "Second=new\n"
                          "Third=3\n"
                          "[other]\n"
                          "Second=untouched\n");
}

TEST_F(IniFileTest, AppendsNewKeyToItsSectionInTheFilesLineEndStyle)
{
    writeFile("[verbalia]\n"
              "First=1\n"
              "\n"
              "[other]\n"
              "x=y\n");
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeInteger("verbalia", "Second", 2));
    EXPECT_TRUE(ini.writeInteger("other", "z", 3));
    EXPECT_EQ(fileText(), "[verbalia]\n"
                          "First=1\n"
                          "Second=2\n"
                          "\n"
                          "[other]\n"
                          "x=y\n"
                          "z=3\n");
}

TEST_F(IniFileTest, AddsMissingSectionAtTheEnd)
{
    writeFile("[other]\r\nx=y"); // no final line end
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeString("verbalia", "Key", "v"));
    EXPECT_TRUE(ini.writeString("other", "w", "z"));
    EXPECT_EQ(fileText(), "[other]\r\nx=y\r\nw=z\r\n[verbalia]\r\nKey=v\r\n");
}

TEST_F(IniFileTest, NulBytesEndLinesAndAreDroppedOnRewrite)
{
    const std::string zeroFilled(4948, '\0');
    const std::string nulInside = std::string("[verbalia]\r\na=1", 16) + std::string(3, '\0') + "b=2\r\n";
    for (const std::string& bytes : {zeroFilled, nulInside}) {
        writeFile(bytes);
        {
            IniFile ini(m_files, m_path);
            EXPECT_TRUE(ini.writeInteger("verbalia", "c", 3));
        }
        const std::string text = fileText();
        EXPECT_EQ(text.find('\0'), std::string::npos);
        IniFile reread(m_files, m_path);
        EXPECT_EQ(reread.readInteger("verbalia", "c", 0), 3);
        if (bytes == nulInside) EXPECT_EQ(text, "[verbalia]\r\na=1\r\nb=2\r\nc=3\r\n");
        else EXPECT_EQ(text, "[verbalia]\r\nc=3\r\n");
    }
}

TEST_F(IniFileTest, ValueIsWrittenUpToItsFirstLineEnd)
{
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeString("verbalia", "a", "ab\r\ncd\nef"));
    EXPECT_TRUE(ini.writeString("verbalia", "b", "x\ry"));
    EXPECT_EQ(fileText(), "[verbalia]\r\na=ab\r\nb=x\r\n");
}

TEST_F(IniFileTest, FailedWriteReturnsFalseAndKeepsTheFile)
{
    IniFile ini(m_files, m_path);
    EXPECT_TRUE(ini.writeInteger("verbalia", "a", 1));
    m_files.readOnlyFolders.insert(m_folder.string() + "/");
    EXPECT_FALSE(ini.writeInteger("verbalia", "a", 2));
    EXPECT_FALSE(ini.writeInteger("verbalia", "b", 3));
    EXPECT_EQ(ini.readInteger("verbalia", "a", 0), 1); // memory matches the disk
    EXPECT_EQ(ini.readInteger("verbalia", "b", 0), 0);
    EXPECT_EQ(fileText(), "[verbalia]\r\na=1\r\n");

    m_files.readOnlyFolders.clear();
    EXPECT_TRUE(ini.writeInteger("verbalia", "b", 4));
    EXPECT_EQ(fileText(), "[verbalia]\r\na=1\r\nb=4\r\n");
}

// Its keys unseen, a file that cannot be read reads as defaults and is never
// written over.
TEST_F(IniFileTest, AnUnreadableFileIsNotWritten)
{
    writeFile("[verbalia]\r\na=1\r\n");
    m_files.unreadableFiles.insert(m_path);
    IniFile ini(m_files, m_path);
    EXPECT_EQ(ini.readOutcome(), ReadOutcome::unreadable);
    EXPECT_EQ(ini.readInteger("verbalia", "a", 0), 0);
    EXPECT_FALSE(ini.writeInteger("verbalia", "b", 2));
    m_files.unreadableFiles.clear();
    EXPECT_EQ(fileText(), "[verbalia]\r\na=1\r\n");
}

} // namespace
} // namespace verbalia
