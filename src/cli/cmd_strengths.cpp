// strengths: the stored strengths of every ingredient slot, one line each.

#include "cli/cli_commands.h"
#include "cli/output_buffer.h"

#include <QCommandLineParser>

namespace qor {

int cmdStrengths(CliContext &ctx, const QStringList &args) {
    QCommandLineParser parser;
    const QString name = QStringLiteral("strengths");
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(name, QStringLiteral("takes no arguments"));
    if (!ctx.loadData())
        return kExitDataError;

    OutputBuffer out(ctx.out);
    const int count = ctx.data.itemRecordCount();
    for (int i = 1; i < count; ++i) {
        const TItemRec &item = ctx.data.ItemTable[std::size_t(i)];
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const TItemEffect &e = item.Eff[std::size_t(j)];
            const SlotStrength &s = ctx.strengths.slot(i, j);
            out << i << ' ' << (j + 1) << ' ' << e.Effect << ' ' << e.BasePower << ' ' << e.BaseTime << ' '
                << s.Power << ' ' << s.Time << ' ' << s.Cost << ' ' << s.PowerPlain << ' ' << s.TimePlain
                << ' ' << s.CostPlain << '\n';
        }
    }
    return kExitOk;
}

} // namespace qor
