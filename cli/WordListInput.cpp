#include "WordListInput.h"

#include "platform/CodePage.h"
#include "platform/FileEncoding.h"

#include <cerrno>
#include <ostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace verbalia {

WordList::~WordList()
{
    if (m_fd >= 0) ::close(m_fd);
}

bool WordList::open(const Invocation& invocation, std::ostream& err)
{
    if (invocation.listPath) {
        m_path = invocation.listPath;
    } else {
        if (const std::optional<std::string> problem = provideWordList(invocation.locations))
            err << "verbalia-find: " << *problem << '\n';
        const std::string beside = invocation.locations.wordList();
        struct stat status;
        const bool there = ::stat(beside.c_str(), &status) == 0;
        if (!there && errno == ENOENT) return true; // the built-in list
        if (!there || !S_ISREG(status.st_mode)) {
            err << "Cannot open file " << beside << '\n';
            return false;
        }
        m_path = beside;
    }
    m_readPath = *m_path;
    // A regular file is read through its open descriptor; a pipe is opened
    // once, by its path, when it is read: a reader opened earlier could let
    // its writer finish and leave the read waiting for another.
    struct stat status;
    if (::stat(m_path->c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return true;
    m_fd = ::open(m_path->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd >= 0 && ::fstat(m_fd, &status) == 0 && S_ISREG(status.st_mode)) {
        m_regular = true;
        m_fileSize = std::size_t(status.st_size);
        m_readPath = "/proc/self/fd/" + std::to_string(m_fd);
    }
    return true; // what cannot be opened is reported when read
}

bool WordList::finish(PieceRead outcome, std::ostream& err) const
{
    if (outcome == PieceRead::done && m_regular) {
        const std::optional<FileIdentity> read = identifyDescriptor(m_fd);
        const std::optional<FileIdentity> named = identifyFile(*m_path);
        if (!read || !named || !read->sameFile(*named)) outcome = PieceRead::changed;
    }
    switch (outcome) {
    case PieceRead::done:
        return true;
    case PieceRead::cannotOpen:
        err << "Cannot open file " << *m_path << '\n';
        break;
    case PieceRead::cannotRead:
        err << "Cannot read file " << *m_path << '\n';
        break;
    case PieceRead::changed:
        err << "The file " << *m_path << " changed while it was read.\n";
        break;
    }
    return false;
}

bool WordList::refuseCutList(std::size_t wordsRead, std::ostream& err) const
{
    if (!m_format.endsAtNul) return false;
    err << "verbalia-find: " << *m_path << " holds a NUL byte after " << wordsRead
        << " words; the words after it were not read, so nothing was written.\n";
    return true;
}

std::string asUtf8ListText(std::string text)
{
    std::optional<std::string> converted = utf8ToCodePage(text, codepage::substitute);
    return converted ? std::move(*converted) : text;
}

bool refuseOutputIntoInput(const Invocation& invocation, const WordList& list, const std::string& textPath,
                           std::ostream& err)
{
    const std::optional<FileIdentity>& output = invocation.outputFile;
    if (!output || !output->regularFile) return false;
    const std::pair<std::optional<std::string>, const char*> inputs[] = {
        {list.path(), "word list"}, {textPath, "text file"}};
    for (const auto& [path, role] : inputs) {
        const std::optional<FileIdentity> input = path ? identifyFile(*path) : std::nullopt;
        if (!input || !input->sameFile(*output)) continue;
        err << "verbalia-find: " << *path << ": the " << role
            << " is also standard output; nothing was read or written\n";
        if (output->size == 0)
            err << "The shell emptied " << *path << " before verbalia-find started; restore it from a copy.\n"
                << "To write safely, write to another file, then rename it:\n"
                << "  verbalia-find ... > " << *path << ".new && mv " << *path << ".new " << *path << '\n';
        return true;
    }
    return false;
}

} // namespace verbalia
