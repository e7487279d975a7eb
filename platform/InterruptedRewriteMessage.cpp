#include "FileSystem.h"
#include "platform/CodePage.h"

// Apart from FileSystem.cpp: its paths go through codepage::fromUtf8, which
// needs ICU, and verbalia-find's searches link the file system without it.

namespace verbalia {

std::string InterruptedRewrite::message() const
{
    const std::string file = codepage::fromUtf8(path);
    if (restored)
        return "The last save of " + file + " was cut short.  The file has been restored as it was before that save.";
    return "The last save of " + file + " was cut short, and the file " +
           (changedSince ? "has been replaced or changed since, so it was left as it is."
                         : "could not be restored.") +
           "  Its content from before that save is kept in:\r\n\r\n" + codepage::fromUtf8(copy);
}

} // namespace verbalia
