#pragma once
// What the commands that run a solver (plan, discover) read alike: their
// options with --time-limit, a required file option, no positional
// arguments, and a stock file that must be there.

#include "brewing_plan/plan_solver.h"
#include "brewing_plan/stock_file.h"
#include "cli/cli_context.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

namespace qor {

// Adds --time-limit to the parser's options and parses args: nothing when
// they are right (control's time limit set), otherwise the exit code after
// the usage error is printed.
std::optional<int> parseSolveOptions(CliContext &ctx, const QString &command, QCommandLineParser &parser,
                                     const QStringList &args, const QCommandLineOption &required,
                                     PlanSolveControl &control);

// Reads the stock file of a command line; a missing or damaged one is
// reported and false.
bool readStockOption(CliContext &ctx, const QString &command, const QString &path, StockCounts &stock);

} // namespace qor
