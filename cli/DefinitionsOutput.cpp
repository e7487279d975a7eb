#include "DefinitionsOutput.h"

#include "Command.h"

#include "platform/CodePage.h"
#include "platform/FileEncoding.h"
#include "platform/FileSystem.h"
#include "wordlist/Definitions.h"

#include <ostream>

namespace verbalia {

int printDefinitions(const std::vector<std::string>& words, const std::vector<std::string>& folders,
                     const FileSystem& files, std::ostream& out, std::ostream& err)
{
    const std::optional<Definitions> definitions = openDefinitions(folders, files);
    if (!definitions) {
        err << "verbalia-find: " << definitionsMissingMessage(folders) << '\n';
        return noInput;
    }
    int outcome = done;
    bool blockWritten = false;
    for (const std::string& given : words) {
        const std::optional<std::string> word = utf8ToCodePage(given, codepage::substitute);
        const Definition definition = definitions->lookup(word ? *word : given);
        if (definition.damaged) {
            err << "verbalia-find: the definitions database in " << definitions->folder()
                << " is damaged: part of the entry for " << codepage::toUtf8(definition.word) << " could not be read\n";
            outcome = lacking;
        }
        if (!definition.found()) {
            if (!definition.damaged)
                err << "verbalia-find: " << codepage::toUtf8(noDefinitionText(definition.word)) << '\n';
            outcome = lacking;
            continue;
        }
        out << (blockWritten ? "\n" : "") << codepage::toUtf8(definitionText(definition));
        blockWritten = true;
    }
    out.flush();
    if (!out) {
        err << "verbalia-find: cannot write the definitions\n";
        return writeError;
    }
    return outcome;
}

} // namespace verbalia
