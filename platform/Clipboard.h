#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalia {

// The system clipboard as plain 8-bit text in the system code page.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // The clipboard's text, or nothing when it holds no text.
    virtual std::optional<std::string> text() const = 0;

    // Replaces the clipboard's contents with the text, its lines ending as the
    // desktop ends them.
    virtual void setText(std::string_view text) = 0;
};

} // namespace verbalia
