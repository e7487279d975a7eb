#pragma once

#include "platform/FileSystem.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace verbalia {

// verbalia-find: the three searches, the harvest and the sort from the
// command line. args are the arguments after the program name; the words
// listed are those the window would list, one per line; a harvest or a sort
// writes the whole list as wordlist.dat holds it; --help and --version print
// to out. Returns the process exit code: 0 done, 2 search
// refused (its message on err), 64 usage error, 66 word list or text file
// unreadable, or the list changed while it was read (the words written by
// then are not to be trusted), 74 output not written. outputFile is what out
// writes to: when that is the list or the text file itself, the command is
// refused (64) before either is read or written.
int runFindCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                   std::ostream& err, const std::optional<FileIdentity>& outputFile = std::nullopt);

} // namespace verbalia
