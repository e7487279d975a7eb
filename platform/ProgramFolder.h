#pragma once

#include <string>

namespace verbalia {

// The folder of the running executable, ending with a path separator.
std::string programFolder();

} // namespace verbalia
