#pragma once

// The about box's texts that need no window: the free-memory figure and the
// address of the mail it offers to start.

#include "platform/MemoryStatus.h"

#include <string>
#include <string_view>

namespace verbalia {

// The share of memory free, physical and swap together, as a whole
// percentage followed by "%" ("37%").
std::string Free_Memory_Text(const MemoryFigures& memory);

// "mailto:<mailbox>?subject=Shareware: <file name of the executable>", with
// the subject percent-encoded so that any file name survives as one subject.
std::string mailAddress(std::string_view mailbox, std::string_view executablePath);

// The error shown when no program on the desktop opens an address.
std::string addressNotOpenedMessage(std::string_view address);

} // namespace verbalia
