#pragma once
// The commands of qor-alchemy-cli. Each takes the arguments after its name;
// the table in cli_app.cpp maps names to these functions.

#include "cli/cli_context.h"

namespace qor {

using CliCommand = int (*)(CliContext &ctx, const QStringList &args);

int cmdStrengths(CliContext &ctx, const QStringList &args);
int cmdEvaluate(CliContext &ctx, const QStringList &args);
int cmdSearchEffects(CliContext &ctx, const QStringList &args);
int cmdSearchItems(CliContext &ctx, const QStringList &args);
int cmdAlt(CliContext &ctx, const QStringList &args);
int cmdGrid(CliContext &ctx, const QStringList &args);
int cmdSettingsRewrite(CliContext &ctx, const QStringList &args);
int cmdPlan(CliContext &ctx, const QStringList &args);
int cmdDiscover(CliContext &ctx, const QStringList &args);

} // namespace qor
