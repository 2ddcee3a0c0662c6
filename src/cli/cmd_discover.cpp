// discover --known FILE [--stock FILE] [--max-brews N] [--eat] [--time-limit S]:
// the fewest brews (and eatings) that show every unknown effect that can be
// shown. Format: docs/discovery.md.

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "discovery/discovery_plan.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace qor {

namespace {

// "ITEM:SLOTS" with the slots as 1-based digits, as Known.ini writes them.
QString slotsText(std::int32_t item, std::uint8_t slots) {
    QString text = QString::number(item) + u':';
    for (int s = 0; s < kSlotsPerItem; ++s) {
        if ((slots & (1u << s)) != 0)
            text += QChar(u'1' + s);
    }
    return text;
}

} // namespace

int cmdDiscover(CliContext &ctx, const QStringList &args) {
    const QString name = QStringLiteral("discover");
    QCommandLineParser parser;
    const QCommandLineOption knownOpt(QStringLiteral("known"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption stockOpt(QStringLiteral("stock"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption maxOpt(QStringLiteral("max-brews"), QString(), QStringLiteral("N"));
    const QCommandLineOption eatOpt(QStringLiteral("eat"));
    const QCommandLineOption timeOpt(QStringLiteral("time-limit"), QString(), QStringLiteral("S"));
    parser.addOptions({knownOpt, stockOpt, maxOpt, eatOpt, timeOpt});
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(name, QStringLiteral("takes no positional arguments"));
    if (!parser.isSet(knownOpt))
        return ctx.usageError(name, QStringLiteral("--known FILE is required"));
    DiscoveryOptions options;
    options.eating = parser.isSet(eatOpt);
    if (parser.isSet(maxOpt) && (!parseInt32(parser.value(maxOpt), options.maxBrews) ||
                                 options.maxBrews < 0 || options.maxBrews > 10000))
        return ctx.usageError(name, QStringLiteral("--max-brews must be 0..10000"));
    PlanSolveControl control;
    control.timeLimitSeconds = 10.0;
    if (parser.isSet(timeOpt)) {
        bool ok = false;
        control.timeLimitSeconds = parser.value(timeOpt).toDouble(&ok);
        if (!ok || !(control.timeLimitSeconds > 0.0) || control.timeLimitSeconds > 86400.0)
            return ctx.usageError(name,
                                  QStringLiteral("--time-limit must be a number of seconds in (0, 86400]"));
    }

    if (!ctx.loadData())
        return kExitDataError;
    KnownEffects known;
    // A file not there yet is nothing known, as for the window.
    const KnownResult read = ReadKnown(parser.value(knownOpt), ctx.data.itemRecordCount(), known);
    if (read.status == KnownResult::Status::Error) {
        ctx.err << name << ": " << read.message << '\n';
        return kExitDataError;
    }
    StockCounts stock;
    if (parser.isSet(stockOpt)) {
        const StockResult r = ReadStock(parser.value(stockOpt), ctx.data.itemRecordCount(), stock);
        if (r.status == StockResult::Status::Missing) {
            ctx.err << name << ": " << parser.value(stockOpt) << QStringLiteral(": файл запаса не найден")
                    << '\n';
            return kExitDataError;
        }
        if (!r.ok()) {
            ctx.err << name << ": " << r.message << '\n';
            return kExitDataError;
        }
        options.stock = &stock;
    }

    const auto solver = CreateCoverSolver();
    const DiscoveryPlan plan = PlanDiscovery(ctx.data, ctx.strengths, known, options, *solver, control);
    if (plan.status == PlanSolveStatus::Failed && !plan.error.isEmpty())
        ctx.err << name << ": " << plan.error << '\n';
    for (const DiscoveryStep &s : plan.steps) {
        if (s.eat) {
            ctx.out << "eat " << s.items[0] << ' ' << slotsText(s.items[0], s.fresh[0]) << '\n';
            continue;
        }
        ctx.out << "brew " << s.items[0] << ' ' << s.items[1] << ' ' << s.items[2];
        for (std::size_t k = 0; k < 3; ++k) {
            if (s.fresh[k] != 0)
                ctx.out << ' ' << slotsText(s.items[k], s.fresh[k]);
        }
        ctx.out << '\n';
    }
    for (const EffectSlot &u : plan.unrevealable)
        ctx.out << "unrevealable " << slotsText(u.item, std::uint8_t(1u << u.slot)) << '\n';
    ctx.out << "unknown " << plan.unknownCount << '\n'
            << "revealable " << plan.revealableCount << '\n'
            << "revealed " << plan.revealedCount << '\n'
            << "brews " << plan.brews << '\n'
            << "eatings " << plan.eatings << '\n'
            << "bound ";
    if (plan.lowerBound < 0)
        ctx.out << "unknown";
    else
        ctx.out << plan.lowerBound;
    ctx.out << '\n' << "status " << planStatusName(plan.status) << '\n';
    return kExitOk;
}

} // namespace qor
