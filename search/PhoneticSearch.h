#pragma once

#include "SearchRules.h"
#include "text/LineText.h"

#include <string>
#include <string_view>

namespace verbalia {

// Words whose phonetic key equals the base word's.
class PhoneticMatcher {
public:
    bool matches(std::string_view word) const;
    std::string result(std::string_view word) const; // lower-cased
    // The key's initial in either case.
    const LineEdges& lineEdges() const { return m_edges; }

private:
    friend Prepared<PhoneticMatcher> preparePhoneticSearch(const SearchInput& input);

    std::string m_baseKey;
    char m_initial = 0;
    CharacterSet m_exclusion; // the excluded letters in both cases
    LengthRange m_range;
    LineEdges m_edges;
};

Prepared<PhoneticMatcher> preparePhoneticSearch(const SearchInput& input);

} // namespace verbalia
