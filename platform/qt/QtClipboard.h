#pragma once

#include "platform/Clipboard.h"

namespace verbalia {

// The desktop clipboard; text crosses it as Unicode and is converted to and
// from the system code page here.
class QtClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override;
    void setText(std::string_view text) override;
};

} // namespace verbalia
