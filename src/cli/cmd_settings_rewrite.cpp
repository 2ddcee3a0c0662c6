// settings-rewrite IN OUT: reads a settings file for the ingredient count of
// the data folder and writes it again. A file the program wrote comes out
// byte for byte the same.

#include "cli/cli_commands.h"

#include "settings/settings_file.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace qor {

int cmdSettingsRewrite(CliContext &ctx, const QStringList &args) {
    QCommandLineParser parser;
    const QString name = QStringLiteral("settings-rewrite");
    if (!ctx.parseArgs(parser, args, name))
        return kExitUsage;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return ctx.usageError(name, QStringLiteral("expects IN and OUT"));
    if (!ctx.loadData())
        return kExitDataError;

    MainSettings settings;
    const SettingsResult read = ReadSettings(files.at(0), ctx.data.itemRecordCount(), settings);
    if (read.status == SettingsResult::Status::Missing) {
        ctx.err << name << ": " << files.at(0) << ": no such file\n";
        return kExitDataError;
    }
    if (!read.ok()) {
        ctx.err << name << ": " << read.message << '\n';
        return kExitDataError;
    }
    const SettingsResult written = WriteSettings(files.at(1), settings);
    if (!written.ok()) {
        ctx.err << name << ": " << written.message << '\n';
        return kExitDataError;
    }
    return kExitOk;
}

} // namespace qor
