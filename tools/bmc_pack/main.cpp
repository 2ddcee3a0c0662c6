// qor-bmc-pack: packs pictures into a .bmc strip, or unpacks one to PNG.
//
//   qor-bmc-pack [--cell-padding N] [--filter none|delta] [--alpha-threshold A]
//                OUT.bmc IN1.png [IN2.png ...]
//   qor-bmc-pack --unpack IN.bmc OUT.png
//
// The inputs are equal-size pictures; each becomes one cell of the strip,
// followed by N rows of the key colour RGB (128, 0, 128). The ingredient
// strip Data1.bmc is packed with --cell-padding 1 (the program drops the last
// row of every cell), the potion-kind strip Data2.bmc with 0.

#include "bmc_pack.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString &message) {
    std::fprintf(stderr, "qor-bmc-pack: %s\n", qPrintable(message));
    return 1;
}

int usage() {
    std::fprintf(stderr, "usage: qor-bmc-pack [--cell-padding N] [--filter none|delta] [--alpha-threshold A]"
                         " OUT.bmc IN1.png [IN2.png ...]\n"
                         "       qor-bmc-pack --unpack IN.bmc OUT.png\n");
    return 2;
}

bool parseInt(const QString &text, int low, int high, int &value) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int padding = 0;
    int threshold = 128;
    auto filter = qor::bmc::Filter::LeftDelta;
    QString error;

    if (!args.isEmpty() && args.first() == QLatin1String("--unpack")) {
        if (args.size() != 3)
            return usage();
        QImage strip;
        if (!qor::bmcpack::readBmc(args[1], strip, error))
            return fail(args[1] + QStringLiteral(": ") + error);
        if (!strip.save(args[2], "PNG"))
            return fail(QStringLiteral("cannot write ") + args[2]);
        return 0;
    }

    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (args.isEmpty())
            return usage();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--cell-padding")) {
            if (!parseInt(value, 0, 1000, padding))
                return fail(QStringLiteral("bad cell padding: ") + value);
        } else if (option == QLatin1String("--alpha-threshold")) {
            if (!parseInt(value, 1, 255, threshold))
                return fail(QStringLiteral("bad alpha threshold: ") + value);
        } else if (option == QLatin1String("--filter")) {
            if (value == QLatin1String("none"))
                filter = qor::bmc::Filter::None;
            else if (value == QLatin1String("delta"))
                filter = qor::bmc::Filter::LeftDelta;
            else
                return fail(QStringLiteral("bad filter: ") + value);
        } else {
            return usage();
        }
    }
    if (args.size() < 2)
        return usage();

    const QString out = args.takeFirst();
    QList<QImage> cells;
    for (const QString &path : args) {
        QImage picture(path);
        if (picture.isNull())
            return fail(QStringLiteral("cannot read ") + path);
        cells.append(qor::bmcpack::flattenOnKey(picture, threshold));
    }
    const QImage strip = qor::bmcpack::stackCells(cells, padding, error);
    if (strip.isNull())
        return fail(error);
    if (!qor::bmcpack::writeBmc(strip, out, filter, error))
        return fail(out + QStringLiteral(": ") + error);
    std::printf("%s: %lld pictures of %d x %d, strip %d x %d\n", qPrintable(out), qlonglong(cells.size()),
                cells.first().width(), cells.first().height(), strip.width(), strip.height());
    return 0;
}
