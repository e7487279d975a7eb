#pragma once

// A main window over scripted platform fakes and a fresh program folder.

#include "WindowControls.h"
#include "app/MainForm.h"
#include "fakes/FakeServices.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace verbalia {

class WindowFixture {
public:
    WindowFixture() = default;

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
        window = std::make_unique<TMainForm1>(services.platform());
        window->show();
        return *window;
    }

    // Sizes the window so that its client area (below the menu) is as given,
    // or as near as the window allows; returns the client size it got.
    QSize setClientSize(int width, int height)
    {
        window->resize(width, height + window->menuBar()->height());
        return window->centralWidget()->size();
    }

    // Waits for the end of the run (a search, a harvest) the last action
    // started, if any: the window's lock is gone.
    bool runEnded() const
    {
        return QTest::qWaitFor([this] { return !window->isRunning(); }, 10000);
    }

    // Clicks Save and waits for the save's end.
    bool save() const
    {
        control<QPushButton>(*window, "Save_Word_List_BitBtn")->click();
        return runEnded();
    }

    // Asks the window to close as its close box would and waits for a save
    // the close query started: true when the window closed.
    bool tryClose() const
    {
        window->close();
        return runEnded() && !window->isVisible();
    }

    // Closes the window as its close box would and forgets it.
    void close()
    {
        tryClose();
        window.reset();
    }

private:
    static std::filesystem::path freshFolder()
    {
        static int serial = 0;
        std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("verbalia-window-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(folder);
        return folder;
    }

    std::filesystem::path m_folder = freshFolder();

public:
    FakeServices services{folder()};
    FakeMessageBoxes& messages = services.messages;
    FakeClipboard& clipboard = services.clipboard;
    FakeFileSystem& files = services.files;
    FakeFileDialog& fileDialog = services.fileDialog;
    FakeLaunchShowState& launch = services.launch;
    FakeWindowFrame& frame = services.frame;
    std::unique_ptr<TMainForm1> window;
};

} // namespace verbalia
