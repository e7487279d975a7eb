#pragma once

#include <string>

namespace verbalia {

// An excerpt of the WordNet database in its own format: a few words with some
// of their senses, one data line cut short (a sense of "gander") and one index
// line that lists fewer senses than it counts ("goosefoot").
inline std::string definitionsExcerptFolder() { return VERBALIA_SOURCE_DIR "/tests/wordlist/wordnet/"; }

} // namespace verbalia
