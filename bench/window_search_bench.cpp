// The three searches as the window runs them over a large known word list:
// from the click to the status line showing the count, with the progress
// bar, the event pumping, the history and the results view all included.
// One window, on the offscreen platform, is started once for every case.
// Usage: window_search_bench [BENCHMARK-OPTIONS] [LIST] (default: Debian's
// 663k list; bench/make_large_list.sh makes the 5.3M one). Each case prints
// its mean time against its target as vs_target (1 = on target).
#include "LargeListFolder.h"
#include "app/MainForm.h"
#include "app/WindowControls.h"
#include "fakes/FakeServices.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

using namespace verbalia;

// Message boxes and the clipboard are recorded rather than shown, so that
// nothing waits for a person; files are the real disk.
using Services = FakeServices;

TMainForm1* window = nullptr;

// The count the status label shows, or -1 when it shows none.
long long shownCount(const QLabel* status)
{
    const QString text = status->text().trimmed();
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit())
            digits += c;
        else if (c != QLatin1Char(',') && c != QLatin1Char('.') && !c.isSpace())
            break;
    }
    bool ok = false;
    const long long count = digits.toLongLong(&ok);
    return ok && text.contains(QLatin1String("words found")) ? count : -1;
}

// Every search's target, whatever the list (the 5.3M list's goal).
constexpr double targetMs = 100;

void timeRun(benchmark::State& state, const std::function<void()>& run, const QLabel* status)
{
    long long found = -1;
    double totalMs = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        run();
        totalMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        found = shownCount(status);
    }
    if (found < 0) {
        state.SkipWithError(("the status label shows no count: " + status->text().toStdString()).c_str());
        return;
    }
    state.counters["found"] = double(found);
    state.counters["vs_target"] = totalMs / double(state.iterations()) / targetMs;
    state.SetLabel("target <= 100 ms");
}

void wildcard(benchmark::State& state, const char* criteria)
{
    const SearchControls page = searchPage(*window, wildcardPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [&page] { page.run->click(); }, page.status);
}

void letters(benchmark::State& state, const char* criteria, const char* mode)
{
    control<QRadioButton>(*window, mode)->click();
    const SearchControls page = searchPage(*window, letterPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [&page] { page.run->click(); }, page.status);
}

void phonetic(benchmark::State& state, const char* criteria)
{
    const SearchControls page = searchPage(*window, phoneticPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [&page] { page.run->click(); }, page.status);
}

void registerCases()
{
    const auto add = [](const char* name, auto&& body) {
        benchmark::RegisterBenchmark(name, body)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
    };
    add("wildcard/a??i?", [](benchmark::State& s) { wildcard(s, "a??i?"); });
    add("wildcard/ac*al", [](benchmark::State& s) { wildcard(s, "ac*al"); });
    add("wildcard/*ed", [](benchmark::State& s) { wildcard(s, "*ed"); });
    add("wildcard/*", [](benchmark::State& s) { wildcard(s, "*"); });
    add("letters/pot/contains", [](benchmark::State& s) {
        letters(s, "pot", "Search_for_Words_with_these_and_other_letters_RadioButton");
    });
    add("letters/pot/only_these", [](benchmark::State& s) {
        letters(s, "pot", "Search_for_Words_with_only_these_Any_Number_RadioButton");
    });
    add("letters/pot/exact", [](benchmark::State& s) {
        letters(s, "pot", "Search_for_Words_with_only_these_Specified_Number_RadioButton");
    });
    add("letters/stop/exact", [](benchmark::State& s) {
        letters(s, "stop", "Search_for_Words_with_only_these_Specified_Number_RadioButton");
    });
    add("phonetic/Mice", [](benchmark::State& s) { phonetic(s, "Mice"); });
    add("phonetic/Robert", [](benchmark::State& s) { phonetic(s, "Robert"); });
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    const LargeListFolder folder = argc > 1 ? LargeListFolder("verbalia-window-bench", argv[1])
                                            : LargeListFolder("verbalia-window-bench");
    if (!folder.ready()) return 1;

    int status = 0;
    {
        Services services(folder.path());
        TMainForm1 form(services.platform());
        window = &form;
        const auto started = std::chrono::steady_clock::now();
        form.show();
        const double showMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        std::printf("start-up (show, list loaded): %.1f ms; title: %s\n", showMs, qPrintable(form.windowTitle()));

        if (form.knownWords().empty()) {
            std::fprintf(stderr, "the word list did not load\n");
            status = 1;
        } else {
            registerCases();
            benchmark::RunSpecifiedBenchmarks();
            const auto& shown = services.messages.shown;
            if (!shown.empty())
                std::printf("message boxes shown: %zu, first: %s\n", shown.size(), shown.front().text.c_str());
        }
        form.close();
        window = nullptr;
    }
    benchmark::Shutdown();
    return status;
}
