#include "platform/ProgramFolder.h"
#include "cli/FindCommand.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return verbalia::runFindCommand(args, verbalia::programFolder(), std::cout, std::cerr,
                                    verbalia::identifyDescriptor(STDOUT_FILENO));
}
