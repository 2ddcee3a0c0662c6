// Stock.ini: whatever reads without an error must write and read back to the
// same counts, and write again to the very same bytes.

#include "brewing_plan/stock_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The index range is the ingredient table's; vary it with the input.
    const int items = size > 0 ? 1 + data[0] % 64 : 5;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qor::StockCounts first;
    if (!qor::ParseStock(bytes, items, first).ok())
        return 0;
    const QByteArray written = qor::serializeStock(first);
    qor::StockCounts second;
    if (!qor::ParseStock(written, items, second).ok() || second != first)
        std::abort();
    if (qor::serializeStock(second) != written)
        std::abort();
    return 0;
}
