#pragma once

#include "platform/FileSystem.h"
#include "platform/ProgramFolder.h"
#include "search/SearchRules.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace verbalia {

// verbalia-find's exit codes (those of sysexits.h from 64 on).
enum ExitCode {
    done = 0,
    lacking = 1,      // define: a word without a whole entry; remove: a word the list lacks
    refused = 2,      // a search's criteria refused
    usageError = 64,
    dataError = 65,   // a list that cannot be written back whole
    noInput = 66,     // a file that cannot be read, or changed while read
    unavailable = 69, // a part of the program that cannot be loaded
    writeError = 74,
};

// What the command line asks of a command.
struct Invocation {
    std::optional<std::string> listPath; // --list
    LengthRange range;                   // --min, --max
    std::string exclusion;               // --exclude
    bool commonFirst = false;            // --order common
    bool orderGiven = false;             // --order, either way
    std::optional<std::string> common;   // --common: a SCOWL size, checked
    std::optional<std::string> levelsPath; // --levels
    std::vector<std::string> operands;   // what follows the command
    std::map<std::string, std::string> options; // the command's own options given, with their values
    FileLocations locations;             // where the list, its levels and the definitions lie
    std::optional<FileIdentity> outputFile; // what standard output writes to

    bool given(const std::string& option) const { return options.contains(option); }
};

// An option of one command: a switch, one value out of choices, which the
// command then needs, or a value of any text, which it may be given.
struct CommandOption {
    const char* name; // "--mode"
    const char* help;
    std::vector<std::string> choices; // none for a switch or any text
    const char* value = nullptr;      // the name of any text it takes ("WORDS")
};

// A subcommand of verbalia-find: what it takes, which the parser checks, and
// what it does. Each lives in a file of its own; FindCommand.cpp lists them.
struct Command {
    const char* name;
    const char* help;
    const char* operand;   // the name of what it takes, as "PATTERN"
    bool manyOperands;     // one or more of them, not one
    bool searches;         // takes --order, --common and --levels
    std::vector<CommandOption> options;
    int (*run)(const Invocation& invocation, std::ostream& out, std::ostream& err);
    bool ranged = true;    // a search that takes --min, --max and --exclude
};

Command wildcardCommand();
Command lettersCommand();
Command soundsCommand();
Command harvestCommand();
Command removeCommand();
Command sortCommand();
Command defineCommand();
Command solveCommand();

} // namespace verbalia
