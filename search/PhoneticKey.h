#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace verbalia {

// The first Width characters of the text, padded on the right with Fill.
std::string Fit_To_Width(std::string_view text, char fill, std::size_t width);

// A four-character sound code: the first letter, then up to three digits of
// the consonant classes, padded with '0'. An empty text gives the empty key,
// a one-character text is its own key.
std::string Phonetic_Key(std::string_view word);

// Phonetic_Key of the upper-cased word, written into a fixed buffer so a scan
// allocates nothing. Returns the key's length: 0, 1 or 4.
std::size_t upperPhoneticKey(std::string_view word, char (&key)[4]);

} // namespace verbalia
