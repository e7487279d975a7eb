#include "WordListFile.h"

#include "platform/CodePage.h"

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

FileContent wordListContent(const WordStore& words, LineEnd lineEnd, FileEncoding encoding)
{
    return FileContent([&words, lineEnd, encoding](const FileContent::Put& put) {
        constexpr std::size_t sliceSize = 1024 * 1024;
        const std::string_view end = lineEndText(lineEnd);
        bool going = encoding != FileEncoding::Utf8WithBom || words.empty() || put(utf8ByteOrderMark);
        std::string slice;
        const auto putSlice = [&] {
            going = put(encoding == FileEncoding::Bytes ? slice : codepage::toUtf8(slice));
            slice.clear();
        };
        words.forEach(0, words.size(), [&](std::string_view word) {
            if (!going) return;
            slice += word;
            slice += end;
            if (slice.size() >= sliceSize) putSlice();
        });
        if (going && !slice.empty()) putSlice();
        return going;
    });
}

} // namespace verbalia
