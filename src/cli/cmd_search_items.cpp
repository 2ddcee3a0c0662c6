// search-items: the search from ingredients with three chooser values.

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "engine/potion_list.h"
#include "engine/search_from_items.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <memory>

namespace qor {

int cmdSearchItems(CliContext &ctx, const QStringList &args) {
    QCommandLineParser parser;
    const QString name = QStringLiteral("search-items");
    QStringList values;
    if (!ctx.parseNumberArgs(parser, args, name, values))
        return kExitUsage;
    if (values.size() != 3)
        return ctx.usageError(name, QStringLiteral("expects three ingredient indices I1 I2 I3"));
    std::array<int, 3> items{};
    for (int k = 0; k < 3; ++k) {
        std::int32_t v = 0;
        if (!parseInt32(values[k], v))
            return ctx.usageError(name, QStringLiteral("not an ingredient index: \"%1\"").arg(values[k]));
        items[std::size_t(k)] = v;
    }
    if (!ctx.loadData())
        return kExitDataError;
    for (int item : items) {
        if (item < 0 || item > ctx.data.highestItem())
            return ctx.usageError(
                name,
                QStringLiteral("ingredient index %1 outside 0..%2").arg(item).arg(ctx.data.highestItem()));
    }

    // The list is large; keep it off the stack.
    const auto list = std::make_unique<PotionList>();
    if (SearshFromItems(ctx.data, ctx.strengths, ctx.skills.PerkPurity, items, true, *list)) {
        OutputBuffer out(ctx.out);
        printPotionRecord(out, (*list)[0]);
        out << '\n';
    }
    return kExitOk;
}

} // namespace qor
