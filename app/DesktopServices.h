#pragma once

#include "platform/AutostartList.h"
#include "platform/FileAttributes.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "platform/LaunchShowState.h"
#include "platform/MemoryStatus.h"
#include "platform/ServiceSet.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtDesktopOpener.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtWindowManager.h"
#include "platform/qt/XdgTextViewer.h"
#include "platform/qt/X11WindowFrame.h"

namespace verbalia {

// The real desktop services the program runs on: one implementation of each
// service listed in platform/PlatformServices.h.
using DesktopServices =
    ServiceSet<QtMessageBoxes, QtClipboard, DiskFileSystem, QtFileDialog, IcuCollation, IcuNumberFormat,
               DesktopLaunchShowState, ProcMemoryStatus, QtDesktopOpener, XdgAutostartList, DiskFileAttributes,
               XdgTextViewer, QtWindowManager, X11WindowFrame>;

} // namespace verbalia
