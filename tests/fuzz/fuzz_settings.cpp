// Main.ini: whatever reads without an error must write, read back and write
// again to the very same bytes, so that a file never drifts from run to run.

#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The set lines are as long as the ingredient table; vary it with the input.
    const int items = size > 0 ? 1 + data[0] % 40 : 5;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qor::MainSettings first;
    if (!qor::parseSettings(bytes, items, first).ok())
        return 0;
    const QByteArray written = qor::serializeSettings(first);
    qor::MainSettings second;
    if (!qor::parseSettings(written, items, second).ok())
        std::abort();
    if (qor::serializeSettings(second) != written)
        std::abort();
    return 0;
}
