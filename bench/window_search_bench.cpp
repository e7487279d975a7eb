// The three searches as the window runs them over a large known word list:
// from the click to the status line showing the count, with the progress
// bar, the worker, the history and the results view all included.
// One window, on the offscreen platform, is started once for every case.
// First, during '*': the longest the window goes without a repaint (its
// results view asked to repaint every millisecond), and the time from Halt
// to the run's end; each figure's goal is one frame (16 ms).
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
#include <QPushButton>
#include <QTimer>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// The longest gap between repaints of the results view during a whole '*'
// run, and the time from a Halt (clicked a while into a second run) to the
// run's end, both on the window's thread.
void measureResponsiveness()
{
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    const SearchControls page = searchPage(*window, wildcardPage);
    page.criteria->setEditText(QStringLiteral("*"));
    QWidget* const viewport = page.results->viewport();
    struct PaintWatch : QObject {
        Clock::time_point last{};
        double longestMs = 0;
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                const Clock::time_point now = Clock::now();
                if (paints++ > 0)
                    longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(now - last).count());
                last = now;
            }
            return false;
        }
    } watch;
    QTimer repaint;
    repaint.setInterval(1);
    QObject::connect(&repaint, &QTimer::timeout, viewport, [viewport] { viewport->update(); });

    viewport->installEventFilter(&watch);
    repaint.start();
    const Clock::time_point started = Clock::now();
    page.run->click();
    waitForRun(*window);
    const double runMs = ms(Clock::now() - started);
    repaint.stop();
    viewport->removeEventFilter(&watch);
    std::printf("'*' whole run: %.0f ms, %s; %d repaints, longest gap between repaints %.1f ms (goal <= 16)\n", runMs,
                qPrintable(page.status->text().trimmed()), watch.paints, watch.longestMs);

    std::vector<double> haltMs;
    for (const int after : {50, 150, 300, 450, 600, 750}) {
        std::optional<Clock::time_point> halted;
        QTimer halt;
        halt.setSingleShot(true);
        QObject::connect(&halt, &QTimer::timeout, window, [&halted] {
            halted = Clock::now();
            control<QPushButton>(*window, "Halt_Processing_BitBtn")->click();
        });
        page.run->click();
        halt.start(after);
        waitForRun(*window);
        halt.stop();
        if (!halted) {
            std::printf("'*' ended before a halt after %d ms\n", after);
            continue;
        }
        haltMs.push_back(ms(Clock::now() - *halted));
        std::printf("'*' halted after %d ms: run ended %.1f ms after the halt, %s, %lld lines shown\n", after,
                    haltMs.back(), qPrintable(page.status->text().trimmed()),
                    static_cast<long long>(page.results->model()->rowCount()));
    }
    if (!haltMs.empty())
        std::printf("halt to end: longest %.1f ms (goal <= 16)\n", *std::max_element(haltMs.begin(), haltMs.end()));
}

void timeRun(benchmark::State& state, const std::function<void()>& run, const QLabel* status)
{
    long long found = -1;
    double totalMs = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        run();
        waitForRun(*window);
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
            measureResponsiveness();
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
