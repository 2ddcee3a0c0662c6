#include "discovery/known_effects.h"

#include <QDir>

#include <algorithm>

namespace qor {

namespace {

const RecordFileFormat kFormat{"QOR-KNOWN 1", QStringLiteral("Файл изученных эффектов")};
constexpr QByteArrayView kShowOnlyKnown = "show-only-known";

// Slot digits 1..4 in ascending order, each once ("134").
bool parseSlots(QByteArrayView text, std::uint8_t &mask) {
    if (text.isEmpty())
        return false;
    mask = 0;
    int last = 0;
    for (const char c : text) {
        const int slot = c - '0';
        if (slot < 1 || slot > kSlotsPerItem || slot <= last)
            return false;
        last = slot;
        mask |= std::uint8_t(1u << (slot - 1));
    }
    return true;
}

} // namespace

KnownEffects KnownEffects::empty(int itemRecordCount) {
    KnownEffects k;
    k.slots.assign(std::size_t(std::max(itemRecordCount, 1)), 0);
    return k;
}

bool KnownEffects::isKnown(int item, int slot) const {
    return item > 0 && std::size_t(item) < slots.size() && slot >= 0 && slot < kSlotsPerItem &&
           (slots[std::size_t(item)] & (1u << slot)) != 0;
}

void KnownEffects::setKnown(int item, int slot, bool known) {
    if (item <= 0 || std::size_t(item) >= slots.size() || slot < 0 || slot >= kSlotsPerItem)
        return;
    const auto bit = std::uint8_t(1u << slot);
    std::uint8_t &m = slots[std::size_t(item)];
    m = known ? std::uint8_t(m | bit) : std::uint8_t(m & ~bit);
}

void KnownEffects::learn(int item, std::uint8_t mask) {
    if (item > 0 && std::size_t(item) < slots.size())
        slots[std::size_t(item)] |= std::uint8_t(mask & kAllSlotsMask);
}

std::uint8_t filledSlots(const GameData &data, int item) {
    if (item <= 0 || item > data.highestItem())
        return 0;
    std::uint8_t mask = 0;
    for (int s = 0; s < kSlotsPerItem; ++s) {
        const std::int32_t e = data.ItemTable[std::size_t(item)].Eff[std::size_t(s)].Effect;
        if (e > 0 && e <= data.highestEffect())
            mask |= std::uint8_t(1u << s);
    }
    return mask;
}

void markAllKnown(const GameData &data, KnownEffects &known) {
    for (std::size_t i = 1; i < known.slots.size(); ++i)
        known.slots[i] = filledSlots(data, int(i));
}

void clearKnown(KnownEffects &known) {
    std::fill(known.slots.begin(), known.slots.end(), std::uint8_t(0));
}

QString KnownFilePath(const QString &settingsDir) {
    return QDir(settingsDir).filePath(QString::fromLatin1(kKnownFileName));
}

KnownResult ParseKnown(QByteArrayView bytes, int itemRecordCount, KnownEffects &out) {
    out = KnownEffects::empty(itemRecordCount);
    KnownEffects known = KnownEffects::empty(itemRecordCount);
    const int size = int(known.slots.size());
    std::vector<bool> seen(known.slots.size(), false);
    bool switchSeen = false;
    const KnownResult r = parseRecordFile(bytes, kFormat, [&](QByteArrayView line) -> std::optional<QString> {
        const QByteArrayView first = takeField(line);
        const QByteArrayView second = takeField(line);
        const bool extra = !trimmedBlanks(line).isEmpty();
        if (first == kShowOnlyKnown) {
            if (extra || (second != "0" && second != "1"))
                return QStringLiteral("после show-only-known ожидалось 0 или 1");
            if (switchSeen)
                return QStringLiteral("show-only-known указан дважды");
            switchSeen = true;
            known.showOnlyKnown = second == "1";
            return std::nullopt;
        }
        std::int32_t index = 0;
        std::uint8_t mask = 0;
        if (extra || !parseDigits(first, index) || !parseSlots(second, mask))
            return QStringLiteral("ожидались номер ингредиента и номера ячеек 1..4");
        if (index < 1 || index >= size)
            return QStringLiteral("номер ингредиента %1 вне 1..%2").arg(index).arg(size - 1);
        if (seen[std::size_t(index)])
            return QStringLiteral("ингредиент %1 указан дважды").arg(index);
        seen[std::size_t(index)] = true;
        known.slots[std::size_t(index)] = mask;
        return std::nullopt;
    });
    if (r.ok())
        out = std::move(known);
    return r;
}

KnownResult ReadKnown(const QString &path, int itemRecordCount, KnownEffects &out) {
    out = KnownEffects::empty(itemRecordCount);
    return readRecordFile(path, FileKind::Known,
                          [&](QByteArrayView bytes) { return ParseKnown(bytes, itemRecordCount, out); });
}

QByteArray serializeKnown(const KnownEffects &known) {
    QByteArray text = kFormat.header.toByteArray() + "\r\n";
    text += kShowOnlyKnown.toByteArray() + (known.showOnlyKnown ? " 1\r\n" : " 0\r\n");
    for (std::size_t i = 1; i < known.slots.size(); ++i) {
        const std::uint8_t mask = known.slots[i] & kAllSlotsMask;
        if (mask == 0)
            continue;
        text += QByteArray::number(qulonglong(i)) + ' ';
        for (int s = 0; s < kSlotsPerItem; ++s) {
            if ((mask & (1u << s)) != 0)
                text += char('1' + s);
        }
        text += "\r\n";
    }
    return text;
}

KnownResult WriteKnown(const QString &path, const KnownEffects &known) {
    return saveRecordFile(path, serializeKnown(known));
}

} // namespace qor
