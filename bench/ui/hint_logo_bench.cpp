// The cell-hint builder's cost per mouse move over the recipe list, and the
// processor time the logo animation takes per second of running.

#include "common_ui/platform_adapter.h"
#include "main_window/ui/form_main.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "visuals/ui/logo_animation.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include "bench_app.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

double processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Mouse moves over the ingredient column of a filled recipe list, every
// cell cut short, alternating between rows so that each move builds and
// places a new hint (the costly case).
void BM_CellHintPerMouseMove(benchmark::State &state) {
    qor::bench::ensureUiApp();
    qor::FormOptions options;
    options.dataDir = QCoreApplication::applicationDirPath() + QStringLiteral("/Files/");
    options.scriptedDialogs = true;
    auto form = std::make_unique<qor::TFormMain>(options);
    form->state().SkipSaveOnExit = true;
    form->resize(1000, 760);
    form->show();
    QApplication::processEvents();
    if (!form->startupError().isEmpty()) {
        state.SkipWithError("start-up failed");
        return;
    }
    QAction *hints = form->action(QStringLiteral("MenuShowHints"));
    if (!hints->isChecked())
        hints->trigger();
    auto *filter1 = form->findChild<qor::ChooserComboBox *>(QStringLiteral("CbFilter1"));
    auto *filter2 = form->findChild<qor::ChooserComboBox *>(QStringLiteral("CbFilter2"));
    auto *list = form->findChild<qor::PotionListView *>(QStringLiteral("LBPotion"));
    auto *header = form->findChild<qor::PotionHeader *>(QStringLiteral("Header"));
    if (!filter1 || !filter2 || !list || !header) {
        state.SkipWithError("controls not found");
        return;
    }
    filter1->setCurrentIndex(2);
    filter2->setCurrentIndex(2);
    header->resizeSection(3, 30);
    QApplication::processEvents();
    QWidget *viewport = list->viewport();
    const int x = header->sectionLeft(3) + 15;
    const int h = list->itemHeight();
    int k = 0;
    for (auto _ : state) {
        const QPoint pos(x, (k++ % 4) * h + h / 2);
        QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
}
BENCHMARK(BM_CellHintPerMouseMove)->Unit(benchmark::kMicrosecond);

// One step of the logo: the colour drift and the frame drawn, at the
// default picture panel's size.
void BM_LogoStep(benchmark::State &state) {
    qor::bench::ensureUiApp();
    qor::LogoAnimation logo;
    logo.resize(147, 110);
    QFont font(QStringLiteral("Monotype Corsiva"));
    font.setPixelSize(60);
    font.setBold(true);
    font.setItalic(true);
    logo.start(font, Qt::white, 1);
    logo.stop();
    for (auto _ : state)
        logo.TimerLogoTimer();
}
BENCHMARK(BM_LogoStep)->Unit(benchmark::kMicrosecond);

// The logo running on its timer for a second, shown and repainted: the
// share of one core the process used meanwhile.
void BM_LogoCpuPerSecond(benchmark::State &state) {
    qor::bench::ensureUiApp();
    QWidget panel;
    panel.resize(147, 110);
    auto *logo = new qor::LogoAnimation(&panel);
    logo->resize(panel.size());
    panel.show();
    QApplication::processEvents();
    QFont font(QStringLiteral("Monotype Corsiva"));
    font.setPixelSize(60);
    font.setBold(true);
    font.setItalic(true);
    double cpuShare = 0;
    for (auto _ : state) {
        logo->start(font, Qt::white, 7);
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = processCpuSeconds();
        loop.exec();
        cpuShare = (processCpuSeconds() - cpu0) / (static_cast<double>(wall.nsecsElapsed()) * 1e-9);
        logo->stop();
    }
    state.counters["cpu_percent_of_core"] = cpuShare * 100.0;
    state.counters["step_interval_ms"] = logo->stepIntervalMs();
}
BENCHMARK(BM_LogoCpuPerSecond)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
