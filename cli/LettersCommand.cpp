#include "ListSearch.h"

#include "search/LetterSearch.h"

namespace verbalia {

Command lettersCommand()
{
    return {"letters",
            "Words holding each of LETTERS (--mode contains),\n"
            "words made only of them (only), or their anagrams (exact)",
            "LETTERS",
            false,
            true,
            {{"--mode", "How the words hold the letters", {"contains", "only", "exact"}}},
            [](const Invocation& invocation, std::ostream& out, std::ostream& err) {
                const std::string& given = invocation.options.at("--mode");
                const LetterMode mode = given == "contains" ? LetterMode::ContainsAll
                                        : given == "only"   ? LetterMode::OnlyThese
                                                            : LetterMode::ExactCount;
                const auto prepare = [mode](const SearchInput& input) { return prepareLetterSearch(input, mode); };
                return runSearch(prepare, invocation, out, err);
            }};
}

} // namespace verbalia
