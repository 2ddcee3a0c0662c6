// search-effects [conditions] [--sort CODE] [--available BITS] [--cells]:
// one forced search from effects into an empty list, printed in list order.
// With --settings FILE [--slot N] the skill settings, the sort code, the
// current ingredient set and a saved slot come from a settings file; options
// given on the command line win.

#include "cli/cli_commands.h"
#include "cli/cli_format.h"
#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "engine/search_from_effects.h"
#include "recipe_list/potion_cells.h"
#include "settings/settings_file.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <memory>

namespace qor {

namespace {

// The condition options of the command.
struct ConditionOptions {
    QCommandLineOption effect{QStringLiteral("effect"), QString(), QStringLiteral("K:E")};
    QCommandLineOption filter{QStringLiteral("filter"), QString(), QStringLiteral("K:F")};
    QCommandLineOption disable{QStringLiteral("disable"), QString(), QStringLiteral("K")};
    QCommandLineOption count{QStringLiteral("count"), QString(), QStringLiteral("M")};
    QCommandLineOption require1{QStringLiteral("require1"), QString(), QStringLiteral("I")};
    QCommandLineOption require2{QStringLiteral("require2"), QString(), QStringLiteral("I")};
    QCommandLineOption price{QStringLiteral("price"), QString(), QStringLiteral("LO:HI")};

    void addTo(QCommandLineParser &parser) const {
        parser.addOptions({effect, filter, disable, count, require1, require2, price});
    }
};

// "A:B" as two int32 values.
bool parsePair(const QString &text, std::int32_t &first, std::int32_t &second) {
    const QStringList parts = text.split(QLatin1Char(':'));
    return parts.size() == 2 && parseInt32(parts[0], first) && parseInt32(parts[1], second);
}

bool inRange(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return v >= lo && v <= hi;
}

// Applies the condition options, in the order given, on top of cond. Values
// are checked against the loaded tables; on failure error says why.
bool applyConditionOptions(const QCommandLineParser &parser, const ConditionOptions &opts,
                           const GameData &data, SearchConditions &cond, QString &error) {
    const auto badLine = [&](const QString &option, const QString &value) {
        error = QStringLiteral("--%1 %2: the line must be 1..5").arg(option, value);
        return false;
    };
    for (const QString &value : parser.values(opts.effect)) {
        std::int32_t line = 0;
        std::int32_t effect = 0;
        if (!parsePair(value, line, effect)) {
            error = QStringLiteral("--effect expects K:E, got \"%1\"").arg(value);
            return false;
        }
        if (!inRange(line, 1, kEffectLines))
            return badLine(QStringLiteral("effect"), value);
        if (!inRange(effect, 0, data.highestEffect())) {
            error = QStringLiteral("--effect %1: effect index outside 0..%2")
                        .arg(value)
                        .arg(data.highestEffect());
            return false;
        }
        cond.WantedEffect[std::size_t(line - 1)] = effect;
    }
    for (const QString &value : parser.values(opts.filter)) {
        std::int32_t line = 0;
        std::int32_t code = 0;
        if (!parsePair(value, line, code)) {
            error = QStringLiteral("--filter expects K:F, got \"%1\"").arg(value);
            return false;
        }
        if (!inRange(line, 1, kEffectLines))
            return badLine(QStringLiteral("filter"), value);
        if (!inRange(code, 0, data.FilterList.size() - 1)) {
            error = QStringLiteral("--filter %1: filter code outside 0..%2")
                        .arg(value)
                        .arg(data.FilterList.size() - 1);
            return false;
        }
        cond.FilterCode[std::size_t(line - 1)] = code;
    }
    for (const QString &value : parser.values(opts.disable)) {
        std::int32_t line = 0;
        if (!parseInt32(value, line) || !inRange(line, 1, kEffectLines))
            return badLine(QStringLiteral("disable"), value);
        cond.EffectEnabled[std::size_t(line - 1)] = false;
    }
    if (parser.isSet(opts.count)) {
        std::int32_t mode = 0;
        if (!parseInt32(parser.value(opts.count), mode) || !inRange(mode, 0, 2)) {
            error = QStringLiteral("--count must be 0 (pairs), 1 (triples) or 2 (both)");
            return false;
        }
        cond.ItemsCountMode = mode;
    }
    const struct {
        const QCommandLineOption &option;
        std::int32_t &item;
        bool &enabled;
    } required[] = {{opts.require1, cond.RequiredItem1, cond.RequiredItem1Enabled},
                    {opts.require2, cond.RequiredItem2, cond.RequiredItem2Enabled}};
    for (const auto &r : required) {
        if (!parser.isSet(r.option))
            continue;
        std::int32_t item = 0;
        if (!parseInt32(parser.value(r.option), item) || !inRange(item, 0, data.highestItem())) {
            error = QStringLiteral("--%1: ingredient index outside 0..%2")
                        .arg(r.option.names().first())
                        .arg(data.highestItem());
            return false;
        }
        r.item = item;
        r.enabled = true;
    }
    if (parser.isSet(opts.price)) {
        std::int32_t lo = 0;
        std::int32_t hi = 0;
        const std::int64_t last = std::int64_t(data.CostList.size()) - 1;
        if (!parsePair(parser.value(opts.price), lo, hi) || !inRange(lo, 0, last) || !inRange(hi, 0, last)) {
            error = QStringLiteral("--price expects LO:HI, two price step indices 0..%1").arg(last);
            return false;
        }
        cond.CostMinIndex = lo;
        cond.CostMaxIndex = hi;
        cond.CheckCost = true;
    }
    return true;
}

// A set line: "1" or "0" per ingredient index from 0; missing ones are not at hand.
bool parseAvailable(const QString &bits, int itemCount, std::vector<std::uint8_t> &available) {
    available.assign(std::size_t(itemCount), 0);
    for (qsizetype i = 0; i < bits.size(); ++i) {
        if (bits[i] != QLatin1Char('0') && bits[i] != QLatin1Char('1'))
            return false;
        if (i < itemCount)
            available[std::size_t(i)] = bits[i] == QLatin1Char('1') ? 1 : 0;
    }
    return true;
}

// Takes what the settings file holds for the search: skill settings the
// command line did not give (the strengths are recomputed), the sort code
// unless --sort was given, the current ingredient set, and the conditions of
// slot (when slot >= 0). Returns kExitOk or the exit code of a failure.
int applySettingsFile(CliContext &ctx, const QString &path, int slot, bool sortGiven, SearchConditions &cond,
                      std::vector<std::uint8_t> &available, std::int32_t &sortCode) {
    MainSettings settings;
    const SettingsResult read = ReadSettings(path, ctx.data.itemRecordCount(), settings);
    if (read.status == SettingsResult::Status::Missing) {
        ctx.err << "search-effects: " << path << ": no such file\n";
        return kExitDataError;
    }
    if (!read.ok()) {
        ctx.err << "search-effects: " << read.message << '\n';
        return kExitDataError;
    }
    const SkillSettings file = settings.block.clampedSkillSettings();
    SkillSettings &skills = ctx.skills;
    if (!ctx.skillsGiven.skill)
        skills.AlchemySkill = file.AlchemySkill;
    if (!ctx.skillsGiven.fortify)
        skills.AlchemyFortify = file.AlchemyFortify;
    if (!ctx.skillsGiven.ranks)
        skills.AlchemistRanks = file.AlchemistRanks;
    if (!ctx.skillsGiven.perks) {
        skills.PerkPhysician = file.PerkPhysician;
        skills.PerkBenefactor = file.PerkBenefactor;
        skills.PerkPoisoner = file.PerkPoisoner;
        skills.PerkPurity = file.PerkPurity;
    }
    ctx.strengths = RecalcItemEffects(ctx.data, skills);
    if (!sortGiven) {
        // A code from a damaged file that names no column leaves the list unsorted.
        const std::int32_t code = settings.block.get(Setting.PotionSortCode);
        sortCode = code >= -25 && code <= 25 ? code : 0;
    }
    available = settings.usedItems.ItemAvailable;
    if (slot >= 0)
        cond = settings.SearchSlots[std::size_t(slot)];
    return kExitOk;
}

} // namespace

int cmdSearchEffects(CliContext &ctx, const QStringList &args) {
    const QString name = QStringLiteral("search-effects");
    QCommandLineParser parser;
    const ConditionOptions conditionOpts;
    conditionOpts.addTo(parser);
    const QCommandLineOption sortOpt(QStringLiteral("sort"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption availableOpt(QStringLiteral("available"), QString(), QStringLiteral("BITS"));
    const QCommandLineOption cellsOpt(QStringLiteral("cells"));
    const QCommandLineOption settingsOpt(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption slotOpt(QStringLiteral("slot"), QString(), QStringLiteral("N"));
    parser.addOptions({sortOpt, availableOpt, cellsOpt, settingsOpt, slotOpt});
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    if (!parser.positionalArguments().isEmpty())
        return ctx.usageError(
            name, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    std::int32_t sortCode = 0;
    if (parser.isSet(sortOpt) &&
        (!parseInt32(parser.value(sortOpt), sortCode) || sortCode < -25 || sortCode > 25))
        return ctx.usageError(name, QStringLiteral("--sort expects a column code -25..25"));
    std::int32_t slot = -1;
    if (parser.isSet(slotOpt)) {
        if (!parser.isSet(settingsOpt))
            return ctx.usageError(name, QStringLiteral("--slot needs --settings"));
        if (!parseInt32(parser.value(slotOpt), slot) || slot < 0 || slot >= kSearchSlotCount)
            return ctx.usageError(name, QStringLiteral("--slot expects a slot 0..3"));
    }
    if (!ctx.loadData())
        return kExitDataError;

    SearchConditions cond;
    std::vector<std::uint8_t> available(std::size_t(ctx.data.itemRecordCount()), 1);
    if (parser.isSet(settingsOpt)) {
        const int code = applySettingsFile(ctx, parser.value(settingsOpt), slot, parser.isSet(sortOpt), cond,
                                           available, sortCode);
        if (code != kExitOk)
            return code;
    }
    QString error;
    if (!applyConditionOptions(parser, conditionOpts, ctx.data, cond, error))
        return ctx.usageError(name, error);
    if (parser.isSet(availableOpt) &&
        !parseAvailable(parser.value(availableOpt), ctx.data.itemRecordCount(), available))
        return ctx.usageError(name, QStringLiteral("--available expects a string of 0 and 1"));

    // The list is large; keep it off the stack.
    const auto list = std::make_unique<PotionList>();
    list->PotionSortCode = sortCode;
    SearshFromEffects(ctx.data, ctx.strengths, ctx.skills.PerkPurity, cond, available, true, *list);
    // The search stops at the list's capacity; whoever reads the output must
    // know that it may not hold every match.
    if (list->isFull())
        ctx.err << name << ": the list stopped at its capacity of " << MaxPotions
                << " recipes; more recipes may match\n";
    const bool cells = parser.isSet(cellsOpt);
    OutputBuffer out(ctx.out);
    for (int row = 0; row < list->PotionCount(); ++row) {
        if (!cells) {
            printPotionRecord(out, (*list)[row]);
            out << '\n';
            continue;
        }
        for (int column = 0; column < PotionColumn::Count; ++column) {
            if (column > 0)
                out << '\t';
            out << QStringView(GetPotionCellText(ctx.data, *list, row, column, false));
        }
        out << '\n';
    }
    return kExitOk;
}

} // namespace qor
