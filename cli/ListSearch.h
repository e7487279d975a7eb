#pragma once

#include "Command.h"
#include "OutputBuffer.h"
#include "WordListInput.h"

#include "search/Scan.h"
#include "text/TextHelpers.h"

#include <ostream>

namespace verbalia {

// One callable of the calls each of its parts takes.
template <class... Parts>
struct Visitor : Parts... {
    using Parts::operator()...;
};
template <class... Parts>
Visitor(Parts...) -> Visitor<Parts...>; // for compilers without aggregate deduction (clang 14)

// Runs a search in one read of the list: prepared for the arguments as
// bytes and as UTF-8, the search takes the one that fits the list as it
// turns out. Output goes out as it is found until a line or an argument may
// read differently in the two; from there it is held to the end.
template <class Prepare>
int runSearch(Prepare&& prepare, const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, {}, err)) return usageError;

    const std::string given(trimControls(invocation.operands.front()));
    const std::string criteria = asUtf8ListText(given);
    const std::string exclusion = asUtf8ListText(invocation.exclusion);
    const auto asBytes = prepare(SearchInput{given, invocation.exclusion, invocation.range});
    const auto asUtf8 = prepare(SearchInput{criteria, exclusion, invocation.range});
    const bool argumentsAlike = criteria == given && exclusion == invocation.exclusion;

    OutputBuffer output(out);
    if (!argumentsAlike) output.hold();
    const auto matcherFor = [&](Reading reading) -> const auto& {
        if (reading == Reading::Utf8) output.hold();
        return reading == Reading::Bytes ? asBytes.matcher : asUtf8.matcher;
    };
    const auto emit = [&output](std::string_view result) { output.add(result, "\n"); };
    const Visitor visit{[&](std::string_view word, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher && matcher->matches(word)) emit(matcher->result(word));
                        },
                        [&](CompleteLines lines, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher) scanLines(lines.text, *matcher, emit);
                        }};
    const bool read = list.read(!argumentsAlike, visit, [&output] { output.discard(); }, err);
    const auto& prepared = list.utf8() ? asUtf8 : asBytes;
    if (!read) {
        if (!output.held()) output.flush();
        return noInput;
    }
    if (!prepared.matcher) {
        // One line per paragraph.
        err << Replace_All_Occurrences(prepared.refusal, "\n\n", "\n") << '\n';
        return refused;
    }
    output.writeUtf8(list.utf8());
    if (!output.flush()) {
        err << "verbalia-find: cannot write the results\n";
        return writeError;
    }
    return done;
}

} // namespace verbalia
