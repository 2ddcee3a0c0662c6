// Writing Main.ini: the whole file is built in memory, then replaced on disk
// in one step, so a failed write never leaves a half-written file behind.

#include "settings/settings_file.h"

#include "common/file_replace.h"
#include "game_data/text_codec.h"

namespace qor {

namespace {

// Collects lines as text; CR LF after each.
class LineWriter {
  public:
    void number(std::int32_t v) { line(QString::number(v)); }

    template <typename... Ints> void numbers(Ints... values) {
        QStringList parts;
        (parts.append(QString::number(static_cast<std::int32_t>(values))), ...);
        line(parts.join(QLatin1Char(' ')));
    }

    // A string line holds the whole string; a line break inside it would
    // shift every later section, so it becomes a blank.
    void text(QString s) {
        s.replace(QLatin1Char('\r'), QLatin1Char(' '));
        s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        line(s);
    }

    const QString &result() const { return m_text; }

  private:
    void line(const QString &s) {
        m_text += s;
        m_text += QLatin1String("\r\n");
    }

    QString m_text;
};

template <std::size_t N> void writeWidths(LineWriter &out, const std::array<std::int32_t, N> &widths) {
    out.number(static_cast<std::int32_t>(N));
    for (std::int32_t w : widths)
        out.number(w);
}

void writeFavoritePotion(LineWriter &out, const QString &name, const TPotionRec &rec) {
    out.text(name);
    QStringList f;
    const auto add = [&f](std::int32_t v) { f.append(QString::number(v)); };
    for (std::int32_t item : rec.Items)
        add(item);
    for (const auto &eff : rec.Effects)
        add(eff.Effect);
    add(rec.ItemCount);
    add(rec.EffCount);
    add(rec.MainEffSlot);
    add(rec.Cost);
    add(rec.UselessItem);
    add(rec.PotionType);
    for (const auto &eff : rec.Effects)
        add(eff.Power);
    for (const auto &eff : rec.Effects)
        add(eff.Time);
    for (const auto &eff : rec.Effects)
        add(eff.Cost);
    out.text(f.join(QLatin1Char(' ')));
}

void writeIndexList(LineWriter &out, const std::vector<std::int32_t> &list) {
    out.number(static_cast<std::int32_t>(list.size()));
    for (std::int32_t v : list)
        out.number(v);
}

void writeBounds(LineWriter &out, const WindowBounds &b) {
    out.numbers(b.left, b.top, b.right, b.bottom);
}

void writeSlot(LineWriter &out, const SearchConditions &c) {
    out.numbers(c.CostMinIndex, c.CostMaxIndex, c.RequiredItem1, c.RequiredItem2, c.CheckCost ? 1 : 0,
                c.ItemsCountMode, c.RequiredItem1Enabled ? 1 : 0, c.RequiredItem2Enabled ? 1 : 0);
    for (int k = 0; k < kEffectLines; ++k)
        out.numbers(c.FilterCode[k], c.WantedEffect[k], c.EffectEnabled[k] ? 1 : 0);
}

QString settingsText(const MainSettings &s) {
    LineWriter out;
    writeWidths(out, s.headerWidths);
    writeWidths(out, s.headerEffInfoWidths);
    writeWidths(out, s.gridColumnWidths);

    SettingsBlock block = s.block;
    block.set(Setting.UsedItemsSetIndex, s.usedItems.UsedItemsSetIndex);
    block.clearReserved();
    block.normalizeFlags();
    out.number(kSettingsBlockSize);
    for (std::int32_t v : block.values())
        out.number(v);

    const auto &fav = s.favorites;
    out.number(static_cast<std::int32_t>(fav.FavPotions.size()));
    for (std::size_t i = 0; i < fav.FavPotions.size(); ++i) {
        const QString name = i < static_cast<std::size_t>(fav.FavPotionNames.size())
                                 ? fav.FavPotionNames.at(static_cast<qsizetype>(i))
                                 : QString();
        writeFavoritePotion(out, name, fav.FavPotions[i]);
    }

    for (const auto &set : s.usedItems.UsedItemsSets) {
        QString line(static_cast<qsizetype>(set.size()), QLatin1Char('0'));
        for (std::size_t i = 0; i < set.size(); ++i) {
            if (set[i] == 1)
                line[static_cast<qsizetype>(i)] = QLatin1Char('1');
        }
        out.text(line);
    }

    writeIndexList(out, fav.FavItems);
    writeIndexList(out, fav.FavEffects);
    writeBounds(out, s.pictureWindowBounds);
    writeBounds(out, s.usedItemsWindowBounds);
    writeBounds(out, s.favoritesWindowBounds);

    for (const FontSetting &font : s.fonts) {
        out.text(font.name);
        out.number(font.size);
    }
    for (const SearchConditions &slot : s.SearchSlots)
        writeSlot(out, slot);

    out.number(kUsedItemsSetCount);
    for (int i = 0; i < kUsedItemsSetCount; ++i)
        out.text(s.usedItems.setName(i));
    return out.result();
}

SettingsResult writeError(const QString &path, const QString &reason) {
    SettingsResult r;
    r.status = SettingsResult::Status::Error;
    r.message = QStringLiteral("Не удалось записать файл %1: %2").arg(path, reason);
    return r;
}

} // namespace

QByteArray serializeSettings(const MainSettings &settings) {
    // Characters outside code page 1251 cannot be stored; they become "?".
    return toCp1251(settingsText(settings));
}

SettingsResult WriteSettings(const QString &path, const MainSettings &settings) {
    if (const std::optional<QString> reason = replaceFileContents(path, serializeSettings(settings)))
        return writeError(path, *reason);
    return {};
}

} // namespace qor
