#include "WordListFile.h"

namespace verbalia {

PieceRead loadWordList(const FileSystem& files, const std::string& path, WordStore& words, WordListFormat& format)
{
    WordStore read;
    WordListFormat learnt;
    const PieceRead outcome = readWordListLines(
        files, path, false, [&read](std::string_view line, Reading) { read.append(line); }, [&read] { read.clear(); },
        learnt);
    if (outcome != PieceRead::done) return outcome;
    words = std::move(read);
    format = learnt;
    return outcome;
}

} // namespace verbalia
