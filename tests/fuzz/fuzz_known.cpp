// Known.ini: whatever reads without an error must write and read back to the
// same knowledge, and write again to the very same bytes.

#include "discovery/known_effects.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The index range is the ingredient table's; vary it with the input.
    const int items = size > 0 ? 1 + data[0] % 64 : 5;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qor::KnownEffects first;
    if (!qor::ParseKnown(bytes, items, first).ok())
        return 0;
    const QByteArray written = qor::serializeKnown(first);
    qor::KnownEffects second;
    if (!qor::ParseKnown(written, items, second).ok() || second != first)
        std::abort();
    if (qor::serializeKnown(second) != written)
        std::abort();
    return 0;
}
