#pragma once

#include "platform/Collation.h"
#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace verbalia {

// What verbalia-find needs ICU for: the list's order and the user's way of
// writing counts (sort, harvest), and the folding of accents in definitions
// (define). It lives in a library of its own, libverbalia-find-icu.so in lib/
// beside the program, loaded on first use: a search maps no ICU library.
struct IcuPart {
    std::unique_ptr<Collation> (*collation)();
    std::unique_ptr<NumberFormat> (*numberFormat)();
    // printDefinitions from the database in the first of the folders that holds one.
    int (*define)(const std::vector<std::string>& words, const std::vector<std::string>& folders, const FileSystem& files,
                  std::ostream& out, std::ostream& err);
};

// The library's one entry point.
extern "C" const IcuPart* verbaliaFindIcuPart();

// The part, loaded on the first call; nothing when it cannot be loaded (said on err).
const IcuPart* loadIcuPart(std::ostream& err);

} // namespace verbalia
