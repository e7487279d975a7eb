#pragma once

#include "Command.h"
#include "OutputBuffer.h"
#include "wordlist/BuiltinWordList.h"
#include "wordlist/WordListFile.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace verbalia {

// The word list a command reads, opened once: the file given with --list,
// else wordlist.dat in the program's folder, else the built-in list. A
// regular file is held open and every read of it reads that file, whatever
// is renamed into its place meanwhile.
class WordList {
public:
    WordList() = default;
    WordList(const WordList&) = delete;
    WordList& operator=(const WordList&) = delete;
    ~WordList();

    // Opens the invocation's list; false, with the message on err, when
    // wordlist.dat is there but is no file that can be read (a link loop, a
    // link into a folder that may not be searched, a FIFO, a device, a
    // folder). Only a missing wordlist.dat leaves the built-in list.
    bool open(const Invocation& invocation, std::ostream& err);

    // The file's path as given; nothing for the built-in list.
    const std::optional<std::string>& path() const { return m_path; }
    // The size of a regular file, 0 for anything else.
    std::size_t fileSize() const { return m_fileSize; }
    // How the last read found the file's text.
    const WordListFormat& format() const { return m_format; }
    bool utf8() const { return m_format.encoding != FileEncoding::Bytes; }

    // Reads the list once (readWordListLines), or the built-in list. A list
    // that cannot be read, that changes while it is read, or whose path
    // names another file by its end, is reported on err and gives false.
    template <class Visit, class Restart>
    bool read(bool asciiAmbiguous, Visit&& visit, Restart&& restart, std::ostream& err);

    // A list that a NUL byte cut short would be written back shortened: says
    // so on err after the count of words read, and returns true.
    bool refuseCutList(std::size_t wordsRead, std::ostream& err) const;

private:
    bool finish(PieceRead outcome, std::ostream& err) const;

    std::optional<std::string> m_path;
    std::string m_readPath; // what reads it: the open file, else the path
    int m_fd = -1;
    bool m_regular = false;
    std::size_t m_fileSize = 0;
    WordListFormat m_format;
};

template <class Visit, class Restart>
bool WordList::read(bool asciiAmbiguous, Visit&& visit, Restart&& restart, std::ostream& err)
{
    m_format = {};
    if (!m_path) {
        for (const std::string& word : builtinWordList()) visit(std::string_view(word), Reading::Bytes);
        return true;
    }
    return finish(readWordListLines(DiskFileSystem(), m_readPath, asciiAmbiguous, visit, restart, m_format), err);
}

// An argument as a UTF-8 list takes it: converted where it is valid UTF-8.
std::string asUtf8ListText(std::string text);

// Writes the words that forEach(add) hands to add, in the layout of
// wordlist.dat: in the list's encoding and with its line ends.
template <class ForEach>
int writeWordList(ForEach&& forEach, bool empty, const WordList& list, std::ostream& out, std::ostream& err)
{
    if (list.format().encoding == FileEncoding::Utf8WithBom && !empty) out << utf8ByteOrderMark;
    OutputBuffer output(out);
    output.writeUtf8(list.utf8());
    const std::string_view lineEnd = lineEndText(list.format().lineEnd);
    forEach([&](std::string_view word) { output.add(word, lineEnd); });
    if (!output.flush()) {
        err << "verbalia-find: cannot write the word list\n";
        return writeError;
    }
    return done;
}

// Standard output that is the list or the text file would grow it while it
// is read, or the shell has already emptied it (">"): refused, as nothing
// sound can come of either. True when refused.
bool refuseOutputIntoInput(const Invocation& invocation, const WordList& list, const std::string& textPath,
                           std::ostream& err);

} // namespace verbalia
