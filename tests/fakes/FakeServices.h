#pragma once

#include "fakes/FakeDesktop.h"
#include "fakes/FakePlatform.h"
#include "platform/IcuCollation.h"
#include "platform/ServiceSet.h"

namespace verbalia {

// What window tests run on: a scripted fake of every service that shows,
// asks or touches the desktop; collation is the real one.
using FakeServices =
    ServiceSet<FakeMessageBoxes, FakeClipboard, FakeFileSystem, FakeFileDialog, IcuCollation, FakeNumberFormat,
               FakeLaunchShowState, FakeMemoryStatus, FakeDesktopOpener, FakeAutostartList, FakeFileAttributes,
               FakeTextViewer, FakeWindowManager, FakeWindowFrame>;

} // namespace verbalia
