// Live resizing of the window over the 663k-word list with a full results
// view: each step is one size change of the client area, with every control
// and font rescaled and the window repainted, as during a drag. The sweep
// goes from 0.6 to 2 times the design size and back, so fonts change size
// many times on the way.
#include "LargeListFolder.h"
#include "app/MainForm.h"
#include "app/WindowControls.h"
#include "fakes/FakeServices.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using namespace verbalia;

using Services = FakeServices;

TMainForm1* window = nullptr;

std::vector<QSize> sweep()
{
    std::vector<QSize> sizes;
    for (int step = 0; step <= 140; ++step) sizes.emplace_back(369 + step * 6, 273 + step * 9 / 2); // 0.6x .. 2x
    const std::vector<QSize> up = sizes;
    sizes.insert(sizes.end(), up.rbegin(), up.rend());
    return sizes;
}

void resizeStep(benchmark::State& state)
{
    const std::vector<QSize> sizes = sweep();
    std::size_t next = 0;
    double slowestMs = 0;
    int overFrame = 0;
    for (auto _ : state) {
        const QSize size = sizes[next++ % sizes.size()];
        const auto started = std::chrono::steady_clock::now();
        window->resize(size.width(), size.height() + window->menuBar()->height());
        window->repaint();
        QCoreApplication::processEvents();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        slowestMs = std::max(slowestMs, ms);
        if (ms > 16) ++overFrame;
    }
    state.counters["slowest_ms"] = slowestMs;
    state.counters["steps_over_16ms"] = overFrame;
    state.SetLabel("target: every step < 16 ms (one frame at 60 Hz)");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    const LargeListFolder folder("verbalia-resize-bench");
    if (!folder.ready()) return 1;

    int status = 0;
    {
        Services services(folder.path());
        TMainForm1 form(services.platform());
        window = &form;
        form.show();
        const SearchControls page = searchPage(form, wildcardPage);
        page.criteria->setEditText(QStringLiteral("*"));
        page.run->click();
        waitForRun(form);
        std::printf("known words: %zu; results view: %s\n", form.knownWords().size(), qPrintable(page.status->text()));
        if (form.knownWords().size() < 600000) {
            std::fprintf(stderr, "the word list did not load\n");
            status = 1;
        } else {
            benchmark::RegisterBenchmark("resize/step", resizeStep)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(int(sweep().size()));
            benchmark::RunSpecifiedBenchmarks();
        }
        form.close();
        window = nullptr;
    }
    benchmark::Shutdown();
    return status;
}
