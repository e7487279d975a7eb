#pragma once

#include <string>

namespace verbalia {

// The full path of the running executable; empty when the system does not
// tell it.
std::string executablePath();

// The folder of the running executable, ending with a path separator.
std::string programFolder();

// The running executable's file name, without its folder.
std::string executableName();

} // namespace verbalia
