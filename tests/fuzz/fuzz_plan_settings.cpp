// Plan.ini: whatever reads without an error must write, read back the same
// options and write again to the very same bytes.

#include "brewing_plan/plan_settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qor::PlanWindowSettings first;
    if (!qor::ParsePlanSettings(bytes, first).ok())
        return 0;
    const QByteArray written = qor::serializePlanSettings(first);
    qor::PlanWindowSettings second;
    if (!qor::ParsePlanSettings(written, second).ok() || !(second == first))
        std::abort();
    if (qor::serializePlanSettings(second) != written)
        std::abort();
    return 0;
}
