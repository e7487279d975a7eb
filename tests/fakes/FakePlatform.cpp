#include "FakePlatform.h"

namespace verbalia {

void FakeMessageBoxes::show(MessageKind kind, const std::string& text)
{
    shown.push_back({kind, text, false});
}

Answer FakeMessageBoxes::ask(MessageKind kind, const std::string& text, Answer defaultAnswer)
{
    shown.push_back({kind, text, true, defaultAnswer});
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeMessageBoxes::scriptAnswers(std::initializer_list<Answer> list)
{
    answers.insert(answers.end(), list.begin(), list.end());
}

std::optional<std::string> FakeFileDialog::chooseFileToOpen(const std::string& filter)
{
    filters.push_back(filter);
    if (choices.empty()) return std::nullopt;
    std::optional<std::string> choice = choices.front();
    choices.pop_front();
    return choice;
}

bool FakeFileSystem::isReadOnly(const std::string& path) const
{
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    return readOnlyFolders.count(folder) > 0;
}

bool FakeFileSystem::exists(const std::string& path) const { return m_disk.exists(path); }

std::optional<std::string> FakeFileSystem::readAll(const std::string& path) const
{
    if (unreadableFiles.count(path)) return std::nullopt;
    return m_disk.readAll(path);
}

bool FakeFileSystem::writeAll(const std::string& path, const FileContent& content)
{
    ++writes;
    if (isReadOnly(path)) return false;
    if (!writeFailsAfter) return m_disk.writeAll(path, content);
    return m_disk.writeAll(path, FileContent([&](const FileContent::Put& put) {
        std::size_t room = *writeFailsAfter;
        return content.forEachSlice([&](std::string_view slice) {
            if (slice.size() > room) {
                put(slice.substr(0, room));
                return false;
            }
            room -= slice.size();
            return put(slice);
        });
    }));
}

bool FakeFileSystem::remove(const std::string& path)
{
    if (isReadOnly(path)) return !m_disk.exists(path);
    return m_disk.remove(path);
}

std::string FakeNumberFormat::formatCount(std::int64_t count) const
{
    const std::string digits = std::to_string(count < 0 ? -count : count);
    std::string grouped = count < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace verbalia
