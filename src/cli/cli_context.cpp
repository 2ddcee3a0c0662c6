#include "cli/cli_context.h"

#include "game_data/data_loader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace qor {

bool CliContext::loadData() {
    if (dataLoaded)
        return true;
    data = GameData{};
    if (const std::optional<DataError> error = loadGameData(dataDir, data)) {
        err << error->toText() << '\n';
        err.flush();
        return false;
    }
    strengths = RecalcItemEffects(data, skills);
    dataLoaded = true;
    return true;
}

bool CliContext::parseArgs(QCommandLineParser &parser, const QStringList &args, const QString &command) {
    QStringList argv;
    argv.reserve(args.size() + 1);
    argv << command << args;
    if (!parser.parse(argv)) {
        usageError(command, parser.errorText());
        return false;
    }
    return true;
}

namespace {

bool isNegativeNumber(const QString &arg) {
    return arg.size() > 1 && arg.front() == u'-' &&
           std::all_of(arg.begin() + 1, arg.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

bool CliContext::parseNumberArgs(QCommandLineParser &parser, const QStringList &args, const QString &command,
                                 QStringList &positional) {
    QStringList rest;
    positional.clear();
    bool optionsEnded = false;
    for (const QString &arg : args) {
        if (optionsEnded) {
            positional << arg;
        } else if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (isNegativeNumber(arg) || !arg.startsWith(u'-')) {
            positional << arg;
        } else {
            rest << arg;
        }
    }
    // The parser sees only the options, so that it still refuses unknown ones.
    return parseArgs(parser, rest, command);
}

int CliContext::usageError(const QString &command, const QString &message) {
    err << command << ": " << message << '\n';
    err.flush();
    return kExitUsage;
}

QString defaultDataDir() {
    QString exeDir;
    if (QCoreApplication::instance()) {
        exeDir = QCoreApplication::applicationDirPath();
    } else {
        // Without an application object (tests run commands in-process).
        const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
        exeDir = QFileInfo(exe).absolutePath();
    }
    return exeDir + QStringLiteral("/Files/");
}

bool parseInt32(const QString &text, std::int32_t &value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = v;
    return ok;
}

} // namespace qor
