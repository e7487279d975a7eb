#include "PhoneticKey.h"

#include "text/TextHelpers.h"

#include <array>

namespace verbalia {

namespace {

constexpr char notALetter = -1;

// The sound digit of each letter of either case; 0 is the separator class.
constexpr std::array<char, 256> soundDigits = [] {
    std::array<char, 256> digits{};
    digits.fill(notALetter);
    const char* classes = "01230120022455012623010202"; // A to Z
    for (int i = 0; i < 26; ++i) {
        digits['A' + i] = char(classes[i] - '0');
        digits['a' + i] = char(classes[i] - '0');
    }
    return digits;
}();

char soundDigit(char c) { return soundDigits[static_cast<unsigned char>(c)]; }

} // namespace

std::string Fit_To_Width(std::string_view text, char fill, std::size_t width)
{
    std::string fitted(text.substr(0, width));
    fitted.resize(width, fill);
    return fitted;
}

std::string Phonetic_Key(std::string_view word)
{
    if (word.size() <= 1) return std::string(word);
    char key[4];
    return std::string(key, upperPhoneticKey(word, key));
}

std::size_t upperPhoneticKey(std::string_view word, char (&key)[4])
{
    if (word.size() <= 1) {
        if (word.empty()) return 0;
        key[0] = upperAscii(word[0]);
        return 1;
    }
    std::size_t i = 0;
    while (i < word.size() && soundDigit(word[i]) == notALetter) ++i;
    if (i == word.size()) return 0;
    key[0] = upperAscii(word[i]);
    // Runs of one digit count once, separators included, and separators are
    // then dropped: so two equal digits with a vowel, H, W or Y between them
    // are both kept. The first letter is never compared with what follows.
    std::size_t length = 1;
    char previous = notALetter;
    for (++i; i < word.size() && length < 4; ++i) {
        const char digit = soundDigit(word[i]);
        if (digit == notALetter || digit == previous) continue;
        previous = digit;
        if (digit != 0) key[length++] = char('0' + digit);
    }
    for (; length < 4; ++length) key[length] = '0';
    return 4;
}

} // namespace verbalia
