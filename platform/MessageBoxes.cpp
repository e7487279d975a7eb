#include "MessageBoxes.h"

namespace verbalia {

const char* messageTitle(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return "Information";
    case MessageKind::Warning: return "Warning";
    case MessageKind::Error: return "Error";
    case MessageKind::Confirm: return "Confirm";
    }
    return "";
}

} // namespace verbalia
