// CPU cost of waiting for a reply in real time: WaitForBytes on a silent line polls the
// driver every millisecond and pumps the Qt event loop at each poll. The counter
// cpu_percent is the share of one core the wait takes.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTimer>
#include <ctime>

#include "link/link.h"
#include "sim/memory_window.h"
#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "ui/qt_pump.h"

namespace {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_WaitOnSilentLine(benchmark::State& state) {
    ksm::SteadyClock clock;
    ksm::sim::SimBus bus(clock);
    bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    ksm::sim::SimDriver driver(bus);
    ksm::ConsoleTextModel pane;
    ksm::Console console(pane);
    ksm::sim::MemoryWindow window(clock);
    ksm::ui::QtMessagePump pump;
    ksm::Link link(driver, clock, pump, console, window);
    // A window's worth of timer traffic, so the pump has something to do.
    QTimer repaint;
    repaint.start(16);
    link.ConnectInterface();

    const auto timeout_ms = static_cast<std::uint16_t>(state.range(0));
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        double cpu_start = ProcessCpuSeconds();
        std::uint64_t wall_start = clock.NowUs();
        benchmark::DoNotOptimize(link.WaitForBytes(1, timeout_ms));
        cpu += ProcessCpuSeconds() - cpu_start;
        wall += static_cast<double>(clock.NowUs() - wall_start) * 1e-6;
    }
    state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0.0;
}
BENCHMARK(BM_WaitOnSilentLine)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
