#include "cli/cli_format.h"

#include <charconv>

namespace qor {

void printPotionRecord(OutputBuffer &out, const TPotionRec &rec) {
    // The whole line is formatted into the block at once: 29 numbers of at
    // most 11 characters, each with its blank.
    constexpr std::size_t kMaxNumber = 11;
    constexpr std::size_t kFields = 29;
    char *p = out.claim(kFields * (kMaxNumber + 1));
    const auto put = [&p](std::int32_t value) {
        p = std::to_chars(p, p + kMaxNumber, value).ptr;
        *p++ = ' ';
    };
    for (std::int32_t item : rec.Items)
        put(item);
    for (const TPotionEffect &e : rec.Effects)
        put(e.Effect);
    put(rec.ItemCount);
    put(rec.EffCount);
    put(rec.MainEffSlot);
    put(rec.Cost);
    put(rec.UselessItem);
    put(rec.PotionType);
    for (const TPotionEffect &e : rec.Effects)
        put(e.Power);
    for (const TPotionEffect &e : rec.Effects)
        put(e.Time);
    for (const TPotionEffect &e : rec.Effects)
        put(e.Cost);
    out.commit(p - 1); // no blank after the last number
}

QLatin1StringView planStatusName(PlanSolveStatus s) {
    switch (s) {
    case PlanSolveStatus::Optimal:
        return QLatin1StringView("optimal");
    case PlanSolveStatus::TimeLimit:
        return QLatin1StringView("time-limit");
    case PlanSolveStatus::Cancelled:
        return QLatin1StringView("cancelled");
    case PlanSolveStatus::Failed:
        break;
    }
    return QLatin1StringView("failed");
}

} // namespace qor
