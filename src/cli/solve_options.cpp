#include "cli/solve_options.h"

#include <QTextStream>

namespace qor {

std::optional<int> parseSolveOptions(CliContext &ctx, const QString &command, QCommandLineParser &parser,
                                     const QStringList &args, const QCommandLineOption &required,
                                     PlanSolveControl &control) {
    const QCommandLineOption timeOpt(QStringLiteral("time-limit"), QString(), QStringLiteral("S"));
    parser.addOption(timeOpt);
    if (!ctx.parseArgs(parser, args, command))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(command, QStringLiteral("takes no positional arguments"));
    if (!parser.isSet(required))
        return ctx.usageError(
            command,
            QStringLiteral("--%1 %2 is required").arg(required.names().constFirst(), required.valueName()));
    if (parser.isSet(timeOpt)) {
        bool ok = false;
        control.timeLimitSeconds = parser.value(timeOpt).toDouble(&ok);
        if (!ok || !(control.timeLimitSeconds > 0.0) || control.timeLimitSeconds > 86400.0)
            return ctx.usageError(command,
                                  QStringLiteral("--time-limit must be a number of seconds in (0, 86400]"));
    }
    return std::nullopt;
}

bool readStockOption(CliContext &ctx, const QString &command, const QString &path, StockCounts &stock) {
    const StockResult read = ReadStock(path, ctx.data.itemRecordCount(), stock);
    if (read.status == StockResult::Status::Missing) {
        ctx.err << command << ": " << path << QStringLiteral(": файл запаса не найден") << '\n';
        return false;
    }
    if (!read.ok()) {
        ctx.err << command << ": " << read.message << '\n';
        return false;
    }
    return true;
}

} // namespace qor
