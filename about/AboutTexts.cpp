#include "AboutTexts.h"

#include <cmath>

namespace verbalia {
namespace {

std::string percentEncoded(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            encoded += char(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}

} // namespace

std::string Free_Memory_Text(const MemoryFigures& memory)
{
    const double available = double(memory.physicalAvailable) + double(memory.swapAvailable);
    const double total = double(memory.physicalTotal) + double(memory.swapTotal);
    return std::to_string(std::llround(available / total * 100)) + "%";
}

std::string mailAddress(std::string_view mailbox, std::string_view executablePath)
{
    const std::string_view fileName = executablePath.substr(executablePath.rfind('/') + 1);
    return "mailto:" + std::string(mailbox) + "?subject=" + percentEncoded("Shareware: " + std::string(fileName));
}

std::string addressNotOpenedMessage(std::string_view address)
{
    return "No web browser or mail program could open\r\n" + std::string(address);
}

} // namespace verbalia
