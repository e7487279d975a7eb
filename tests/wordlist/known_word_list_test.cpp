#include "wordlist/KnownWordList.h"

#include "fakes/FakePlatform.h"
#include "fakes/TemporaryFolder.h"
#include "platform/IcuCollation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

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
    ASSERT_EQ(list.save(), KnownWordList::SaveOutcome::saved);
    EXPECT_EQ(fileBytes(), "caf\xC3\xA9\nt\xC3\xA9" "a\n");
    list.clear();
    EXPECT_EQ(heard, (std::vector<std::string>{"begin", "end", "saved", "count", "saved", "begin", "end", "changed",
                                               "count"}));
}

// Nothing is lost: an unreadable file, or what is no file at all, leaves the
// list as it was, a failed save leaves it changed.
TEST_F(KnownWordListTest, FailuresKeepTheListAndItsChangedFlag)
{
    const std::size_t builtin = list.words().size();
    list.setChanged(true);
    std::filesystem::create_directory(folder.path() + "folder");
    ASSERT_EQ(::mkfifo((folder.path() + "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", folder.path() + "loop");
    for (const char* name : {"folder", "fifo", "loop"}) {
        KnownWordList other(files, folder.path() + name);
        EXPECT_EQ(other.load(), ReadOutcome::unreadable) << name;
    }
    writeFile("one\r\n");
    files.unreadableFiles.insert(path);
    EXPECT_EQ(list.load(), ReadOutcome::unreadable);
    EXPECT_EQ(list.words().size(), builtin);
    files.readOnlyFolders.insert(folder.path());
    EXPECT_EQ(list.save(), KnownWordList::SaveOutcome::failed);
    EXPECT_TRUE(list.changed());
    EXPECT_EQ(fileBytes(), "one\r\n");

    // A disk full midway through a list of several slices.
    std::string large;
    for (int i = 0; i < 200000; ++i) large += "word" + std::to_string(i) + "\r\n";
    writeFile(large);
    files.unreadableFiles.clear();
    files.readOnlyFolders.clear();
    ASSERT_EQ(list.load(), ReadOutcome::read);
    list.remove({0});
    files.writeFailsAfter = large.size() / 2;
    EXPECT_EQ(list.save(), KnownWordList::SaveOutcome::failed);
    EXPECT_TRUE(list.changed());
    EXPECT_EQ(fileBytes(), large);
}

// A NUL byte ends what is read; the load says how many words came before it.
TEST_F(KnownWordListTest, ANulByteMakesTheFilePartlyRead)
{
    writeFile(std::string("one\rtwo\r\0three\r", 15));
    ASSERT_EQ(list.load(), ReadOutcome::partlyRead);
    EXPECT_EQ(list.words().size(), 2u);
    EXPECT_EQ(list.partlyReadMessage(FakeNumberFormat()),
              "The file " + path + " holds a NUL byte after 2 words; the rest of it was not loaded.");
    // Saved as it was read: CR line ends.
    ASSERT_EQ(list.save(), KnownWordList::SaveOutcome::saved);
    EXPECT_EQ(fileBytes(), "one\rtwo\r");
}

// Another program's change since the list last read or wrote the file: a
// rewrite of another size, a file where the list found none. A file removed
// since is no change: writing it anew loses nothing. A save writes only over
// the file as the list last saw it, or as the last check found it.
TEST_F(KnownWordListTest, TellsWhetherTheFileChangedSinceItWasSeen)
{
    using Change = KnownWordList::FileChange;
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    writeFile("one\r\n");
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::created);
    ASSERT_EQ(list.load(), ReadOutcome::read);
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::none);
    writeFile("one\r\ntwo\r\n");
    EXPECT_EQ(list.save(), KnownWordList::SaveOutcome::fileChanged);
    EXPECT_EQ(fileBytes(), "one\r\ntwo\r\n");
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::changed);
    writeFile("one\r\ntwo\r\nthree\r\n"); // changed again after the question
    EXPECT_EQ(list.save(), KnownWordList::SaveOutcome::fileChanged);
    EXPECT_EQ(list.fileChangeSinceSeen(), Change::changed);
    ASSERT_EQ(list.save(), KnownWordList::SaveOutcome::saved);
    EXPECT_EQ(fileBytes(), "one\r\n");
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

// Harvests and removals undo the last first, back to the list as loaded or
// saved; the changed flag then says whether the list differs from the file.
TEST_F(KnownWordListTest, UndoesHarvestsAndRemovalsBackToTheFile)
{
    writeFile("apple\r\nfig\r\npear\r\n");
    ASSERT_EQ(list.load(), ReadOutcome::read);
    list.observe({{}, {}, [this] { heard.push_back(std::to_string(list.words().size())); }, {}});
    const auto words = [this] {
        std::string all;
        list.words().forEach(0, list.words().size(), [&](std::string_view word) { (all += word) += ' '; });
        return all;
    };
    IcuCollation collation;
    const auto harvest = [&](const std::vector<std::string>& found) {
        list.beginHarvest();
        for (const std::string& word : found) list.addFoundWord(collation, word);
        list.endHarvest();
    };
    harvest({"kiwi", "apple"});
    EXPECT_EQ(list.harvestedWords(), std::vector<std::string>{"kiwi"});
    EXPECT_EQ(list.remove({3, 0, 3, 9}), 2u);
    EXPECT_EQ(list.remove({7}), 0u); // nothing to undo
    harvest({"banana", "fig"});
    harvest({"fig"}); // nothing to undo
    EXPECT_EQ(words(), "banana fig kiwi ");

    const struct {
        const char* words;
        bool changed;
    } undone[] = {{"fig kiwi ", true}, {"apple fig kiwi pear ", true}, {"apple fig pear ", false}};
    for (const auto& step : undone) {
        EXPECT_TRUE(list.undo());
        EXPECT_EQ(words(), step.words);
        EXPECT_EQ(list.changed(), step.changed);
    }
    EXPECT_FALSE(list.undo());
    EXPECT_EQ(heard, (std::vector<std::string>{"4", "2", "3", "2", "4", "3"}));

    list.remove({0});
    ASSERT_EQ(list.save(), KnownWordList::SaveOutcome::saved);
    EXPECT_FALSE(list.canUndo());
    list.remove({0});
    list.clear();
    EXPECT_FALSE(list.undo());
}

} // namespace
} // namespace verbalia
