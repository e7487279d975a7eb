#pragma once

#include "platform/DesktopOpener.h"

namespace verbalia {

class QtDesktopOpener final : public DesktopOpener {
public:
    void open(const std::string& address) override;
};

} // namespace verbalia
