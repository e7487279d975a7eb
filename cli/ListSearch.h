#pragma once

#include "Command.h"
#include "OutputBuffer.h"
#include "ResultOrder.h"
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
// turns out. In list order, output goes out as it is found until a line or
// an argument may read differently in the two; from there it is held to the
// end. Commonest first, the matches are gathered and listed at the end.
template <class Prepare>
int runSearch(Prepare&& prepare, const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    WordList list;
    if (!list.open(invocation, err)) return noInput;
    if (refuseOutputIntoInput(invocation, list, {}, err)) return usageError;
    ResultOrder order;
    if (!order.load(invocation, err)) return noInput;

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
    const auto take = [&](std::string_view word, const auto& matcher) {
        if (order.gathers()) order.gather(word);
        else if (order.keeps(word)) output.add(matcher.result(word), "\n");
    };
    const Visitor visit{[&](std::string_view word, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher && matcher->matches(word)) take(word, *matcher);
                        },
                        [&](CompleteLines lines, Reading reading) {
                            const auto& matcher = matcherFor(reading);
                            if (matcher) scanLines(lines.text, *matcher, [&](std::string_view line) { take(line, *matcher); });
                        }};
    const auto restart = [&] {
        output.discard();
        order.restart();
    };
    const bool read = list.read(!argumentsAlike, visit, restart, err);
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
    if (order.gathers())
        order.forEachGathered([&](std::string_view word) { output.add(prepared.matcher->result(word), "\n"); });
    if (!output.flush()) {
        err << "verbalia-find: cannot write the results\n";
        return writeError;
    }
    return done;
}

} // namespace verbalia
