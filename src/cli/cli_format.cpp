#include "cli/cli_format.h"

#include <QStringList>

namespace qor {

QString formatPotionRecord(const TPotionRec &rec) {
    QStringList f;
    f.reserve(29);
    for (std::int32_t item : rec.Items)
        f << QString::number(item);
    for (const TPotionEffect &e : rec.Effects)
        f << QString::number(e.Effect);
    f << QString::number(rec.ItemCount) << QString::number(rec.EffCount) << QString::number(rec.MainEffSlot)
      << QString::number(rec.Cost) << QString::number(rec.UselessItem) << QString::number(rec.PotionType);
    for (const TPotionEffect &e : rec.Effects)
        f << QString::number(e.Power);
    for (const TPotionEffect &e : rec.Effects)
        f << QString::number(e.Time);
    for (const TPotionEffect &e : rec.Effects)
        f << QString::number(e.Cost);
    return f.join(QLatin1Char(' '));
}

} // namespace qor
