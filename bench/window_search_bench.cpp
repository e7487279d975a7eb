// The three searches as the window runs them over a large known word list:
// from the click to the status line showing the count, with the progress
// bar, the event pumping, the history and the results view all included.
// One window, on the offscreen platform, is started once for every case.
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

void timeRun(benchmark::State& state, const std::function<void()>& run, const QLabel* status, const char* target)
{
    long long found = -1;
    for (auto _ : state) {
        run();
        found = shownCount(status);
    }
    if (found < 0) {
        state.SkipWithError(("the status label shows no count: " + status->text().toStdString()).c_str());
        return;
    }
    state.counters["found"] = double(found);
    state.SetLabel(target);
}

void wildcard(benchmark::State& state, const char* criteria, const char* target)
{
    const SearchPage& page = searchPage(*window, wildcardPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [] { window->Wildcard_Search_BitBtnClick(); }, page.status, target);
}

void letters(benchmark::State& state, const char* criteria, const char* mode)
{
    control<QRadioButton>(*window, mode)->click();
    const SearchPage& page = searchPage(*window, letterPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [] { window->Search_for_Words_with_these_Letters_BitBtnClick(); }, page.status, "target < 50 ms");
}

void phonetic(benchmark::State& state, const char* criteria)
{
    const SearchPage& page = searchPage(*window, phoneticPage);
    page.criteria->setEditText(QString::fromLatin1(criteria));
    timeRun(state, [] { window->Phonetic_Word_Search_BitBtnClick(); }, page.status, "target < 50 ms");
}

void registerCases()
{
    const auto add = [](const char* name, auto&& body) {
        benchmark::RegisterBenchmark(name, body)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
    };
    const char* fast = "target < 50 ms";
    add("wildcard/a??i?", [fast](benchmark::State& s) { wildcard(s, "a??i?", fast); });
    add("wildcard/ac*al", [fast](benchmark::State& s) { wildcard(s, "ac*al", fast); });
    add("wildcard/*ed", [fast](benchmark::State& s) { wildcard(s, "*ed", fast); });
    add("wildcard/*", [](benchmark::State& s) { wildcard(s, "*", "target < 300 ms"); });
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

    const LargeListFolder folder("verbalia-window-bench");
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
