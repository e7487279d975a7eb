#include "app/core/DesktopIntegration.h"

#include "platform/CodePage.h"
#include "text/ProgramTitle.h"
#include "text/ScrambledText.h"
#include "text/TextHelpers.h"

namespace verbalia {
namespace {

const char* const catalogFileName = "catalog.txt";
const char* const viewerMissing = "Windows Notepad could not be found.";

// Paths and file names are native (UTF-8) text; messages are 8-bit.
std::string shown(const std::string& native) { return codepage::fromUtf8(native); }

std::string registryError(const char* head, const std::string& key, const std::string& name, const std::string* value)
{
    std::string text =
        std::string(head) + " Error Key   = " + shown(key) + "\r\n" + " Error Item  = " + shown(name) + "\r\n";
    if (value) text += " Error Value = " + shown(*value) + "\r\n";
    return text + "\r\n" + "Please contact the program's author.";
}

const char* const keyMissing =
    "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n";

} // namespace

DesktopIntegration::DesktopIntegration(PlatformServices services)
    : m_services(std::move(services))
{
}

bool DesktopIntegration::Write_Registry_String(const std::string& name, const std::string& value)
{
    AutostartList& list = m_services.autostart;
    if (!list.keyExists()) {
        m_services.messages.show(MessageKind::Error, registryError(keyMissing, list.key(), name, &value));
        return false;
    }
    if (!list.writeValue(name, value)) {
        m_services.messages.show(MessageKind::Error, "Failed to set data for '" + shown(name) + "'");
        return false;
    }
    if (list.readValue(name) != value) {
        m_services.messages.show(MessageKind::Error,
                                 registryError("Error: The required settings could not be created \r\nor saved in "
                                               "the Windows Registry.  \r\n\r\n",
                                               list.key(), name, &value));
        return false;
    }
    return true;
}

bool DesktopIntegration::Delete_Registry_Value(const std::string& name)
{
    AutostartList& list = m_services.autostart;
    if (!list.keyExists()) {
        m_services.messages.show(MessageKind::Error, registryError(keyMissing, list.key(), name, nullptr));
        return false;
    }
    list.deleteValue(name);
    if (list.valueExists(name)) {
        m_services.messages.show(MessageKind::Error,
                                 registryError("Error: The required Registry Key settings \r\ncould not be removed "
                                               "from the Windows Registry.  \r\n\r\n",
                                               list.key(), name, nullptr));
        return false;
    }
    return true;
}

std::string DesktopIntegration::Read_Registry_String(const std::string& name) const
{
    const AutostartList& list = m_services.autostart;
    return list.keyExists() ? list.readValue(name) : std::string();
}

bool DesktopIntegration::Enable_Auto_Run()
{
    const std::string& name = m_services.executableName;
    if (!Write_Registry_String(name, m_services.locations.executable)) return false;
    m_services.messages.show(MessageKind::Information,
                             "This program (" + shown(name) + ") will now run automatically at Windows Start-Up.");
    return true;
}

bool DesktopIntegration::Disable_Auto_Run()
{
    const std::string& name = m_services.executableName;
    if (!Delete_Registry_Value(name)) return false;
    m_services.messages.show(MessageKind::Information,
                             "This program (" + shown(name) +
                                 ") will now no-longer run automatically at Windows Start-Up.");
    return true;
}

// The entry counts as the program's own when it differs from the program's
// path only in the case of the letters a to z; one pointing elsewhere means
// the program was moved, and the user may have it updated.
bool DesktopIntegration::Check_Auto_Run()
{
    const std::string& name = m_services.executableName;
    const std::string path = m_services.locations.executable;
    const std::string entry = Read_Registry_String(name);
    if (entry.empty()) return false;
    if (equalsIgnoringAsciiCase(entry, path)) return true;
    const std::string question =
        "The directory / path settings required to make this program (" + shown(name) + ")" + "\r\n" +
        "run automatically at Windows Start-up do not match where the program " + "\r\n" +
        "is currently being run from." + "\r\n" + "\r\n" + " Old      = " + shown(entry) + "\r\n" +
        " Current = " + shown(path) + "\r\n" + "\r\n" + "Do you want to update the Windows Registry to " +
        "reflect the programs current locaton ?";
    if (m_services.messages.ask(MessageKind::Warning, question) == Answer::Yes) Enable_Auto_Run();
    return true;
}

bool DesktopIntegration::Delete_File_Safely(const std::string& path)
{
    if (!m_services.files.exists(path)) return false;
    Set_File_Attributes(path, false, false, false, false);
    if (File_Open_State(path) != "CLOSED") return false;
    m_services.files.remove(path);
    return !m_services.files.exists(path);
}

// A path of 128 characters or more is taken as closed without a probe.
std::string DesktopIntegration::File_Open_State(const std::string& path) const
{
    if (path.empty()) return {};
    if (path.size() >= 128) return "CLOSED";
    if (!m_services.files.exists(path)) return {};
    switch (m_services.attributes.probeExclusiveOpen(path)) {
    case ExclusiveOpen::Opened: return "CLOSED";
    case ExclusiveOpen::NotFound: return "NOT FOUND";
    case ExclusiveOpen::HeldElsewhere: return "OPEN";
    case ExclusiveOpen::Failed: break;
    }
    return "ERROR";
}

bool DesktopIntegration::Set_File_Attributes(const std::string& path, bool readOnly, bool archive, bool hidden,
                                             bool system)
{
    if (!m_services.files.exists(path)) return false;
    const unsigned bits = (readOnly ? readOnlyAttribute : 0u) | (archive ? archiveAttribute : 0u) |
                          (hidden ? hiddenAttribute : 0u) | (system ? systemAttribute : 0u);
    m_services.attributes.setAttributes(path, bits);
    return m_services.attributes.attributes(path) == bits;
}

// The path goes to the viewer as one argument, whatever its length and
// whatever characters it holds.
void DesktopIntegration::View_In_Notepad(const std::string& path)
{
    if (!m_services.viewer.available()) {
        m_services.messages.show(MessageKind::Information, viewerMissing);
        return;
    }
    if (path.empty()) {
        m_services.messages.show(MessageKind::Information, "No Log File to View.");
        return;
    }
    if (!m_services.viewer.open(path)) m_services.messages.show(MessageKind::Information, viewerMissing);
}

// Whether the read-me exists is left to the viewer to report.
void DesktopIntegration::View_Readme()
{
    View_In_Notepad(m_services.locations.sharedFolder + readmeFileName(m_services.executableName));
}

void DesktopIntegration::View_Catalog()
{
    const std::string path = m_services.locations.sharedFolder + catalogFileName;
    if (m_services.files.exists(path)) {
        View_In_Notepad(path);
        return;
    }
    m_services.messages.show(MessageKind::Information,
                             std::string("Tarnwick's Shareware Catalog is not in the same directory as ") +
                                 programTitle + ".  " + "The required file 'catalog.txt' was included in the " +
                                 "distribution ZIP file.  Please unzip this file and try again.");
}

std::string readmeFileName(std::string_view executableName)
{
    return std::string(executableName.substr(0, executableName.find('.'))) + ".txt";
}

std::string factoryDefaultsQuestion()
{
    static constexpr ScrambledText text1("Restore the factory defaults ?");
    static constexpr ScrambledText text2("Every option and search field goes back to its first setting,");
    static constexpr ScrambledText text3("and the window to its first size and place on page 1.");
    static constexpr ScrambledText text4("The search histories and the Known Word List are kept.  Continue ?");
    return Unscramble_Text(text1.stored()) + "\r\n" + Unscramble_Text(text2.stored()) + "\r\n" +
           Unscramble_Text(text3.stored()) + "\r\n" + "\r\n" + Unscramble_Text(text4.stored());
}

} // namespace verbalia
