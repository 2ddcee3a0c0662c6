// The experiments window's "Прервать": from the cancel to the plan shown,
// on the bundled data with nothing known and any number of ingredients,
// cancelled a while after the start (the argument, in milliseconds), so that
// the cancel meets the solve in its different phases.

#include "discovery/ui/discovery_window.h"
#include "game_data/data_loader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include "bench_app.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace {

void BM_DiscoveryCancelToPlanShown(benchmark::State &state) {
    qor::bench::ensureUiApp();
    qor::GameData data;
    if (loadGameData(QCoreApplication::applicationDirPath() + QStringLiteral("/Files/"), data)) {
        state.SkipWithError("the bundled data folder is not beside the benchmark");
        return;
    }
    QTemporaryDir settings;
    const qor::EffectStrengths strengths = qor::RecalcItemEffects(data, qor::SkillSettings{});
    qor::KnownStore store(data, strengths, settings.path());
    store.load();
    qor::DiscoveryWindow window(store, settings.path());
    window.show();
    int finishedFirst = 0;
    for (auto _ : state) {
        window.recompute();
        std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
        QEventLoop loop;
        QObject::connect(&window, &qor::DiscoveryWindow::planFinished, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        window.cancelSolve();
        loop.exec();
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
        // A solve that ended before the cancel measures only the event loop.
        finishedFirst += !window.findChild<QObject *>(QStringLiteral("DiscoverySummary"))
                              ->property("text")
                              .toString()
                              .contains(QStringLiteral("прерван"));
    }
    state.counters["finished_before_cancel"] = finishedFirst;
}
// The single experiments the worker lists before the plan: every brew of
// the bundled data enumerated, a phase the cancel waits for.
void BM_DiscoveryBestExperiments(benchmark::State &state) {
    qor::bench::ensureUiApp();
    qor::GameData data;
    if (loadGameData(QCoreApplication::applicationDirPath() + QStringLiteral("/Files/"), data)) {
        state.SkipWithError("the bundled data folder is not beside the benchmark");
        return;
    }
    const qor::EffectStrengths strengths = qor::RecalcItemEffects(data, qor::SkillSettings{});
    const qor::KnownEffects known = qor::KnownEffects::empty(data.itemRecordCount());
    for (auto _ : state)
        benchmark::DoNotOptimize(qor::BestExperiments(data, strengths, known, {}, 15));
}
BENCHMARK(BM_DiscoveryBestExperiments)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_DiscoveryCancelToPlanShown)
    ->Arg(0)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
