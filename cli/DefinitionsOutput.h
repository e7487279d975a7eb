#pragma once

#include "platform/FileSystem.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace verbalia {

// verbalia-find define WORD...: prints the definitions of each word from the
// first of folders that holds the database, as UTF-8 text, one block per word with
// a blank line between blocks. The words are taken as UTF-8 where they are
// valid UTF-8, else byte for byte (Windows-1252). Returns the process exit
// code: 0 every word defined, 1 a word without an entry or whose entry could
// not be read whole (said on err), 66 no database (where to get it on err),
// 74 output not written.
int printDefinitions(const std::vector<std::string>& words, const std::vector<std::string>& folders,
                     const FileSystem& files, std::ostream& out, std::ostream& err);

} // namespace verbalia
