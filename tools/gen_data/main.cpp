// qor-gen-data [--seed N] [--items N] [--effects N] OUT_DIR
// Writes Cost.txt, Effects.ini, Filter.txt and Items.ini of a valid random
// data set; the same seed and sizes always give the same files.

#include "gen_data/search_data_gen.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

bool readNumber(const QCommandLineParser &parser, const QString &name, long long lo, long long hi,
                long long &value, QTextStream &err) {
    bool ok = false;
    const long long v = parser.value(name).toLongLong(&ok);
    if (!ok || v < lo || v > hi) {
        err << "qor-gen-data: --" << name << " must be a number from " << lo << " to " << hi << '\n';
        return false;
    }
    value = v;
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a seeded random data folder."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("N"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("items"), QStringLiteral("Number of ingredients."), QStringLiteral("N"),
                      QStringLiteral("400")});
    parser.addOption({QStringLiteral("effects"), QStringLiteral("Number of effects."), QStringLiteral("N"),
                      QStringLiteral("60")});
    parser.addPositionalArgument(QStringLiteral("OUT_DIR"),
                                 QStringLiteral("Folder to write the files into."));
    if (!parser.parse(app.arguments())) {
        err << "qor-gen-data: " << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "qor-gen-data: exactly one OUT_DIR expected\n";
        return 2;
    }
    long long seed = 0;
    long long items = 0;
    long long effects = 0;
    if (!readNumber(parser, QStringLiteral("seed"), 0, 0x7fffffffffffffffLL, seed, err) ||
        !readNumber(parser, QStringLiteral("items"), 0, 100000, items, err) ||
        !readNumber(parser, QStringLiteral("effects"), 4, 10000, effects, err))
        return 2;
    const qor::DataSetDescription dataSet =
        qor::generateDataSet(std::uint64_t(seed), int(items), int(effects));
    if (auto error = qor::writeDataFolder(dataSet, parser.positionalArguments().front())) {
        err << "qor-gen-data: " << *error << '\n';
        return 1;
    }
    return 0;
}
