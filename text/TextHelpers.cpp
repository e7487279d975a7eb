#include "TextHelpers.h"

#include <algorithm>

namespace verbalia {

namespace {

// Stands in for the pattern while a replacement that holds the pattern is put
// in, so the inserted text is not searched again.
constexpr std::string_view replacementMarker{"\x01\x02\x03\x04\x05\x01", 6};

// Where the next leftmost occurrence can start after the text changed at
// `position`: no occurrence lay wholly before it, so the search may resume
// just far enough back to catch one that the change has joined together.
std::size_t resumeFrom(std::size_t position, std::size_t patternLength)
{
    return position >= patternLength - 1 ? position - (patternLength - 1) : 0;
}

} // namespace

std::string Replace_All_Occurrences(std::string text, std::string_view pattern, std::string_view replacement)
{
    if (!pattern.empty() && replacement.find(pattern) != std::string_view::npos) {
        const std::string intermediate = Replace_All_Occurrences(std::move(text), pattern, replacementMarker);
        return Replace_All_Occurrences(intermediate, replacementMarker, replacement);
    }
    if (text.empty() || pattern.empty()) return text;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(pattern, from)) != std::string::npos;) {
        text.replace(at, pattern.size(), replacement);
        from = resumeFrom(at, pattern.size());
    }
    return text;
}

int Count_Occurrences(std::string_view text, std::string_view pattern)
{
    if (text.empty() || pattern.empty()) return 0;
    if (pattern.size() == 1) return int(std::count(text.begin(), text.end(), pattern[0]));
    std::string work(text);
    int count = 0;
    std::size_t from = 0;
    for (std::size_t at; (at = work.find(pattern, from)) != std::string::npos; ++count) {
        work.erase(at, pattern.size());
        from = resumeFrom(at, pattern.size());
    }
    return count;
}

namespace {
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
} // namespace

std::string Letters_Only(std::string_view text)
{
    std::string letters;
    letters.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(letters), isAsciiLetter);
    return letters;
}

bool Contains_Any_Of(std::string_view text, std::string_view characters)
{
    return CharacterSet(characters).containsAnyOf(text);
}

bool isLettersOnly(std::string_view text) { return std::all_of(text.begin(), text.end(), isAsciiLetter); }

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = lowerAscii(c);
    return lower;
}

std::string upperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) c = upperAscii(c);
    return upper;
}

std::string_view trimControls(std::string_view text)
{
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

} // namespace verbalia
