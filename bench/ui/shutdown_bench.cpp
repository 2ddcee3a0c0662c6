// Shutdown of the main window: from the exit command to the window gone,
// with Main.ini written, on a copy of the bundled data so that the copy
// beside the benchmark stays as it is.

#include "main_window/ui/form_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench_app.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The data files of the bundled folder copied into dir; false when one is missing.
bool copyDataFolder(const QString &from, const QString &to) {
    const QDir source(from);
    const QStringList files = source.entryList(QDir::Files);
    if (files.isEmpty())
        return false;
    for (const QString &name : files) {
        if (!QFile::copy(source.filePath(name), to + name))
            return false;
    }
    return true;
}

std::unique_ptr<qor::TFormMain> shownForm(const QString &dataDir) {
    qor::FormOptions options;
    options.dataDir = dataDir;
    options.scriptedDialogs = true;
    auto form = std::make_unique<qor::TFormMain>(options);
    form->resize(1024, 740);
    form->show();
    QApplication::processEvents();
    return form;
}

// "Выход" with every tool window open, as a player leaves: the settings are
// collected and written, the windows and tables released.
void BM_ExitCommandToWindowGone(benchmark::State &state) {
    qor::bench::ensureUiApp();
    QTemporaryDir dir;
    const QString dataDir = dir.path() + QStringLiteral("/");
    if (!dir.isValid() ||
        !copyDataFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/Files/"), dataDir)) {
        state.SkipWithError("the bundled data folder is not beside the benchmark");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto form = shownForm(dataDir);
        if (!form->startupError().isEmpty()) {
            state.SkipWithError(form->startupError().toUtf8().constData());
            break;
        }
        for (const char *window : {"MenuShowFormFavorites", "MenuShowUsedItemsList"}) {
            if (QAction *show = form->action(QString::fromLatin1(window)); show && !show->isChecked())
                show->trigger();
        }
        QApplication::processEvents();
        state.ResumeTiming();
        form->action(QStringLiteral("MenuExit"))->trigger();
        QApplication::processEvents();
        form.reset();
    }
    state.counters["Main.ini_bytes"] =
        static_cast<double>(QFile(dataDir + QStringLiteral("Main.ini")).size());
}
BENCHMARK(BM_ExitCommandToWindowGone)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
