#include "game_data/data_loader.h"

#include "game_data/data_files.h"
#include "game_data/text_codec.h"

#include <QDir>

namespace qor {

std::optional<DataError> readDataFile(const QString &path, QByteArray &bytes, FileKind kind) {
    const FileRead read = readCheckedFile(path, kind, bytes);
    DataError e;
    e.file = path;
    if (!read.ok()) {
        e.message = read.reason;
        return e;
    }
    if (auto wrong = checkCp1251Encoding(bytes)) {
        e.message = *wrong;
        return e;
    }
    return std::nullopt;
}

namespace {
DataError emptyTable(const QString &path, const QString &message) {
    DataError e;
    e.file = path;
    e.message = message;
    return e;
}

const char16_t *const kFixedFilters[kFixedFilterCount] = {
    u"Нет", u"Нет / Любой", u"Любой", u"Нет / Вредный", u"Вредный", u"Нет / Полезный", u"Полезный",
};

} // namespace

QString DataError::toText() const {
    QString text = file;
    if (line > 0)
        text += QStringLiteral(", строка %1").arg(line);
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
    if (auto e = readDataFile(costPath, bytes))
        return e;
    data.CostList = parseCostList(bytes);

    const QString effectsPath = dir.filePath(QStringLiteral("Effects.ini"));
    if (auto e = readDataFile(effectsPath, bytes))
        return e;
    if (auto e = parseEffects(bytes, data))
        return fail(*e, effectsPath);
    // Effect 0 is the placeholder "no effect"; without a real one no recipe exists.
    if (data.highestEffect() < 1)
        return emptyTable(effectsPath, QStringLiteral("Файл не содержит ни одного эффекта (кроме нулевого)"));

    const QString filterPath = dir.filePath(QStringLiteral("Filter.txt"));
    if (auto e = readDataFile(filterPath, bytes))
        return e;
    buildFilters(data, parseFilterLines(bytes));

    const QString itemsPath = dir.filePath(QStringLiteral("Items.ini"));
    if (auto e = readDataFile(itemsPath, bytes))
        return e;
    if (auto e = parseItems(bytes, data.highestEffect(), data))
        return fail(*e, itemsPath);
    if (data.highestItem() < 1)
        return emptyTable(itemsPath,
                          QStringLiteral("Файл не содержит ни одного ингредиента (кроме нулевого)"));
    return std::nullopt;
}

} // namespace qor
