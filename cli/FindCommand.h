#pragma once

#include "platform/FileSystem.h"
#include "platform/ProgramFolder.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// verbalia-find: the three searches, the harvest, the sort and definitions
// from the command line. args are the arguments after the program name; the
// words listed are those the window would list, one per line; a harvest or a
// sort writes the whole list as wordlist.dat holds it; --help and --version
// print to out. Returns the process exit code (ExitCode): 0 done, 1 a word
// define lacks, 2 search refused (its message on err), 64 usage error (one
// line naming it on err), 65 a list that a NUL byte cuts short given to
// harvest or sort, 66 word list or text file unreadable, or the list changed
// while it was read (the words written by then are not to be trusted), 69 the
// ICU part of the program cannot be loaded, 74 output not written.
// outputFile is what out writes to: when that is the list or the text file
// itself, the command is refused (64) before either is read or written.
int runFindCommand(const std::vector<std::string>& args, const FileLocations& locations, std::ostream& out,
                   std::ostream& err, const std::optional<FileIdentity>& outputFile = std::nullopt);

} // namespace verbalia
