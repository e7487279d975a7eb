#pragma once

// A main window over scripted platform fakes and a fresh program folder.

#include "app/MainForm.h"
#include "fakes/FakePlatform.h"
#include "platform/IcuCollation.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace verbalia {

class WindowFixture {
public:
    WindowFixture()
    {
        m_folder = std::filesystem::temp_directory_path() /
                   ("verbalia-window-" + std::to_string(::getpid()) + "-" + std::to_string(++s_serial));
        std::filesystem::create_directories(m_folder);
    }

    ~WindowFixture()
    {
        window.reset();
        std::filesystem::remove_all(m_folder);
    }

    std::string folder() const { return m_folder.string() + "/"; }
    std::string pathOf(const std::string& name) const { return folder() + name; }

    void writeFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(pathOf(name), std::ios::binary) << bytes;
    }

    std::string readFile(const std::string& name) const
    {
        std::ifstream in(pathOf(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    bool fileExists(const std::string& name) const { return std::filesystem::exists(pathOf(name)); }

    // Creates and shows the window, which runs its start-up sequence.
    TMainForm1& start()
    {
        window = std::make_unique<TMainForm1>(
            PlatformServices{messages, clipboard, files, collation, numbers, launch, folder()});
        window->show();
        return *window;
    }

    // Closes the window as its close box would and forgets it.
    void close()
    {
        window->close();
        window.reset();
    }

    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeFileSystem files;
    IcuCollation collation;
    FakeNumberFormat numbers;
    FakeLaunchShowState launch;
    std::unique_ptr<TMainForm1> window;

private:
    std::filesystem::path m_folder;
    static inline int s_serial = 0;
};

} // namespace verbalia
