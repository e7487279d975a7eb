#pragma once

// A program folder for a window benchmark: a fresh temporary folder whose
// wordlist.dat is the given list, by default Debian's 663k-word list
// (package wbritish-insane).

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace verbalia {

// Lets the window's events through until its run (a search, a harvest) has ended.
template <class Window>
void waitForRun(const Window& window)
{
    while (window.isRunning()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

class LargeListFolder {
public:
    explicit LargeListFolder(const std::string& name, const std::string& list = largeList)
        : m_folder(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid())))
    {
        if (!std::filesystem::exists(list)) {
            std::fprintf(stderr, "%s is missing (wbritish-insane, or bench/make_large_list.sh)\n", list.c_str());
            return;
        }
        std::filesystem::create_directories(m_folder);
        std::filesystem::copy_file(list, m_folder / "wordlist.dat");
        m_ready = true;
    }
    ~LargeListFolder() { std::filesystem::remove_all(m_folder); }
    LargeListFolder(const LargeListFolder&) = delete;
    LargeListFolder& operator=(const LargeListFolder&) = delete;

    // False, after saying why, when the list is not installed.
    bool ready() const { return m_ready; }
    std::string path() const { return m_folder.string() + "/"; }

    static constexpr const char* largeList = "/usr/share/dict/british-english-insane";

private:
    std::filesystem::path m_folder;
    bool m_ready = false;
};

} // namespace verbalia
