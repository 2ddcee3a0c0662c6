#pragma once
// The player's stock: how many of each ingredient he carries (0..9999),
// kept in Stock.ini beside Main.ini. Format: docs/stock_format.md.

#include "game_data/record_file.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

inline constexpr std::int32_t kMaxStockCount = 9999;
inline constexpr const char *kStockFileName = "Stock.ini";

// Counts indexed by ingredient index (entry 0, the placeholder, stays 0).
using StockCounts = std::vector<std::int32_t>;

// The stock file in a settings folder (with or without a trailing separator).
QString StockFilePath(const QString &settingsDir);

using StockResult = RecordFileResult;

// Reads the file into out, sized to itemRecordCount. A missing file is an
// empty stock (Status::Missing); a damaged one an empty stock and an error
// naming the line.
StockResult ReadStock(const QString &path, int itemRecordCount, StockCounts &out);
StockResult ParseStock(QByteArrayView bytes, int itemRecordCount, StockCounts &out);

// Writes the file atomically; on error the old file stays as it was.
StockResult WriteStock(const QString &path, std::span<const std::int32_t> counts);
QByteArray serializeStock(std::span<const std::int32_t> counts);

// A stock that could not be read is kept beside the new one as PATH.bak.
QString StockBackupPath(const QString &path);
// Renames the file at path to its backup name (replacing an older backup);
// nothing to do when there is no file.
StockResult MoveStockToBackup(const QString &path);

// "N of each ingredient at hand": count for every ingredient the set marks
// available (index 0 ignored), 0 for the rest.
StockCounts StockFromAvailable(std::span<const std::uint8_t> available, int itemRecordCount,
                               std::int32_t count);

} // namespace qor
