#include "wordlist/WordListFile.h"

#include "fakes/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace verbalia {
namespace {

// A list loads in one read with its encoding and line ends, and saves back
// as it came: LF stays LF, CR LF stays CR LF, CR stays CR, a list without a
// line end takes CR LF.
TEST(WordListFile, LoadsOnceAndSavesWithItsOwnLineEnds)
{
    struct Case {
        std::string file;
        std::vector<std::string> words;
        FileEncoding encoding;
        LineEnd lineEnd;
        std::string saved;
    };
    const std::string long32k(detail::sliceSize - 1, 'w');
    const Case cases[] = {
        {"b\na\n", {"b", "a"}, FileEncoding::Bytes, LineEnd::Lf, "b\na\n"},
        {"caf\xC3\xA9\r\nx\ty\r\n", {"caf\xE9", "xy"}, FileEncoding::Utf8, LineEnd::CrLf, "caf\xC3\xA9\r\nxy\r\n"},
        {"\xEF\xBB\xBFone", {"one"}, FileEncoding::Utf8WithBom, LineEnd::CrLf, "\xEF\xBB\xBFone\r\n"},
        {"Mac\rold\n", {"Mac", "old"}, FileEncoding::Bytes, LineEnd::Cr, "Mac\rold\r"},
        // The CR ends one slice read, the LF begins the next.
        {long32k + "\r\nx\r\n", {long32k, "x"}, FileEncoding::Bytes, LineEnd::CrLf, long32k + "\r\nx\r\n"},
        // Lines are split before the tabs go: CR, tab, LF is two line ends,
        // the first of them a CR.
        {"pot\r\t\ntop\r\n", {"pot", "", "top"}, FileEncoding::Bytes, LineEnd::Cr, "pot\r\rtop\r"},
        {"", {}, FileEncoding::Bytes, LineEnd::CrLf, ""},
    };
    TemporaryFolder folder;
    const std::string path = folder.path() + "wordlist.dat";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.file;
        WordStore words;
        WordListFormat format;
        ASSERT_EQ(loadWordList(DiskFileSystem(), path, words, format), PieceRead::done);
        std::vector<std::string> loaded;
        words.forEach(0, words.size(), [&](std::string_view word) { loaded.emplace_back(word); });
        EXPECT_EQ(loaded, c.words);
        EXPECT_EQ(format.encoding, c.encoding);
        EXPECT_EQ(format.lineEnd, c.lineEnd);
        std::string saved;
        wordListContent(words, format.lineEnd, format.encoding).forEachSlice([&saved](std::string_view slice) {
            saved += slice;
            return true;
        });
        EXPECT_EQ(saved, c.saved);
    }

    // A list that cannot be read leaves the store and what was learnt as they were.
    WordStore words;
    words.append("kept");
    WordListFormat format{FileEncoding::Utf8, LineEnd::Lf};
    EXPECT_EQ(loadWordList(DiskFileSystem(), folder.path() + "none.dat", words, format), PieceRead::cannotOpen);
    EXPECT_EQ(words.size(), 1u);
    EXPECT_EQ(format.lineEnd, LineEnd::Lf);
}

} // namespace
} // namespace verbalia
