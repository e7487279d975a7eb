#pragma once

#include "WordStore.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "text/LineText.h"

#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace verbalia {

// Reading a word list file: one line per entry, its tabs removed, a NUL
// ending the text; UTF-8 converted as it is read.

// How a line handed out by readWordListLines was read: before any byte beyond
// ASCII (the same either way), converted from UTF-8, or byte for byte.
enum class Reading { Ascii, Utf8, Bytes };

// A run of complete lines read the same way, as forEachLineWithEdges takes
// them. A visitor that also takes (CompleteLines, Reading) is handed each
// piece's run of them at once, and may skip lines without cutting each out.
struct CompleteLines {
    std::string_view text;
};

// What reading a word list file learns besides its lines.
struct WordListFormat {
    FileEncoding encoding = FileEncoding::Bytes;
    LineEnd lineEnd = LineEnd::CrLf; // that of its first line end; CR LF when it has none
    bool endsAtNul = false;          // a NUL byte ended the text: what follows it was not read
};

// Reads the file once, handing each line to visit(line, reading): converted
// from UTF-8 for as long as the file may be UTF-8 that fits Windows-1252,
// byte for byte from the block that shows it is not. When lines read as
// UTF-8 had gone out by then (or any line at all when asciiAmbiguous: the
// caller treats the two readings differently even for ASCII), restart() is
// called and every line comes again as bytes: from a second read of a
// regular file, from the held text of anything else (a pipe).
template <class Visit, class Restart>
PieceRead readWordListLines(const FileSystem& files, const std::string& path, bool asciiAmbiguous, Visit&& visit,
                            Restart&& restart, WordListFormat& format);

// Reads the file once into words (replaced only when the read succeeds),
// converting as it goes: the store is the only copy of the list held.
PieceRead loadWordList(const FileSystem& files, const std::string& path, WordStore& words, WordListFormat& format);

// The bytes of a word list file holding the words, one a line with the line
// end, in the encoding (a byte order mark before a list that has words), made
// from the store in slices of about 1 MiB as they are written; valid while
// the store is neither changed nor gone.
FileContent wordListContent(const WordStore& words, LineEnd lineEnd, FileEncoding encoding);

namespace detail {

inline constexpr std::size_t sliceSize = 32 * 1024;

// The piece up to a NUL, which ends the text; false then.
inline bool beforeNul(std::string_view& piece)
{
    const void* nul = std::memchr(piece.data(), '\0', piece.size());
    if (!nul) return true;
    piece = piece.substr(0, std::size_t(static_cast<const char*>(nul) - piece.data()));
    return false;
}

// Splits text into lines for visit(line, reading), then takes the tabs out of
// each (a tab between CR and LF leaves an empty line), and notes the first
// line end. A piece without a tab hands its lines on as they are.
class ListLines {
public:
    template <class Visit>
    void feed(std::string_view text, Reading reading, Visit& visit)
    {
        if (!m_lineEndSeen && !text.empty()) noteLineEnd(text);
        // A line begun in an earlier piece may hold a tab.
        const auto visitLine = [&](std::string_view line) { visit(withoutTabs(line), reading); };
        if (std::memchr(text.data(), '\t', text.size())) {
            m_lines.feed(text, visitLine);
        } else {
            m_lines.feed(text, visitLine, [&](std::string_view lines) {
                if constexpr (std::is_invocable_v<Visit&, CompleteLines, Reading>)
                    visit(CompleteLines{lines}, reading);
                else
                    forEachLineBeforeNul(lines, [&](std::string_view line) { visit(line, reading); });
            });
        }
        m_last = reading;
    }

    template <class Visit>
    void finish(Visit& visit)
    {
        m_lines.finish([&](std::string_view line) { visit(withoutTabs(line), m_last); });
    }

    // A CR that ended the text, nothing after it, is a lone CR.
    LineEnd lineEnd() const { return m_crLast ? LineEnd::Cr : m_lineEnd; }

private:
    // A CR is told from a CR LF by the byte after it, which may come with
    // the next text.
    void noteLineEnd(std::string_view text)
    {
        if (m_crLast) {
            m_crLast = false;
            m_lineEndSeen = true;
            m_lineEnd = text.front() == '\n' ? LineEnd::CrLf : LineEnd::Cr;
            return;
        }
        const std::size_t at = text.find_first_of("\r\n");
        if (at == std::string_view::npos) return;
        if (text[at] == '\r' && at + 1 == text.size()) {
            m_crLast = true;
            return;
        }
        m_lineEndSeen = true;
        m_lineEnd = text[at] == '\n' ? LineEnd::Lf : text[at + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
    }

    std::string_view withoutTabs(std::string_view line)
    {
        if (!std::memchr(line.data(), '\t', line.size())) return line;
        m_withoutTabs.assign(line);
        std::erase(m_withoutTabs, '\t');
        return m_withoutTabs;
    }

    LineSplitter m_lines;
    std::string m_withoutTabs;
    Reading m_last = Reading::Ascii;
    bool m_lineEndSeen = false;
    bool m_crLast = false;
    LineEnd m_lineEnd = LineEnd::CrLf;
};

} // namespace detail

template <class Visit, class Restart>
PieceRead readWordListLines(const FileSystem& files, const std::string& path, bool asciiAmbiguous, Visit&& visit,
                            Restart&& restart, WordListFormat& format)
{
    format = {};
    const bool rereadable = files.exists(path);
    std::string held; // the text of what cannot be read again
    detail::ListLines lines;
    Utf8PieceDecoder decoder(true);
    bool maybeUtf8 = true;
    bool visited = false, visitedUtf8 = false, restartNeeded = false;
    // Converts and visits one slice of a piece; false when the lines must come again.
    const auto take = [&](std::string_view slice) {
        if (maybeUtf8) {
            if (decoder.feed(slice)) {
                const Reading reading = decoder.asciiSoFar() ? Reading::Ascii : Reading::Utf8;
                visited = visited || !slice.empty();
                visitedUtf8 = visitedUtf8 || reading == Reading::Utf8;
                lines.feed(decoder.converted(), reading, visit);
                return true;
            }
            maybeUtf8 = false;
            if (visitedUtf8 || (asciiAmbiguous && visited)) {
                restartNeeded = true;
                return false;
            }
        }
        lines.feed(slice, Reading::Bytes, visit);
        return true;
    };
    PieceRead outcome = files.readPieces(path, [&](std::string_view piece) {
        const bool more = detail::beforeNul(piece);
        format.endsAtNul = !more;
        if (!rereadable) held.append(piece);
        // In slices that stay in the processor's nearest cache while they are
        // converted and searched.
        do {
            const std::string_view slice = piece.substr(0, detail::sliceSize);
            piece.remove_prefix(slice.size());
            if (!take(slice)) return !rereadable && more; // read on to hold the rest
        } while (!piece.empty());
        return more;
    });
    if (maybeUtf8) {
        format.encoding = decoder.encoding();
        // Pure ASCII, or it ends inside a character: bytes after all.
        if (format.encoding == FileEncoding::Bytes && (visitedUtf8 || (asciiAmbiguous && visited)))
            restartNeeded = true;
    }
    format.lineEnd = lines.lineEnd();
    if (outcome != PieceRead::done || !restartNeeded) {
        lines.finish(visit);
        return outcome;
    }
    restart();
    detail::ListLines again;
    if (rereadable) {
        outcome = files.readPieces(path, [&](std::string_view piece) {
            const bool more = detail::beforeNul(piece);
            format.endsAtNul = !more;
            again.feed(piece, Reading::Bytes, visit);
            return more;
        });
    } else {
        again.feed(held, Reading::Bytes, visit);
    }
    again.finish(visit);
    return outcome;
}

} // namespace verbalia
