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
#include "ProgramFolder.h"
#include "TextViewer.h"
#include "UnsavedLists.h"
#include "WindowFrame.h"
#include "WindowManager.h"

#include <string>

namespace verbalia {

// Every desktop service the program uses, by reference. Its owner is a
// factory: the real desktop (app/DesktopServices.h) or the scripted fakes
// (tests/fakes/FakeServices.h); each hands out this struct with platform().
// A part of the window takes only the services it uses from it.
struct PlatformServices {
    MessageBoxes& messages;
    Clipboard& clipboard;
    FileSystem& files;
    FileDialog& fileDialog;
    const Collation& collation;
    const NumberFormat& numbers;
    const LaunchShowState& launch;
    const MemoryStatus& memory;
    DesktopOpener& desktop;
    AutostartList& autostart;
    FileAttributes& attributes;
    TextViewer& viewer;
    WindowManager& windowManager;
    WindowFrame& frame;
    UnsavedLists& unsavedLists;
    const FileLocations& locations;
    std::string executableName; // the running program's file name
};

// The services a factory owns, as members of the same names.
template <class Factory>
PlatformServices servicesOf(Factory& factory)
{
    return {factory.messages, factory.clipboard,  factory.files,      factory.fileDialog,    factory.collation,
            factory.numbers,  factory.launch,     factory.memory,     factory.desktop,       factory.autostart,
            factory.attributes, factory.viewer,   factory.windowManager, factory.frame,      factory.unsavedLists, factory.locations,
            factory.executableName};
}

} // namespace verbalia
