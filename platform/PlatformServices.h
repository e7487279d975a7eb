#pragma once

#include "AutostartList.h"
#include "Clipboard.h"
#include "Collation.h"
#include "DesktopOpener.h"
#include "FileAttributes.h"
#include "FileDialog.h"
#include "FileSystem.h"
#include "LaunchShowState.h"
#include "MemoryStatus.h"
#include "MessageBoxes.h"
#include "NumberFormat.h"
#include "TextViewer.h"
#include "WindowFrame.h"
#include "WindowManager.h"

#include <string>

// Every desktop service the window uses, one line each: its interface and the
// member by which the window reaches it. A new service is one line here; the
// service sets (app/DesktopServices.h, tests/fakes/FakeServices.h) then name
// its implementation, and a set that lacks one does not compile.
#define VERBALIA_PLATFORM_SERVICES(SERVICE) \
    SERVICE(MessageBoxes, messages)         \
    SERVICE(Clipboard, clipboard)           \
    SERVICE(FileSystem, files)              \
    SERVICE(FileDialog, fileDialog)         \
    SERVICE(const Collation, collation)     \
    SERVICE(const NumberFormat, numbers)    \
    SERVICE(const LaunchShowState, launch)  \
    SERVICE(const MemoryStatus, memory)     \
    SERVICE(DesktopOpener, desktop)         \
    SERVICE(AutostartList, autostart)       \
    SERVICE(FileAttributes, attributes)     \
    SERVICE(TextViewer, viewer)             \
    SERVICE(WindowManager, windowManager) \
    SERVICE(WindowFrame, frame)

namespace verbalia {

// The desktop services the window uses; a ServiceSet (platform/ServiceSet.h)
// owns them and hands them out as this.
struct PlatformServices {
#define VERBALIA_SERVICE_MEMBER(Interface, name) Interface& name;
    VERBALIA_PLATFORM_SERVICES(VERBALIA_SERVICE_MEMBER)
#undef VERBALIA_SERVICE_MEMBER
    std::string programFolder; // ends with '/'
    std::string executableName; // the running program's file name, in the program folder

    std::string pathOf(const std::string& fileName) const { return programFolder + fileName; }
    std::string executablePath() const { return programFolder + executableName; }
};

} // namespace verbalia
