#pragma once

#include "fakes/FakeDesktop.h"
#include "fakes/FakePlatform.h"
#include "platform/IcuCollation.h"
#include "platform/PlatformServices.h"

#include <string>
#include <utility>

namespace verbalia {

// What window tests run on: a scripted fake of every service that shows,
// asks or touches the desktop; collation is the real one. Tests and
// benchmarks stand in for a program named "verbalia".
struct FakeServices {
    explicit FakeServices(std::string programFolder, std::string executableName = "verbalia")
        : programFolder(std::move(programFolder))
        , executableName(std::move(executableName))
    {
    }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    PlatformServices platform()
    {
        return {messages, clipboard, files, fileDialog, collation, numbers, launch, memory, desktop,
                autostart, attributes, viewer, windowManager, frame, programFolder, executableName};
    }

    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeFileSystem files;
    FakeFileDialog fileDialog;
    IcuCollation collation;
    FakeNumberFormat numbers;
    FakeLaunchShowState launch;
    FakeMemoryStatus memory;
    FakeDesktopOpener desktop;
    FakeAutostartList autostart;
    FakeFileAttributes attributes;
    FakeTextViewer viewer;
    FakeWindowManager windowManager;
    FakeWindowFrame frame;
    std::string programFolder;
    std::string executableName;
};

} // namespace verbalia
