#pragma once

#include "platform/PlatformServices.h"

#include <string>
#include <string_view>

namespace verbalia {

// The commands of the File and Help menus that talk to the desktop: the
// run-at-start-up entry, the safe deletion of a file, and the read-me and
// catalog viewers. Each shows its own messages; a routine that returns false
// has said why.
class DesktopIntegration {
public:
    explicit DesktopIntegration(PlatformServices services);

    // The run-at-start-up entry, named after the executable's file name and
    // holding its full path.
    bool Check_Auto_Run();
    bool Enable_Auto_Run();
    bool Disable_Auto_Run();

    bool Write_Registry_String(const std::string& name, const std::string& value);
    bool Delete_Registry_Value(const std::string& name);
    std::string Read_Registry_String(const std::string& name) const;

    // Deletes the file unless another program holds it; true when deleted.
    bool Delete_File_Safely(const std::string& path);
    // "CLOSED", "OPEN", "NOT FOUND", "ERROR" or empty (no path, no file).
    std::string File_Open_State(const std::string& path) const;
    // True when the attributes read back as set.
    bool Set_File_Attributes(const std::string& path, bool readOnly, bool archive, bool hidden, bool system);

    void View_In_Notepad(const std::string& path);
    void View_Readme();
    void View_Catalog();

private:
    PlatformServices m_services;
};

// The read-me beside an executable: its file name up to the first '.',
// then ".txt".
std::string readmeFileName(std::string_view executableName);

// The question that Restore Factory Defaults asks.
std::string factoryDefaultsQuestion();

} // namespace verbalia
