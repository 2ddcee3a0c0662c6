#include "game_data/data_loader.h"

#include "game_data/data_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qor {

std::optional<DataError> ReadDataFile(const QString &path, QByteArray &bytes) {
    QFile file(path);
    DataError e;
    e.file = path;
    if (!QFileInfo(path).isFile()) {
        e.message = QStringLiteral("File not found");
        return e;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        e.message = QStringLiteral("File access denied");
        return e;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        e.message = QStringLiteral("Read error");
        return e;
    }
    return std::nullopt;
}

namespace {

const char16_t *const kFixedFilters[kFixedFilterCount] = {
    u"Нет", u"Нет / Любой", u"Любой", u"Нет / Вредный", u"Вредный", u"Нет / Полезный", u"Полезный",
};

} // namespace

QString DataError::toText() const {
    QString text = file;
    if (line > 0)
        text += QStringLiteral(", line %1").arg(line);
    if (!record.isEmpty())
        text += QStringLiteral(", ") + record;
    if (!text.isEmpty())
        text += QStringLiteral(": ");
    return text + message;
}

void buildFilters(GameData &data, const QStringList &filterLines) {
    data.FilterList.clear();
    data.FilterList.reserve(kFixedFilterCount + filterLines.size());
    for (const char16_t *text : kFixedFilters)
        data.FilterList.append(QString::fromUtf16(text));
    data.FilterList.append(filterLines);

    data.EffectFilterGroup.assign(std::size_t(data.effectRecordCount()), -1);
    for (qsizetype k = 0; k < filterLines.size(); ++k) {
        // A later line that is a prefix too replaces an earlier one.
        const QString prefix = filterLines[k].toUpper();
        for (int e = 0; e < data.effectRecordCount() && e < data.EffectNamesUp.size(); ++e) {
            if (data.EffectNamesUp[e].startsWith(prefix, Qt::CaseSensitive))
                data.EffectFilterGroup[std::size_t(e)] = std::int32_t(k);
        }
    }
}

std::optional<DataError> loadGameData(const QString &dataDir, GameData &data) {
    const QDir dir(dataDir);
    QByteArray bytes;
    auto fail = [](DataError e, const QString &path) {
        e.file = path;
        return std::optional<DataError>(std::move(e));
    };

    const QString costPath = dir.filePath(QStringLiteral("Cost.txt"));
    if (auto e = ReadDataFile(costPath, bytes))
        return e;
    data.CostList = parseCostList(bytes);

    const QString effectsPath = dir.filePath(QStringLiteral("Effects.ini"));
    if (auto e = ReadDataFile(effectsPath, bytes))
        return e;
    if (auto e = parseEffects(bytes, data))
        return fail(*e, effectsPath);

    const QString filterPath = dir.filePath(QStringLiteral("Filter.txt"));
    if (auto e = ReadDataFile(filterPath, bytes))
        return e;
    buildFilters(data, parseFilterLines(bytes));

    const QString itemsPath = dir.filePath(QStringLiteral("Items.ini"));
    if (auto e = ReadDataFile(itemsPath, bytes))
        return e;
    if (auto e = parseItems(bytes, data.highestEffect(), data))
        return fail(*e, itemsPath);
    return std::nullopt;
}

} // namespace qor
