// The memory of the window's word list path on one list file: the peak
// resident memory of loading it as the window does (KnownWordList::load),
// then the further peak of saving it back (KnownWordList::save), each against
// the file's size. Targets: the load within 1.5 x the file, the save within a
// few MB whatever the list's size. The file is rewritten in place by the save.
// Usage: list_memory_bench LIST (bench/two_gb_list.sh makes a 2 GB one)
#include "platform/FileSystem.h"
#include "wordlist/KnownWordList.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in bytes (VmRSS, VmHWM).
double statusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field + ":")) return std::stod(line.substr(field.size() + 1)) * 1024;
    return 0;
}

// Starts the peak (VmHWM) again from the memory in use now.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

} // namespace

int main(int argc, char** argv)
{
    using namespace verbalia;
    if (argc != 2) {
        std::fprintf(stderr, "usage: list_memory_bench LIST\n");
        return 64;
    }
    const std::string path = argv[1];
    const double file = double(std::filesystem::file_size(path));
    DiskFileSystem disk;
    KnownWordList list(disk, path);
    resetPeak();
    const double before = statusBytes("VmRSS");
    if (list.load() != ReadOutcome::read) {
        std::fprintf(stderr, "%s could not be read whole\n", path.c_str());
        return 66;
    }
    const double loaded = statusBytes("VmRSS") - before, loadPeak = statusBytes("VmHWM") - before;
    std::printf("list %s: %.0f bytes, %zu words\n", path.c_str(), file, list.words().size());
    std::printf("load: %.2f GB held, peak %.2f GB, %.2f x the file (target <= 1.5)\n", loaded / 1e9, loadPeak / 1e9,
                loadPeak / file);
    resetPeak();
    const double beforeSave = statusBytes("VmRSS");
    if (list.save() != KnownWordList::SaveOutcome::saved) {
        std::fprintf(stderr, "%s could not be saved\n", path.c_str());
        return 74;
    }
    const double savePeak = statusBytes("VmHWM") - beforeSave;
    std::printf("save: peak %.1f MB beyond the loaded list, %.3f x the file (a second whole copy is 1.0)\n",
                savePeak / 1e6, savePeak / file);
    return 0;
}
