#include "cli/cli_format.h"

namespace qor {

void PrintPotionRecord(OutputBuffer &out, const TPotionRec &rec) {
    for (std::int32_t item : rec.Items)
        out << item << ' ';
    for (const TPotionEffect &e : rec.Effects)
        out << e.Effect << ' ';
    out << rec.ItemCount << ' ' << rec.EffCount << ' ' << rec.MainEffSlot << ' ' << rec.Cost << ' '
        << rec.UselessItem << ' ' << std::int32_t{rec.PotionType};
    for (const TPotionEffect &e : rec.Effects)
        out << ' ' << e.Power;
    for (const TPotionEffect &e : rec.Effects)
        out << ' ' << e.Time;
    for (const TPotionEffect &e : rec.Effects)
        out << ' ' << e.Cost;
}

} // namespace qor
