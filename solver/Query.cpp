#include "Query.h"

#include "Fold.h"

namespace verbalia::solver {

namespace {

// Characters a query may hold between its letters: blanks, hyphens and
// apostrophes (typographic ones included).
bool ignored(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || c == '-' || c == '\'' || byte == 0x91 || byte == 0x92 || byte == 0xA0 || byte == 0xAD;
}

std::string named(char c)
{
    // A character the code page cannot hold arrives as a control character.
    if (static_cast<unsigned char>(c) == 0x7F) return "the character";
    return std::string("'") + c + "'";
}

std::string notUnderstood(char c, std::size_t at, std::string_view why = {})
{
    std::string message = "Not understood: " + named(c) + " at " + std::to_string(at + 1);
    if (!why.empty()) message.append(" ").append(why);
    return message + ".";
}

// The letter set of "[...]" whose '[' is at `open`; `end` is set to the
// place of its ']'.
std::optional<LetterSet> parseSet(std::string_view text, std::size_t open, std::size_t& end, std::string& message)
{
    std::size_t i = open + 1;
    const bool negated = i < text.size() && (text[i] == '!' || text[i] == '^');
    if (negated) ++i;
    LetterSet set = 0;
    // The single letter just read, which a '-' may take as the start of a
    // range, or 0.
    char last = 0;
    for (; i < text.size() && text[i] != ']'; ++i) {
        const char c = text[i];
        if (c == '-') {
            const std::size_t next = i + 1;
            const bool letterNext = next < text.size() && foldChar(text[next]).count == 1;
            if (last == 0 || !letterNext) {
                message = notUnderstood(c, i, "is not between two letters");
                return std::nullopt;
            }
            const char to = foldChar(text[next]).letters[0];
            if (to < last) {
                message = notUnderstood(c, i, std::string("makes a range from ") + last + " back to " + to);
                return std::nullopt;
            }
            for (char l = last; l <= to; ++l) set |= 1u << (l - 'a');
            last = 0;
            i = next;
            continue;
        }
        if (ignored(c)) continue;
        last = 0;
        if (c == '@' || c == '#') {
            set |= c == '@' ? vowels : consonants;
        } else if (const FoldedChar& f = foldChar(c); f.count == 1) {
            set |= 1u << (f.letters[0] - 'a');
            last = f.letters[0];
        } else if (f.count == 2) {
            message = notUnderstood(c, i, "is two letters, and a set holds single ones");
            return std::nullopt;
        } else {
            message = notUnderstood(c, i);
            return std::nullopt;
        }
    }
    if (i == text.size()) {
        message = notUnderstood('[', open, "has no closing ']'");
        return std::nullopt;
    }
    end = i;
    if (negated) set = allLetters & ~set;
    if (set == 0) {
        message = notUnderstood('[', open, "allows no letter");
        return std::nullopt;
    }
    return set;
}

ParsedQuery parsePattern(std::string_view text)
{
    SolverQuery query;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (ignored(c)) continue;
        if (c == '?' || c == '.') {
            query.pattern.push_back(allLetters);
        } else if (c == '*') {
            if (query.pattern.empty() || query.pattern.back() != anyRun) query.pattern.push_back(anyRun);
        } else if (c == '@' || c == '#') {
            query.pattern.push_back(c == '@' ? vowels : consonants);
        } else if (c == '[') {
            std::string message;
            const std::optional<LetterSet> set = parseSet(text, i, i, message);
            if (!set) return {std::nullopt, message};
            query.pattern.push_back(*set);
        } else if (c == ']') {
            return {std::nullopt, notUnderstood(c, i, "has no opening '['")};
        } else if (const FoldedChar& f = foldChar(c); f.count > 0) {
            for (unsigned char k = 0; k < f.count; ++k) query.pattern.push_back(1u << (f.letters[k] - 'a'));
        } else {
            return {std::nullopt, notUnderstood(c, i)};
        }
    }
    if (query.pattern.empty()) return {};
    return {std::move(query), {}};
}

ParsedQuery parseLetters(SolveMode mode, std::string_view text)
{
    SolverQuery query;
    query.mode = mode;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (ignored(c)) continue;
        if (c == '?') {
            ++query.blanks;
        } else if (const FoldedChar& f = foldChar(c); f.count > 0) {
            for (unsigned char k = 0; k < f.count; ++k) ++query.counts[std::size_t(f.letters[k] - 'a')];
            query.letters += f.count;
        } else {
            return {std::nullopt, notUnderstood(c, i)};
        }
    }
    if (query.letters + query.blanks == 0) return {};
    return {std::move(query), {}};
}

// Classic glob matching, going back to the last '*' on a mismatch: each
// other item matches exactly one letter.
bool patternMatches(const std::vector<LetterSet>& pattern, std::string_view word)
{
    std::size_t i = 0, j = 0;
    std::size_t starItem = std::string_view::npos, starLetter = 0;
    while (i < word.size()) {
        if (j < pattern.size() && pattern[j] != anyRun && holds(pattern[j], word[i])) {
            ++i;
            ++j;
        } else if (j < pattern.size() && pattern[j] == anyRun) {
            starItem = j++;
            starLetter = i;
        } else if (starItem != std::string_view::npos) {
            j = starItem + 1;
            i = ++starLetter;
        } else {
            return false;
        }
    }
    while (j < pattern.size() && pattern[j] == anyRun) ++j;
    return j == pattern.size();
}

bool lettersFit(const SolverQuery& query, std::string_view word)
{
    const std::size_t most = query.letters + query.blanks;
    if (query.mode == SolveMode::Anagram ? word.size() != most : word.size() < 2 || word.size() > most) return false;
    std::array<std::size_t, 26> counts{};
    for (const char c : word) ++counts[std::size_t(c - 'a')];
    std::size_t excess = 0;
    for (std::size_t l = 0; l < 26; ++l)
        if (counts[l] > query.counts[l]) excess += counts[l] - query.counts[l];
    return excess <= query.blanks;
}

} // namespace

ParsedQuery parseQuery(SolveMode mode, std::string_view text)
{
    return mode == SolveMode::Pattern ? parsePattern(text) : parseLetters(mode, text);
}

bool matchesFolded(const SolverQuery& query, std::string_view letters)
{
    if (letters.empty()) return false;
    return query.mode == SolveMode::Pattern ? patternMatches(query.pattern, letters) : lettersFit(query, letters);
}

} // namespace verbalia::solver
