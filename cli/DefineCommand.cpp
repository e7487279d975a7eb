#include "Command.h"
#include "IcuPart.h"

namespace verbalia {

Command defineCommand()
{
    return {"define",
            "The senses of each WORD from the WordNet database in\n"
            "wordnet/ beside the program or /usr/share/wordnet",
            "WORD",
            true,
            false,
            {},
            [](const Invocation& invocation, std::ostream& out, std::ostream& err) {
                const IcuPart* icu = loadIcuPart(err);
                return icu ? icu->define(invocation.operands, invocation.locations.definitionFolders, DiskFileSystem(), out, err)
                           : unavailable;
            }};
}

} // namespace verbalia
