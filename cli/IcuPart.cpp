#include "IcuPart.h"

#include "DefinitionsOutput.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "wordlist/Definitions.h"

namespace verbalia {

extern "C" const IcuPart* verbaliaFindIcuPart()
{
    static const IcuPart part{
        [] { return std::unique_ptr<Collation>(std::make_unique<IcuCollation>()); },
        [] { return std::unique_ptr<NumberFormat>(std::make_unique<IcuNumberFormat>()); },
        [](const std::vector<std::string>& words, const std::vector<std::string>& folders, const FileSystem& files,
           std::ostream& out, std::ostream& err) { return printDefinitions(words, folders, files, out, err); },
    };
    return &part;
}

} // namespace verbalia
