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
    explicit FakeServices(std::string folder, std::string executable = "verbalia")
        : locations(portableLocations(folder, executable)), executableName(std::move(executable)) {}
    PlatformServices platform() { return servicesOf(*this); }

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
    FileLocations locations;
    std::string executableName;
    UnsavedLists unsavedLists{files, locations.stateFolder + "state/"};
};

} // namespace verbalia
