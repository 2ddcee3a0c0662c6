// Start-up of the main window to the window shown, and a condition change
// to the recipe list repainted, with the bundled data beside the benchmark.

#include "common_ui/platform_adapter.h"
#include "main_window/ui/form_main.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QApplication>
#include <QFile>

#include "bench_app.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void application() {
    qor::bench::ensureUiApp();
}

qor::FormOptions benchOptions() {
    qor::FormOptions options;
    options.dataDir = QCoreApplication::applicationDirPath() + QStringLiteral("/Files/");
    options.scriptedDialogs = true;
    return options;
}

// Resident memory in kB from /proc/self/status.
double residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

void BM_StartupToShown(benchmark::State &state) {
    application();
    for (auto _ : state) {
        auto form = std::make_unique<qor::TFormMain>(benchOptions());
        form->show();
        QApplication::processEvents();
        state.PauseTiming();
        if (!form->startupError().isEmpty()) {
            state.SkipWithError(form->startupError().toUtf8().constData());
            break;
        }
        form->state().SkipSaveOnExit = true;
        form.reset();
        state.ResumeTiming();
    }
    auto form = std::make_unique<qor::TFormMain>(benchOptions());
    form->show();
    QApplication::processEvents();
    state.counters["VmRSS_kB"] = residentKb();
    form->state().SkipSaveOnExit = true;
}
BENCHMARK(BM_StartupToShown)->Unit(benchmark::kMillisecond)->Iterations(10);

// Alternates the first effect line between two effects (the second line
// asks for any second effect, a typical two-effect request) and repaints.
void BM_ConditionChangeToRepaint(benchmark::State &state) {
    application();
    auto form = std::make_unique<qor::TFormMain>(benchOptions());
    form->resize(1280, 1000);
    form->show();
    QApplication::processEvents();
    // The controls by their object names: the window keeps its members private.
    auto *filter = form->findChild<qor::ChooserComboBox *>(QStringLiteral("CbFilter2"));
    auto *wanted = form->findChild<qor::ChooserComboBox *>(QStringLiteral("CbEffect1"));
    auto *list = form->findChild<qor::PotionListView *>(QStringLiteral("LBPotion"));
    if (!filter || !wanted || !list) {
        state.SkipWithError("controls not found");
        return;
    }
    filter->setCurrentIndex(static_cast<int>(state.range(0)));
    int effect = 1;
    for (auto _ : state) {
        effect = effect == 1 ? 2 : 1;
        wanted->setCurrentIndex(effect);
        list->viewport()->repaint();
    }
    state.counters["recipes"] = form->state().session.recipes().PotionCount();
    form->state().SkipSaveOnExit = true;
}
// Filter 0: one wanted effect; 2: "Любой" on the second line.
BENCHMARK(BM_ConditionChangeToRepaint)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
