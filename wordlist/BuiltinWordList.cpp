#include "BuiltinWordList.h"

#include "text/LineText.h"

namespace verbalia {

std::vector<std::string> builtinWordList()
{
    static constexpr std::string_view words =
#include "BuiltinWords.inc"
        ;
    return splitLines(words);
}

} // namespace verbalia
