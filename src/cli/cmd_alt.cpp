// alt: alternative making with the given ingredients and required effects.

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "engine/alt_making.h"
#include "engine/potion_list.h"

#include <QCommandLineParser>

#include <memory>

namespace qor {

namespace {

void printLine(OutputBuffer &out, std::string_view label, const std::vector<std::int32_t> &values) {
    out << label;
    for (std::int32_t v : values)
        out << ' ' << v;
    out << '\n';
}

} // namespace

int cmdAlt(CliContext &ctx, const QStringList &args) {
    QCommandLineParser parser;
    const QString name = QStringLiteral("alt");
    const QCommandLineOption itemOpt(QStringLiteral("item"), QString(), QStringLiteral("I"));
    const QCommandLineOption effectOpt(QStringLiteral("effect"), QString(), QStringLiteral("E"));
    parser.addOptions({itemOpt, effectOpt});
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(name, QStringLiteral("takes only --item and --effect"));

    std::vector<std::int32_t> items;
    std::vector<std::int32_t> effects;
    for (const auto &[option, target] : {std::pair{&itemOpt, &items}, std::pair{&effectOpt, &effects}}) {
        for (const QString &text : parser.values(*option)) {
            std::int32_t v = 0;
            if (!parseInt32(text, v))
                return ctx.usageError(
                    name, QStringLiteral("--%1: not an integer: \"%2\"").arg(option->names().first(), text));
            target->push_back(v);
        }
    }
    if (!ctx.loadData())
        return kExitDataError;

    const auto list = std::make_unique<PotionList>();
    AltMaking alt;
    AltSelection selection;
    selection.candidates = alt.preparePage(ctx.data, -1);
    // Refused additions are ignored, as on the page. The outcome does not
    // depend on how items and effects interleave: each list refuses only by
    // its own content.
    for (std::int32_t item : items)
        alt.AltAddItem(ctx.data, ctx.strengths, ctx.skills.PerkPurity, *list, item, selection);
    for (std::int32_t effect : effects)
        alt.AltAddEffect(ctx.data, ctx.strengths, ctx.skills.PerkPurity, *list, effect, selection);

    OutputBuffer out(ctx.out);
    printLine(out, "items", alt.AltItems);
    printLine(out, "effects", alt.AltEffects);
    printLine(out, "reachable", alt.reachableEffects(true));
    printLine(out, "unreachable", alt.reachableEffects(false));
    printLine(out, "candidates", alt.AltCandidates);
    if (list->PotionCount() > 0) {
        out << "potion ";
        printPotionRecord(out, (*list)[0]);
        out << '\n';
    } else {
        out << "potion none\n";
    }
    return kExitOk;
}

} // namespace qor
