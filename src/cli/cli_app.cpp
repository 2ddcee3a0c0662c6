#include "cli/cli_app.h"

#include "cli/cli_commands.h"
#include "cli/cli_context.h"
#include "settings/settings_block.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <array>
#include <string_view>

namespace qor {

namespace {

struct CommandEntry {
    std::string_view name;
    CliCommand run;
};

// One line per command.
// clang-format off
constexpr CommandEntry kCommands[] = {
    {"strengths", &cmdStrengths},
    {"evaluate", &cmdEvaluate},
    {"search-effects", &cmdSearchEffects},
    {"search-items", &cmdSearchItems},
    {"alt", &cmdAlt},
    {"grid", &cmdGrid},
    {"settings-rewrite", &cmdSettingsRewrite},
    {"plan", &cmdPlan},
    {"discover", &cmdDiscover},
};
// clang-format on

struct PerkName {
    QLatin1StringView name;
    bool SkillSettings::*flag;
};

const std::array<PerkName, 4> kPerks{{
    {QLatin1StringView("physician"), &SkillSettings::PerkPhysician},
    {QLatin1StringView("benefactor"), &SkillSettings::PerkBenefactor},
    {QLatin1StringView("poisoner"), &SkillSettings::PerkPoisoner},
    {QLatin1StringView("purity"), &SkillSettings::PerkPurity},
}};

void printUsage(QTextStream &s) {
    s << "Usage: qor-alchemy-cli [--data DIR] [--skill N] [--fortify N] [--ranks N] [--perks LIST] "
         "COMMAND [ARGS]\n"
      << "Perks: a comma-separated subset of physician,benefactor,poisoner,purity.\n"
      << "Commands:";
    for (const CommandEntry &c : kCommands)
        s << ' ' << QLatin1StringView(c.name.data(), qsizetype(c.name.size()));
    s << '\n';
}

const CommandEntry *findCommand(const QString &name) {
    for (const CommandEntry &c : kCommands) {
        if (name == QLatin1StringView(c.name.data(), qsizetype(c.name.size())))
            return &c;
    }
    return nullptr;
}

bool parsePerks(const QString &list, SkillSettings &skills, QString &bad) {
    const QStringList names = list.split(u',', Qt::SkipEmptyParts);
    for (const QString &raw : names) {
        const QString name = raw.trimmed();
        bool known = false;
        for (const PerkName &p : kPerks) {
            if (name == p.name) {
                skills.*p.flag = true;
                known = true;
            }
        }
        if (!known) {
            bad = name;
            return false;
        }
    }
    return true;
}

} // namespace

int runCli(const QStringList &args, QTextStream &out, QTextStream &err) {
    QCommandLineParser parser;
    // Options after the command name belong to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption dataOpt(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption skillOpt(QStringLiteral("skill"), QString(), QStringLiteral("N"));
    const QCommandLineOption fortifyOpt(QStringLiteral("fortify"), QString(), QStringLiteral("N"));
    const QCommandLineOption ranksOpt(QStringLiteral("ranks"), QString(), QStringLiteral("N"));
    const QCommandLineOption perksOpt(QStringLiteral("perks"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption helpOpt(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({dataOpt, skillOpt, fortifyOpt, ranksOpt, perksOpt, helpOpt});

    QStringList argv = args;
    if (argv.isEmpty())
        argv << QStringLiteral("qor-alchemy-cli");
    if (!parser.parse(argv)) {
        err << parser.errorText() << '\n';
        printUsage(err);
        err.flush();
        return kExitUsage;
    }
    if (parser.isSet(helpOpt)) {
        printUsage(out);
        out.flush();
        return kExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        err << "No command given.\n";
        printUsage(err);
        err.flush();
        return kExitUsage;
    }
    const CommandEntry *command = findCommand(positional.first());
    if (!command) {
        err << "Unknown command: " << positional.first() << '\n';
        printUsage(err);
        err.flush();
        return kExitUsage;
    }

    CliContext ctx{out, err, {}, {}, {}};
    ctx.dataDir = parser.isSet(dataOpt) ? parser.value(dataOpt) : defaultDataDir();
    if (!ctx.dataDir.isEmpty() && !ctx.dataDir.endsWith(u'/'))
        ctx.dataDir += u'/';

    // The ranges of the window's skill tab: beyond them the formulas give
    // meaningless strengths (a negative skill times a negative fortify).
    const struct {
        const QCommandLineOption &option;
        std::int32_t &field;
        const NumberKey &key;
    } numbers[] = {{skillOpt, ctx.skills.AlchemySkill, Setting.AlchemySkill},
                   {fortifyOpt, ctx.skills.AlchemyFortify, Setting.AlchemyFortify},
                   {ranksOpt, ctx.skills.AlchemistRanks, Setting.AlchemistRanks}};
    for (const auto &n : numbers) {
        if (!parser.isSet(n.option))
            continue;
        const QString name = n.option.names().first();
        const QString text = parser.value(n.option);
        if (!parseInt32(text, n.field)) {
            err << "--" << name << ": not a 32-bit integer: \"" << text << "\"\n";
            err.flush();
            return kExitUsage;
        }
        const SettingRange range = n.key.range();
        if (n.field < range.min || n.field > range.max) {
            err << "--" << name << ": " << n.field << " is outside " << range.min << ".." << range.max
                << '\n';
            err.flush();
            return kExitUsage;
        }
    }
    ctx.skillsGiven = {parser.isSet(skillOpt), parser.isSet(fortifyOpt), parser.isSet(ranksOpt),
                       parser.isSet(perksOpt)};
    QString badPerk;
    if (parser.isSet(perksOpt) && !parsePerks(parser.value(perksOpt), ctx.skills, badPerk)) {
        err << "--perks: unknown perk \"" << badPerk
            << "\" (known: physician, benefactor, poisoner, purity)\n";
        err.flush();
        return kExitUsage;
    }

    const int code = command->run(ctx, positional.mid(1));
    out.flush();
    err.flush();
    return code;
}

} // namespace qor
