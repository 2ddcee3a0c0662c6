#include "discovery/known_effects.h"

#include "common/file_read.h"
#include "common/file_replace.h"
#include "game_data/record_lines.h"

#include <QDir>

#include <algorithm>

namespace qor {

namespace {

constexpr QByteArrayView kHeader = "QOR-KNOWN 1";
constexpr QByteArrayView kShowOnlyKnown = "show-only-known";

KnownResult errorAt(int line, const QString &what) {
    KnownResult r;
    r.status = KnownResult::Status::Error;
    r.line = line;
    r.message = damagedFileMessage(QStringLiteral("Файл изученных эффектов"), LineFault{line, what});
    return r;
}

// An ingredient index: 1..9 digits, no sign, nothing else.
bool parseIndex(QByteArrayView text, int &value) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

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
    RecordLines lines(bytes);
    if (const std::optional<LineFault> fault = lines.readHeader(kHeader))
        return errorAt(fault->line, fault->what);
    QByteArrayView line;
    while (lines.nextRecord(line)) {
        const int lineNo = lines.lineNo();
        const QByteArrayView first = takeField(line);
        const QByteArrayView second = takeField(line);
        const bool extra = !trimmedBlanks(line).isEmpty();
        if (first == kShowOnlyKnown) {
            if (extra || (second != "0" && second != "1"))
                return errorAt(lineNo, QStringLiteral("после show-only-known ожидалось 0 или 1"));
            if (switchSeen)
                return errorAt(lineNo, QStringLiteral("show-only-known указан дважды"));
            switchSeen = true;
            known.showOnlyKnown = second == "1";
            continue;
        }
        int index = 0;
        std::uint8_t mask = 0;
        if (extra || !parseIndex(first, index) || !parseSlots(second, mask))
            return errorAt(lineNo, QStringLiteral("ожидались номер ингредиента и номера ячеек 1..4"));
        if (index < 1 || index >= size)
            return errorAt(lineNo, QStringLiteral("номер ингредиента %1 вне 1..%2").arg(index).arg(size - 1));
        if (seen[std::size_t(index)])
            return errorAt(lineNo, QStringLiteral("ингредиент %1 указан дважды").arg(index));
        seen[std::size_t(index)] = true;
        known.slots[std::size_t(index)] = mask;
    }
    out = std::move(known);
    return {};
}

KnownResult ReadKnown(const QString &path, int itemRecordCount, KnownEffects &out) {
    out = KnownEffects::empty(itemRecordCount);
    QByteArray bytes;
    const FileRead read = readCheckedFile(path, FileKind::Known, bytes);
    if (read.fault == FileFault::Missing) {
        KnownResult r;
        r.status = KnownResult::Status::Missing;
        return r;
    }
    if (!read.ok()) {
        KnownResult r;
        r.status = KnownResult::Status::Error;
        r.message = read.text(path);
        return r;
    }
    KnownResult r = ParseKnown(bytes, itemRecordCount, out);
    if (!r.ok())
        r.message = QStringLiteral("%1: %2").arg(path, r.message);
    return r;
}

QByteArray serializeKnown(const KnownEffects &known) {
    QByteArray text = kHeader.toByteArray() + "\r\n";
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
    if (const auto reason = replaceFileContents(path, serializeKnown(known))) {
        KnownResult r;
        r.status = KnownResult::Status::Error;
        r.message = QStringLiteral("Не удалось записать файл %1: %2").arg(path, *reason);
        return r;
    }
    return {};
}

} // namespace qor
