#pragma once

#include <string>

namespace verbalia {

// The desktop's viewer for text files.
class TextViewer {
public:
    virtual ~TextViewer() = default;

    // True when the viewer is installed.
    virtual bool available() const = 0;

    // Opens the file in the viewer and returns at once, without waiting for
    // it; false when the viewer could not be started.
    virtual bool open(const std::string& path) = 0;
};

} // namespace verbalia
