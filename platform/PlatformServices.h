#pragma once

#include "Clipboard.h"
#include "Collation.h"
#include "FileSystem.h"
#include "LaunchShowState.h"
#include "MessageBoxes.h"
#include "NumberFormat.h"

#include <string>

namespace verbalia {

// The desktop services the window uses; tests hand it scripted fakes.
struct PlatformServices {
    MessageBoxes& messages;
    Clipboard& clipboard;
    FileSystem& files;
    const Collation& collation;
    const NumberFormat& numbers;
    const LaunchShowState& launch;
    std::string programFolder; // ends with '/'

    std::string pathOf(const std::string& fileName) const { return programFolder + fileName; }
};

} // namespace verbalia
