#include "MessageBoxes.h"

#include "CodePage.h"

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

void UnattendedMessages::show(MessageKind kind, const std::string& text)
{
    m_out << "verbalia: " << messageTitle(kind) << ": " << codepage::toUtf8(text) << std::endl;
}

} // namespace verbalia
