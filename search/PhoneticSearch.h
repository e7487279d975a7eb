#pragma once

#include "SearchRules.h"

#include <string>
#include <string_view>

namespace verbalia {

// Words whose phonetic key equals the base word's.
class PhoneticMatcher {
public:
    bool matches(std::string_view word) const;
    std::string result(std::string_view word) const; // lower-cased

private:
    friend Prepared<PhoneticMatcher> preparePhoneticSearch(const SearchInput& input);

    std::string m_baseKey;
    char m_initial = 0;
    CharacterSet m_exclusion; // the excluded letters in both cases
    LengthRange m_range;
};

Prepared<PhoneticMatcher> preparePhoneticSearch(const SearchInput& input);

} // namespace verbalia
