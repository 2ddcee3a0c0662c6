// qor-picture-gen: renders one picture per ingredient from a table
//   index<TAB>emoji<TAB>hue_shift_degrees<TAB>name
// (one line per ingredient in Items.ini order) with a colour emoji font, and
// writes Data1.bmc (ingredients, cells of size + 1 rows) and Data2.bmc (the
// potion and the poison, two full cells). Every pixel ends up either opaque
// or exactly the key colour RGB (128, 0, 128).
//
//   qor-picture-gen --tsv pictures.tsv --out-dir data/Files
//                   [--font NotoColorEmoji.ttf] [--size 96] [--kind-size 64]
//                   [--sheet contact.png] [--png-dir DIR]

#include "bmc_pack.h"
#include "emoji_renderer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

using qor::bmcpack::flattenOnKey;

struct Entry {
    int index = 0;
    QString emoji;
    int hue = 0;
    QString name;
};

struct Options {
    QString tsv;
    QString outDir;
    QString font = QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf");
    QString sheet;
    QString pngDir;
    int size = 96;
    int kindSize = 64;
};

int fail(const QString &message) {
    std::fprintf(stderr, "qor-picture-gen: %s\n", qPrintable(message));
    return 1;
}

bool readTable(const QString &path, QList<Entry> &entries, QString &error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QTextStream in(&file);
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        bool indexOk = false, hueOk = false;
        Entry e;
        if (f.size() >= 4) {
            e.index = f[0].trimmed().toInt(&indexOk);
            e.emoji = f[1].trimmed();
            e.hue = f[2].trimmed().toInt(&hueOk);
            e.name = f[3].trimmed();
        }
        if (!indexOk && entries.isEmpty() && lineNo == 1)
            continue; // a header line
        if (!indexOk || !hueOk || e.emoji.isEmpty()) {
            error = QStringLiteral("%1:%2: expected index, emoji, hue shift, name").arg(path).arg(lineNo);
            return false;
        }
        if (e.index != entries.size() + 1) {
            error = QStringLiteral("%1:%2: index %3 out of order").arg(path).arg(lineNo).arg(e.index);
            return false;
        }
        entries.append(e);
    }
    if (entries.isEmpty()) {
        error = path + QStringLiteral(": no ingredients");
        return false;
    }
    return true;
}

// True when every pixel is the key colour.
bool isBlank(const QImage &picture) {
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] != qor::bmcpack::kKey)
                return false;
    }
    return true;
}

QImage contactSheet(const QList<QImage> &pictures, const QStringList &captions, int side) {
    const int columns = 10;
    const int tileW = qMax(side, 120) + 8;
    const int tileH = side + 34;
    const int rows = int((pictures.size() + columns - 1) / columns);
    QImage sheet(columns * tileW, rows * tileH, QImage::Format_RGB32);
    sheet.fill(qRgb(236, 236, 236));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int x = int(i % columns) * tileW;
        const int y = int(i / columns) * tileH;
        const QImage &pic = pictures[i];
        painter.drawImage(x + (tileW - pic.width()) / 2, y + 4 + (side - pic.height()) / 2, pic);
        painter.drawText(QRect(x, y + side + 6, tileW, 26), Qt::AlignHCenter | Qt::TextWordWrap, captions[i]);
    }
    painter.end();
    return sheet;
}

bool parseArgs(const QStringList &args, Options &o) {
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        const QString &key = args[i];
        const QString &value = args[i + 1];
        if (key == QLatin1String("--tsv"))
            o.tsv = value;
        else if (key == QLatin1String("--out-dir"))
            o.outDir = value;
        else if (key == QLatin1String("--font"))
            o.font = value;
        else if (key == QLatin1String("--sheet"))
            o.sheet = value;
        else if (key == QLatin1String("--png-dir"))
            o.pngDir = value;
        else if (key == QLatin1String("--size"))
            o.size = value.toInt();
        else if (key == QLatin1String("--kind-size"))
            o.kindSize = value.toInt();
        else
            return false;
    }
    return args.size() % 2 == 0 && !o.tsv.isEmpty() && o.size >= 16 && o.size <= 512 && o.kindSize >= 16 &&
           o.kindSize <= 512;
}

} // namespace

int main(int argc, char **argv) {
    // Rendering needs no screen; run the same on a desktop and headless.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options o;
    if (!parseArgs(app.arguments().mid(1), o)) {
        std::fprintf(stderr, "usage: qor-picture-gen --tsv pictures.tsv [--out-dir DIR] [--font FILE]"
                             " [--size 96] [--kind-size 64] [--sheet PNG] [--png-dir DIR]\n");
        return 2;
    }
    QString error;
    QList<Entry> entries;
    if (!readTable(o.tsv, entries, error))
        return fail(error);
    qor::picgen::EmojiRenderer renderer;
    if (!renderer.loadFont(o.font))
        return fail(QStringLiteral("cannot load the font ") + o.font);

    const int margin = qMax(2, o.size / 24);
    QList<QImage> items;
    QStringList captions;
    QHash<QByteArray, int> seen;
    int problems = 0;
    for (const Entry &e : entries) {
        if (!renderer.covers(e.emoji)) {
            std::fprintf(stderr, "ingredient %d (%s): the font has no glyph for %s\n", e.index,
                         qPrintable(e.name), qPrintable(e.emoji));
            ++problems;
        }
        const QImage pic =
            flattenOnKey(qor::picgen::shiftHue(renderer.render(e.emoji, o.size, margin), e.hue));
        if (isBlank(pic)) {
            std::fprintf(stderr, "ingredient %d (%s): nothing was drawn\n", e.index, qPrintable(e.name));
            ++problems;
        }
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char *>(pic.constBits()), pic.sizeInBytes()),
            QCryptographicHash::Sha1);
        if (seen.contains(digest)) {
            std::fprintf(stderr, "ingredient %d (%s) looks exactly like ingredient %d\n", e.index,
                         qPrintable(e.name), seen.value(digest));
            ++problems;
        }
        seen.insert(digest, e.index);
        items.append(pic);
        captions.append(QString::number(e.index) + QLatin1Char(' ') + e.name);
    }

    // The potion: a flask turned to red; the poison: a green flask with a
    // skull over its lower right part.
    const QString flask = QStringLiteral("\U0001F9EA");
    const QImage potion = flattenOnKey(qor::picgen::shiftHue(renderer.render(flask, o.kindSize, 2), 185));
    const QImage poisonFlask = qor::picgen::shiftHue(renderer.render(flask, o.kindSize, 2), -55);
    const QImage poison = flattenOnKey(renderer.overlay(poisonFlask, QStringLiteral("\u2620\uFE0F"), 0.55));

    // Broken pictures are never packed; the sheet and PNGs still show them.
    if (!o.outDir.isEmpty() && problems > 0) {
        std::fprintf(stderr, "qor-picture-gen: %d problem(s); %s left unchanged\n", problems,
                     qPrintable(o.outDir));
    } else if (!o.outDir.isEmpty()) {
        QDir().mkpath(o.outDir);
        const QImage strip1 = qor::bmcpack::stackCells(items, 1, error);
        if (strip1.isNull())
            return fail(error);
        if (!qor::bmcpack::writeBmc(strip1, QDir(o.outDir).filePath(QStringLiteral("Data1.bmc")),
                                    qor::bmc::Filter::LeftDelta, error))
            return fail(error);
        const QImage strip2 = qor::bmcpack::stackCells({potion, poison}, 0, error);
        if (strip2.isNull())
            return fail(error);
        if (!qor::bmcpack::writeBmc(strip2, QDir(o.outDir).filePath(QStringLiteral("Data2.bmc")),
                                    qor::bmc::Filter::LeftDelta, error))
            return fail(error);
    }
    if (!o.pngDir.isEmpty()) {
        QDir().mkpath(o.pngDir);
        for (qsizetype i = 0; i < items.size(); ++i)
            items[i].save(
                QDir(o.pngDir).filePath(QStringLiteral("item_%1.png").arg(i + 1, 3, 10, QLatin1Char('0'))));
        potion.save(QDir(o.pngDir).filePath(QStringLiteral("potion.png")));
        poison.save(QDir(o.pngDir).filePath(QStringLiteral("poison.png")));
    }
    if (!o.sheet.isEmpty()) {
        QList<QImage> all = items;
        QStringList allCaptions = captions;
        all << potion << poison;
        allCaptions << QStringLiteral("зелье") << QStringLiteral("яд");
        contactSheet(all, allCaptions, o.size).save(o.sheet);
    }
    std::printf("%lld ingredient pictures of %d x %d, %d problem(s)\n", qlonglong(items.size()), o.size,
                o.size, problems);
    return problems == 0 ? 0 : 1;
}
