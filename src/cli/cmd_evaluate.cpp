// evaluate [--strict] I1 I2 [I3]: one EvaluatePotion call.

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "engine/evaluate_potion.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace qor {

int cmdEvaluate(CliContext &ctx, const QStringList &args) {
    const QString name = QStringLiteral("evaluate");
    QCommandLineParser parser;
    const QCommandLineOption strictOpt(QStringLiteral("strict"));
    parser.addOption(strictOpt);
    QStringList values;
    if (!ctx.parseNumberArgs(parser, args, name, values))
        return kExitUsage;
    if (values.size() < 2 || values.size() > 3)
        return ctx.usageError(name, QStringLiteral("expects two or three ingredient indices I1 I2 [I3]"));
    std::array<std::int32_t, 3> items{};
    for (qsizetype k = 0; k < values.size(); ++k) {
        if (!parseInt32(values[k], items[std::size_t(k)]))
            return ctx.usageError(name, QStringLiteral("not an ingredient index: \"%1\"").arg(values[k]));
    }
    if (!ctx.loadData())
        return kExitDataError;
    for (std::int32_t item : items) {
        if (item < 0 || item > ctx.data.highestItem()) {
            return ctx.usageError(
                name,
                QStringLiteral("ingredient index %1 outside 0..%2").arg(item).arg(ctx.data.highestItem()));
        }
    }

    TPotionRec rec;
    OutputBuffer out(ctx.out);
    if (EvaluatePotion(ctx.data, ctx.strengths, ctx.skills.PerkPurity, rec, items[0], items[1], items[2],
                       parser.isSet(strictOpt))) {
        printPotionRecord(out, rec);
        out << '\n';
    } else {
        out << "none\n";
    }
    return kExitOk;
}

} // namespace qor
