// Saves a file the way the plan window does, for the kill tests:
//   save_writer stock PATH COUNT...   Stock.ini with the counts of ingredients 1, 2, ...
//   save_writer plan PATH CENTISECONDS  Plan.ini with that time limit
//   save_writer known PATH MASK...   Known.ini with the slot masks of ingredients 1, 2, ...
// Exits with 1 and the message on standard error when the save fails.

#include "brewing_plan/plan_settings_file.h"
#include "brewing_plan/stock_file.h"
#include "discovery/known_effects.h"

#include <QString>

#include <cstdio>
#include <cstring>

namespace {

int report(bool ok, const QString &message) {
    if (ok)
        return 0;
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3 || (std::strcmp(argv[1], "stock") != 0 && std::strcmp(argv[1], "plan") != 0 &&
                     std::strcmp(argv[1], "known") != 0)) {
        std::fprintf(stderr, "usage: save_writer stock PATH COUNT... | save_writer plan PATH CENTISECONDS | "
                             "save_writer known PATH MASK...\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "plan") == 0) {
        qor::PlanWindowSettings settings;
        if (argc > 3)
            settings.timeLimitCs = QByteArray(argv[3]).toInt();
        const qor::PlanSettingsResult r = qor::WritePlanSettings(path, settings);
        return report(r.ok(), r.message);
    }
    if (std::strcmp(argv[1], "known") == 0) {
        qor::KnownEffects known = qor::KnownEffects::empty(argc - 2);
        for (int k = 3; k < argc; ++k)
            known.learn(k - 2, std::uint8_t(QByteArray(argv[k]).toInt()));
        const qor::KnownResult r = qor::WriteKnown(path, known);
        return report(r.ok(), r.message);
    }
    qor::StockCounts counts{0};
    for (int k = 3; k < argc; ++k)
        counts.push_back(QByteArray(argv[k]).toInt());
    const qor::StockResult r = qor::WriteStock(path, counts);
    return report(r.ok(), r.message);
}
