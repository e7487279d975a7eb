#pragma once

#include "platform/AutostartList.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "platform/LaunchShowState.h"
#include "platform/MemoryStatus.h"
#include "platform/PlatformServices.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDesktopOpener.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtWindowManager.h"
#include "platform/qt/X11WindowFrame.h"
#include "platform/qt/XdgTextViewer.h"

#include <string>
#include <utility>

namespace verbalia {

// The real desktop services the program runs on, and where its files lie.
struct DesktopServices {
    DesktopServices(FileLocations where, std::string executable)
        : locations(std::move(where)), executableName(std::move(executable)) {}
    PlatformServices platform() { return servicesOf(*this); }

    QtMessageBoxes messages;
    QtClipboard clipboard;
    DiskFileSystem files;
    QtFileDialog fileDialog;
    IcuCollation collation;
    IcuNumberFormat numbers;
    DesktopLaunchShowState launch;
    ProcMemoryStatus memory;
    QtDesktopOpener desktop;
    XdgAutostartList autostart;
    DiskFileAttributes attributes;
    XdgTextViewer viewer;
    QtWindowManager windowManager;
    X11WindowFrame frame;
    FileLocations locations;
    std::string executableName;
    UnsavedLists unsavedLists{files, rewriteCopyFolder()};
};

} // namespace verbalia
