#pragma once
// What a command of qor-alchemy-cli works with: the output streams, the data
// folder with its loaded tables and the skill settings from the global
// options. Commands parse their own options and load the data when they need it.

#include "engine/effect_strength.h"
#include "game_data/game_data.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;
class QTextStream;

namespace qor {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1; // the data could not be loaded
inline constexpr int kExitUsage = 2;     // bad command line

struct CliContext {
    QTextStream &out;
    QTextStream &err;
    QString dataDir; // ends with a path separator
    GameData data;
    SkillSettings skills;
    EffectStrengths strengths; // of data for skills, once loaded
    bool dataLoaded = false;
    // Which skill options the command line gave; they win over the skill
    // settings of a settings file (search-effects --settings).
    struct SkillOptionsGiven {
        bool skill = false;
        bool fortify = false;
        bool ranks = false;
        bool perks = false;
    } skillsGiven;

    // Loads the data folder into data (once) and computes the strengths for
    // skills. On failure prints the error to err and returns false; the
    // command then returns kExitDataError.
    bool loadData();

    // Parses a command's own arguments (without a program name in front).
    // On failure prints the parser's message to err and returns false; the
    // command then returns kExitUsage.
    bool parseArgs(QCommandLineParser &parser, const QStringList &args, const QString &command);
    // The same for a command whose options take no values and whose
    // positional arguments are numbers: a negative number ("-1") is a
    // positional argument, not an unknown option. The positional arguments,
    // in order, go to positional.
    bool parseNumberArgs(QCommandLineParser &parser, const QStringList &args, const QString &command,
                         QStringList &positional);

    // Prints "<command>: <message>" to err and returns kExitUsage.
    int usageError(const QString &command, const QString &message);
};

// "Files/" beside the running executable.
QString defaultDataDir();

// Parses an int32 written in decimal; false for anything else, out of range included.
bool parseInt32(const QString &text, std::int32_t &value);

} // namespace qor
