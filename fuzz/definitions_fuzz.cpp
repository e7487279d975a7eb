// The WordNet reader against a damaged database: one of its files replaced by
// the input, every lookup ends with a definition or a note that none was
// found, within bounded time and memory.

#include "FuzzSupport.h"
#include "wordlist/Definitions.h"

#include <filesystem>
#include <fstream>

#include <stdlib.h>

using namespace verbalia;

namespace {

const char* const databaseFiles[] = {"index.noun", "data.noun", "noun.exc", "index.verb", "data.verb", "verb.exc",
                                     "index.adj",  "data.adj",  "adj.exc",  "index.adv",  "data.adv",  "adv.exc"};

void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    fuzz::check(bool(file));
}

// A copy of the test excerpt that the harness may damage, made once a run
// and removed at its end.
class DatabaseCopy {
public:
    DatabaseCopy()
    {
        char name[] = "/tmp/verbalia-definitions-fuzz-XXXXXX";
        fuzz::check(::mkdtemp(name) != nullptr);
        const std::filesystem::path source = VERBALIA_SOURCE_DIR "/tests/wordlist/wordnet";
        for (const char* file : databaseFiles) std::filesystem::copy_file(source / file, std::filesystem::path(name) / file);
        m_folder = std::string(name) + "/";
    }
    ~DatabaseCopy() { std::filesystem::remove_all(m_folder); }
    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

const std::string& databaseFolder()
{
    static const DatabaseCopy copy;
    return copy.folder();
}

std::string contentOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::InputReader input(data, size);
    const std::string path = databaseFolder() + databaseFiles[input.byte() % std::size(databaseFiles)];
    const std::string asked(input.piece());
    const std::string original = contentOf(path);
    writeFile(path, input.rest());

    const Definitions definitions(databaseFolder());
    for (const std::string& word : {asked, std::string("geese"), std::string("running"), std::string("crossword puzzle"),
                                   std::string("better"), std::string("gander"), std::string("zzz")}) {
        const Definition definition = definitions.lookup(word);
        const std::string text = definitionText(definition);
        fuzz::check(definition.found() ? text.starts_with(word + "\n") : text.starts_with(noDefinitionText(word)));
        for (const SenseGroup& group : definition.groups) fuzz::check(!group.senses.empty() && group.senses.size() <= 500);
    }
    writeFile(path, original);
    return 0;
}
