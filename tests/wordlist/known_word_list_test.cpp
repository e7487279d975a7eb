#include "wordlist/KnownWordList.h"

#include "fakes/FakePlatform.h"
#include "fakes/TemporaryFolder.h"
#include "platform/IcuCollation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace verbalia {
namespace {

struct KnownWordListTest : ::testing::Test {
    void writeFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string fileBytes() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TemporaryFolder folder;
    FakeFileSystem files;
    std::string path = folder.path() + "wordlist.dat";
    KnownWordList list{files, path};
    std::vector<std::string> heard; // what the observers were told, in order
};

// A UTF-8 file with LF line ends comes back as it was, in UTF-8 with LF; the
// list tells its observers of every change.
TEST_F(KnownWordListTest, SavesInTheEncodingAndLineEndsItRead)
{
    list.observe({[this] { heard.push_back("begin"); }, [this] { heard.push_back("end"); },
                  [this] { heard.push_back("count"); },
                  [this](bool changed) { heard.push_back(changed ? "changed" : "saved"); }});
    writeFile("caf\xC3\xA9\nt\xC3\xA9" "a\n");
    ASSERT_EQ(list.load(), ReadOutcome::read);
    EXPECT_EQ(list.words().at(0), "caf\xE9");
    ASSERT_TRUE(list.save());
    EXPECT_EQ(fileBytes(), "caf\xC3\xA9\nt\xC3\xA9" "a\n");
    list.clear();
    EXPECT_EQ(heard, (std::vector<std::string>{"begin", "end", "saved", "count", "saved", "begin", "end", "changed",
                                               "count"}));
}

// Nothing is lost: an unreadable file leaves the list as it was, a failed
// save leaves it changed.
TEST_F(KnownWordListTest, FailuresKeepTheListAndItsChangedFlag)
{
    const std::size_t builtin = list.words().size();
    list.setChanged(true);
    writeFile("one\r\n");
    files.unreadableFiles.insert(path);
    EXPECT_EQ(list.load(), ReadOutcome::unreadable);
    EXPECT_EQ(list.words().size(), builtin);
    files.readOnlyFolders.insert(folder.path());
    EXPECT_FALSE(list.save());
    EXPECT_TRUE(list.changed());
    EXPECT_EQ(fileBytes(), "one\r\n");
}

// Another program's change since the list last read or wrote the file: a
// rewrite of another size, a file where the list found none. A file removed
// since is no change: writing it anew loses nothing.
TEST_F(KnownWordListTest, TellsWhetherTheFileChangedSinceItWasSeen)
{
    using Change = KnownWordList::FileChange;
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    writeFile("one\r\n");
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::created);
    ASSERT_EQ(list.load(), ReadOutcome::read);
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    writeFile("one\r\ntwo\r\n");
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::changed);
    ASSERT_TRUE(list.save());
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    std::filesystem::remove(path);
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    ASSERT_EQ(list.load(), ReadOutcome::missing);
    writeFile("one\r\n");
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::created);
}

TEST_F(KnownWordListTest, AWordFoundIsAddedOnceAndMarksTheListChangedBeforeTheCountIsTold)
{
    writeFile("apple\r\n");
    ASSERT_EQ(list.load(), ReadOutcome::read);
    IcuCollation collation;
    std::vector<bool> changedAtCount;
    KnownWordList::Observers observers;
    observers.countChanged = [&] { changedAtCount.push_back(list.changed()); };
    list.observe(observers);
    EXPECT_TRUE(list.addFoundWord(collation, "pear"));
    EXPECT_FALSE(list.addFoundWord(collation, "Apple"));
    EXPECT_EQ(changedAtCount, (std::vector<bool>{true}));
    EXPECT_EQ(std::string(list.words().at(1)), "pear");
}

} // namespace
} // namespace verbalia
