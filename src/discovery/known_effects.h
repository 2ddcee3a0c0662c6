#pragma once
// Which effects of which ingredients the player has discovered: per
// ingredient a mask of its known effect slots (bit s for slot s + 1), and
// whether the program shows only what is known. Kept in Known.ini beside
// Main.ini; format: docs/known_format.md.

#include "game_data/game_data.h"
#include "game_data/record_file.h"

#include <cstdint>
#include <vector>

namespace qor {

inline constexpr const char *kKnownFileName = "Known.ini";
inline constexpr std::uint8_t kAllSlotsMask = (1u << kSlotsPerItem) - 1u;

struct KnownEffects {
    std::vector<std::uint8_t> slots; // indexed by ingredient; entry 0 stays 0
    bool showOnlyKnown = false;

    friend bool operator==(const KnownEffects &, const KnownEffects &) = default;

    // Nothing known, sized to the ingredient table.
    static KnownEffects empty(int itemRecordCount);
    bool isKnown(int item, int slot) const;
    void setKnown(int item, int slot, bool known);
    // Marks the slots of mask known (never forgets any).
    void learn(int item, std::uint8_t mask);
};

// Slots of the ingredient that hold an effect at all.
std::uint8_t filledSlots(const GameData &data, int item);
// Every filled slot of every ingredient known, or none.
void markAllKnown(const GameData &data, KnownEffects &known);
void clearKnown(KnownEffects &known);

QString KnownFilePath(const QString &settingsDir);

using KnownResult = RecordFileResult;

// Reads the file into out, sized to itemRecordCount. A missing file is
// nothing known (Status::Missing); a damaged one is nothing known and an
// error naming the line.
KnownResult ReadKnown(const QString &path, int itemRecordCount, KnownEffects &out);
KnownResult ParseKnown(QByteArrayView bytes, int itemRecordCount, KnownEffects &out);

// Writes the file atomically; on error the old file stays as it was.
KnownResult WriteKnown(const QString &path, const KnownEffects &known);
QByteArray serializeKnown(const KnownEffects &known);

} // namespace qor
