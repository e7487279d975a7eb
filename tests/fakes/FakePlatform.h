#pragma once

#include "platform/Clipboard.h"
#include "platform/DesktopOpener.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/LaunchShowState.h"
#include "platform/MemoryStatus.h"
#include "platform/MessageBoxes.h"
#include "platform/NumberFormat.h"
#include "platform/WindowFrame.h"

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace verbalia {

// Records every box shown and answers questions from a script.
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        MessageKind kind;
        std::string text;
        bool question;
        Answer defaultAnswer = Answer::Yes; // of a question
    };

    void show(MessageKind kind, const std::string& text) override;
    Answer ask(MessageKind kind, const std::string& text, Answer defaultAnswer) override;
    Answer askOrCancel(MessageKind kind, const std::string& text) override { return ask(kind, text, Answer::Yes); }

    // Answers for the next questions, in order; once they run out, No.
    void scriptAnswers(std::initializer_list<Answer> answers);

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};

class FakeClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override { return content; }
    void setText(std::string_view text) override { content = std::string(text); ++writes; }

    std::optional<std::string> content;
    int writes = 0;
};

// Answers each dialog with the next scripted choice (a path, or nothing for
// Cancel; Cancel once they run out) and records the filters it was shown.
class FakeFileDialog final : public FileDialog {
public:
    std::optional<std::string> chooseFileToOpen(const std::string& filter) override;
    // Answers from the same choices.
    std::optional<std::string> chooseFileToSave(const std::string& filter) override { return chooseFileToOpen(filter); }

    std::deque<std::optional<std::string>> choices;
    std::vector<std::string> filters;
};

// The real disk, except that writes into the folders named read-only fail as
// they would for a user without the right to write there, writes fail after
// writeFailsAfter bytes as on a full disk, and reads of the files named
// unreadable fail.
class FakeFileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    Presence presence(const std::string& path) const override { return m_disk.presence(path); }
    std::optional<std::string> readAll(const std::string& path) const override;
    bool writeAll(const std::string& path, const FileContent& content) override;
    bool remove(const std::string& path) override;

    std::set<std::string> readOnlyFolders; // each ending with '/'
    std::set<std::string> unreadableFiles;
    std::optional<std::size_t> writeFailsAfter;
    int writes = 0;

private:
    bool isReadOnly(const std::string& path) const;
    DiskFileSystem m_disk;
};

// Counts with ',' between thousands.
class FakeNumberFormat final : public NumberFormat {
public:
    std::string formatCount(std::int64_t count) const override;
};

// A window manager that states the frame it was given, if any.
class FakeWindowFrame final : public WindowFrame {
public:
    std::optional<FrameExtents> extents(std::uintptr_t, bool) override { return stated; }
    std::optional<FrameExtents> stated;
};

class FakeLaunchShowState final : public LaunchShowState {
public:
    ShowState requested() const override { return state; }
    ShowState state = ShowState::Normal;
};

class FakeMemoryStatus final : public MemoryStatus {
public:
    std::optional<MemoryFigures> read() const override { return figures; }
    std::optional<MemoryFigures> figures = MemoryFigures{1000, 500, 0, 0};
};

// Records every address handed to the desktop.
class FakeDesktopOpener final : public DesktopOpener {
public:
    void open(const std::string& address, std::function<void()> failed) override
    {
        opened.push_back(address);
        if (!answers) failed();
    }
    std::vector<std::string> opened;
    bool answers = true; // false: no program on the desktop opens an address
};

} // namespace verbalia
