// grid: the reference table, sorted, one TAB-separated line per ingredient.

#include "cli/cli_commands.h"
#include "cli/output_buffer.h"
#include "reference_table/grid_model.h"

#include <QCommandLineParser>

namespace qor {

int cmdGrid(CliContext &ctx, const QStringList &args) {
    QCommandLineParser parser;
    const QString name = QStringLiteral("grid");
    const QCommandLineOption sortOpt(QStringLiteral("sort"), QString(), QStringLiteral("CODE"));
    parser.addOption(sortOpt);
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(name, QStringLiteral("takes only --sort"));
    std::int32_t code = 0;
    if (parser.isSet(sortOpt) && !parseInt32(parser.value(sortOpt), code))
        return ctx.usageError(name,
                              QStringLiteral("--sort: not an integer: \"%1\"").arg(parser.value(sortOpt)));
    if (!ctx.loadData())
        return kExitDataError;

    GridState grid;
    resetGridRowOrder(ctx.data, grid);
    grid.GridSortCode = code;
    SortGrid(ctx.data, ctx.strengths, grid);

    const QString point = QStringLiteral(".");
    OutputBuffer out(ctx.out);
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int column = 1; column <= kGridLastColumn; ++column) {
            if (column > 1)
                out << '\t';
            out << QStringView(GetGridData(ctx.data, ctx.strengths, grid, column, row, point));
        }
        out << '\n';
    }
    return kExitOk;
}

} // namespace qor
