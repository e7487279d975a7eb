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

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A space between a phrase's words (a no-break space too).
bool isSpace(char c) { return c == ' ' || static_cast<unsigned char>(c) == 0xA0; }

// The longest phrase an enumeration may give.
constexpr std::size_t maxEnumerated = 100;

// "(5,2,4)" or "5,2,4", '-' as ',': a pattern of that many letters, spaced.
ParsedQuery parseEnumeration(std::string_view text)
{
    const auto fail = [](char c, std::size_t at, std::string_view why = {}) -> ParsedQuery {
        return {std::nullopt, notUnderstood(c, at, why)};
    };
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    };
    skipBlanks();
    const std::size_t open = text[i] == '(' ? i++ : std::string_view::npos;
    SolverQuery query;
    std::size_t separator = std::string_view::npos;
    while (true) {
        skipBlanks();
        if (i == text.size() || !isDigit(text[i])) {
            if (separator != std::string_view::npos) return fail(text[separator], separator, "has no word length after it");
            return i == text.size() ? fail('(', open, "holds no word length") : fail(text[i], i);
        }
        const std::size_t start = i;
        std::size_t length = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            length = length * 10 + std::size_t(text[i] - '0');
            if (query.pattern.size() + length > maxEnumerated)
                return fail(text[start], start, "makes a phrase of more than " + std::to_string(maxEnumerated) + " letters");
        }
        if (length == 0) return fail(text[start], start, "is no word length");
        if (!query.spaced.empty()) query.spaced.push_back(wordBreak);
        query.pattern.insert(query.pattern.end(), length, allLetters);
        query.spaced.insert(query.spaced.end(), length, allLetters);
        skipBlanks();
        if (i == text.size()) {
            if (open != std::string_view::npos) return fail('(', open, "has no closing ')'");
            break;
        }
        if (text[i] == ',' || text[i] == '-') {
            separator = i++;
            continue;
        }
        if (text[i] != ')') return fail(text[i], i);
        if (open == std::string_view::npos) return fail(')', i, "has no opening '('");
        ++i;
        skipBlanks();
        if (i != text.size()) return fail(text[i], i);
        break;
    }
    return {std::move(query), {}};
}

// Adds an item to a pattern, never '*' twice in a row.
void addItem(std::vector<LetterSet>& pattern, LetterSet item)
{
    if (item != anyRun || pattern.empty() || pattern.back() != anyRun) pattern.push_back(item);
}

ParsedQuery parsePattern(std::string_view text, bool phrases)
{
    if (phrases) {
        const std::size_t first = text.find_first_not_of(" \t");
        if (first != std::string_view::npos && (text[first] == '(' || isDigit(text[first]))) return parseEnumeration(text);
    }
    SolverQuery query;
    bool spaceBefore = false; // a space since the last item
    bool broken = false;      // a space between two items
    const auto add = [&](LetterSet item) {
        if (phrases && spaceBefore && !query.spaced.empty()) {
            query.spaced.push_back(wordBreak);
            broken = true;
        }
        spaceBefore = false;
        addItem(query.pattern, item);
        if (phrases) addItem(query.spaced, item);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isSpace(c)) spaceBefore = true;
        if (ignored(c)) continue;
        if (c == '?' || c == '.') {
            add(allLetters);
        } else if (c == '*') {
            add(anyRun);
        } else if (c == '@' || c == '#') {
            add(c == '@' ? vowels : consonants);
        } else if (c == '[') {
            std::string message;
            const std::optional<LetterSet> set = parseSet(text, i, i, message);
            if (!set) return {std::nullopt, message};
            add(*set);
        } else if (c == ']') {
            return {std::nullopt, notUnderstood(c, i, "has no opening '['")};
        } else if (const FoldedChar& f = foldChar(c); f.count > 0) {
            for (unsigned char k = 0; k < f.count; ++k) add(1u << (f.letters[k] - 'a'));
        } else if (phrases && isDigit(c)) {
            return {std::nullopt, notUnderstood(c, i, "belongs only in an enumeration such as (5,2,4)")};
        } else {
            return {std::nullopt, notUnderstood(c, i)};
        }
    }
    if (query.pattern.empty()) return {};
    if (!broken) query.spaced.clear();
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

// Whether a spaced pattern matches a word's spaced letters: its breaks
// where the pattern has them, '*' over letters only.
bool spacedMatches(const std::vector<LetterSet>& pattern, std::string_view word)
{
    const auto bitOf = [](char c) { return c == ' ' ? wordBreak : 1u << (c - 'a'); };
    // fits[i]: whether the items from j on match the word from i on, j going down.
    std::vector<char> fits(word.size() + 1, 0), next(word.size() + 1);
    fits[word.size()] = 1;
    for (std::size_t j = pattern.size(); j-- > 0;) {
        std::swap(fits, next);
        fits[word.size()] = pattern[j] == anyRun && next[word.size()];
        for (std::size_t i = word.size(); i-- > 0;) {
            if (pattern[j] == anyRun)
                fits[i] = next[i] || (word[i] != ' ' && fits[i + 1]);
            else
                fits[i] = (pattern[j] & bitOf(word[i])) != 0 && next[i + 1];
        }
    }
    return fits[0] != 0;
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

ParsedQuery parseQuery(SolveMode mode, std::string_view text, bool phrases)
{
    return mode == SolveMode::Pattern ? parsePattern(text, phrases) : parseLetters(mode, text);
}

bool matchesFolded(const SolverQuery& query, std::string_view letters)
{
    if (letters.empty()) return false;
    return query.mode == SolveMode::Pattern ? patternMatches(query.pattern, letters) : lettersFit(query, letters);
}

std::string foldedSpaced(std::string_view word)
{
    std::string out;
    bool pendingBreak = false;
    for (const char c : word) {
        if (c == ' ' || c == '-' || c == '_') {
            pendingBreak = !out.empty();
            continue;
        }
        const FoldedChar& f = foldChar(c);
        if (f.count == 0) continue;
        if (pendingBreak) out += ' ';
        pendingBreak = false;
        out.append(f.letters, f.count);
    }
    return out;
}

bool matchesSpaced(const SolverQuery& query, std::string_view spacedLetters)
{
    if (query.spaced.empty() || query.mode != SolveMode::Pattern) {
        std::string letters(spacedLetters);
        std::erase(letters, ' ');
        return matchesFolded(query, letters);
    }
    return !spacedLetters.empty() && spacedMatches(query.spaced, spacedLetters);
}

} // namespace verbalia::solver
