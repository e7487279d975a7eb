#include "platform/ProgramFolder.h"
#include "cli/Command.h"
#include "cli/FindCommand.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<verbalia::FileLocations> locations = verbalia::fileLocations();
    if (!locations) {
        std::cerr << "verbalia-find: no home folder: HOME is not set and the user database names none\n";
        return verbalia::noInput;
    }
    return verbalia::runFindCommand(args, *locations, std::cout, std::cerr, verbalia::identifyDescriptor(STDOUT_FILENO));
}
