#include "game_data/data_files.h"

#include "game_data/effect_description.h"
#include "game_data/text_codec.h"
#include "game_data/text_reader.h"

#include <algorithm>

namespace qor {

namespace {

// The tables grow in whole steps of these many records and are cut to
// their length at the end.
constexpr qsizetype kCostStep = 25;
constexpr qsizetype kEffectStep = 60;
constexpr qsizetype kItemStep = 100;

// A full list grows by at least one step and by at least half its size,
// rounded up to whole steps: growing by one fixed step each time would copy
// the whole table again every step records, quadratic in the file size.
template <typename List> void growBy(List &list, qsizetype step) {
    const qsizetype capacity = qsizetype(list.capacity());
    if (qsizetype(list.size()) < capacity)
        return;
    const qsizetype wanted = std::max(capacity + step, capacity + capacity / 2);
    list.reserve(decltype(list.capacity())((wanted + step - 1) / step * step));
}

// Characters first..last (1-based, inclusive) of text, as far as it reaches.
QByteArrayView columns(QByteArrayView text, qsizetype first, qsizetype last) {
    if (first < 1)
        first = 1;
    if (last > text.size())
        last = text.size();
    if (last < first)
        return {};
    return text.sliced(first - 1, last - first + 1);
}

QByteArrayView trimRight(QByteArrayView text) {
    qsizetype n = text.size();
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= 32)
        --n;
    return text.first(n);
}

DataError numberError(const TextReader &reader) {
    DataError e;
    e.message = QStringLiteral("Неверное числовое значение");
    e.line = reader.errorLine();
    return e;
}

constexpr qsizetype kMaxTextLength = 999;
constexpr qsizetype kEffectNameFirst = 2;
constexpr qsizetype kEffectNameLast = 39;
constexpr qsizetype kItemNameFirst = 3;

std::optional<DataError> checkItem(const TItemRec &item, int index, int highestEffect) {
    auto problem = [index](const QString &text) {
        DataError e;
        e.message = text;
        e.record = QStringLiteral("ингредиент %1").arg(index);
        return e;
    };
    for (int j = 0; j < kSlotsPerItem; ++j) {
        const TItemEffect &slot = item.Eff[std::size_t(j)];
        if (slot.Effect < 0) {
            return problem(
                QStringLiteral("отрицательный номер эффекта %1 в ячейке %2").arg(slot.Effect).arg(j + 1));
        }
        // A valid index beyond the effects read means Effects.ini is short,
        // not that this record is wrong.
        if (slot.Effect > highestEffect) {
            return problem(QStringLiteral("эффект %1 в ячейке %2 отсутствует в Effects.ini: там только "
                                          "эффекты 0..%3 — файл эффектов пуст или укорочен")
                               .arg(slot.Effect)
                               .arg(j + 1)
                               .arg(highestEffect));
        }
        if (slot.BasePower < 0) {
            return problem(
                QStringLiteral("отрицательная базовая сила %1 в ячейке %2").arg(slot.BasePower).arg(j + 1));
        }
        if (slot.BaseTime < 0) {
            return problem(QStringLiteral("отрицательная базовая длительность %1 в ячейке %2")
                               .arg(slot.BaseTime)
                               .arg(j + 1));
        }
        for (int k = 0; k < j; ++k) {
            if (slot.Effect != 0 && item.Eff[std::size_t(k)].Effect == slot.Effect) {
                return problem(QStringLiteral("эффект %1 указан дважды (ячейки %2 и %3)")
                                   .arg(slot.Effect)
                                   .arg(k + 1)
                                   .arg(j + 1));
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::int32_t> parseCostList(QByteArrayView bytes) {
    std::vector<std::int32_t> list;
    TextReader reader(bytes);
    do {
        growBy(list, kCostStep);
        QByteArrayView line = reader.readLine();
        // Leading blanks are allowed, nothing else around the number.
        qsizetype start = 0;
        while (start < line.size() && line[start] == ' ')
            ++start;
        std::int32_t value = 0;
        if (!parseIntToken(line.sliced(start), value))
            value = 0;
        list.push_back(value);
    } while (!reader.atEnd());
    list.shrink_to_fit();
    return list;
}

QStringList parseFilterLines(QByteArrayView bytes) {
    QStringList lines;
    TextReader reader(bytes);
    do {
        lines.append(fromCp1251(reader.readLine()));
    } while (!reader.atEnd());
    return lines;
}

std::optional<DataError> parseEffects(QByteArrayView bytes, GameData &data) {
    data.EffectTable.clear();
    data.EffectNames.clear();
    data.EffectNamesUp.clear();
    TextReader reader(bytes);
    do {
        growBy(data.EffectTable, kEffectStep);
        growBy(data.EffectNames, kEffectStep);
        growBy(data.EffectNamesUp, kEffectStep);
        TEffectRec rec;
        rec.BaseCost = reader.readReal();
        rec.PerkBoost = static_cast<std::uint8_t>(reader.readInt());
        rec.TimeScaled = static_cast<std::uint8_t>(reader.readInt());
        rec.Percent = static_cast<std::uint8_t>(reader.readInt());
        rec.Harmful = static_cast<std::uint8_t>(reader.readInt());
        rec.EffClass = static_cast<std::uint8_t>(reader.readInt());
        const QByteArrayView rest = reader.restOfLine();
        reader.nextLine();
        if (reader.failed())
            return numberError(reader);

        const QString name = fromCp1251(trimRight(columns(rest, kEffectNameFirst, kEffectNameLast)));
        const DescriptionPieces d =
            splitDescription(columns(rest, kEffectNameLast + 1, kEffectNameLast + kMaxTextLength));
        rec.DescrKind = d.kind;
        for (std::size_t k = 0; k < rec.Descr.size(); ++k)
            rec.Descr[k] = fromCp1251(d.pieces[k]);
        data.EffectTable.push_back(std::move(rec));
        data.EffectNamesUp.append(name.toUpper());
        data.EffectNames.append(name);
    } while (!reader.atEnd());
    data.EffectTable.shrink_to_fit();
    data.EffectNames.squeeze();
    data.EffectNamesUp.squeeze();
    return std::nullopt;
}

std::optional<DataError> parseItems(QByteArrayView bytes, int highestEffect, GameData &data) {
    data.ItemTable.clear();
    data.ItemNames.clear();
    data.ItemNamesUp.clear();
    data.ItemNames2.clear();
    TextReader reader(bytes);
    // Column of the "/" between the two names, fixed by the first record
    // that has one; 0 until then.
    qsizetype separator = 0;
    do {
        growBy(data.ItemTable, kItemStep);
        growBy(data.ItemNames, kItemStep);
        growBy(data.ItemNamesUp, kItemStep);
        growBy(data.ItemNames2, kItemStep);
        const int index = data.itemRecordCount();
        TItemRec rec;
        rec.ID = reader.readInt();
        const qsizetype recordStart = reader.lastTokenStart();
        rec.Weight = reader.readReal();
        rec.Cost = reader.readInt();
        rec.Extra = static_cast<std::uint8_t>(reader.readInt());
        const QByteArrayView rest = reader.restOfLine();
        reader.nextLine();
        if (reader.failed())
            return numberError(reader);
        for (TItemEffect &slot : rec.Eff) {
            slot.Effect = reader.readInt();
            slot.BasePower = reader.readInt();
            slot.BaseTime = reader.readInt();
            reader.nextLine();
            if (reader.failed())
                return numberError(reader);
        }
        if (std::optional<DataError> broken = checkItem(rec, index, highestEffect)) {
            broken->line = reader.lineAt(recordStart);
            return broken;
        }

        if (separator == 0) {
            const qsizetype slash = rest.lastIndexOf('/');
            if (slash >= 0)
                separator = slash + 1;
        }
        const QString name =
            separator > 0 ? fromCp1251(trimRight(columns(rest, kItemNameFirst, separator - 1))) : QString();
        data.ItemTable.push_back(rec);
        data.ItemNamesUp.append(name.toUpper());
        data.ItemNames.append(name);
        data.ItemNames2.append(fromCp1251(columns(rest, separator + 1, separator + kMaxTextLength)));
    } while (!reader.atEnd());
    data.ItemTable.shrink_to_fit();
    data.ItemNames.squeeze();
    data.ItemNamesUp.squeeze();
    data.ItemNames2.squeeze();
    return std::nullopt;
}

} // namespace qor
