// Reading Main.ini: the sections in their fixed order, the counts in the file
// driving the reading. Any line that is missing or does not hold the numbers
// it must hold stops the reading with an error naming that line.

#include "settings/settings_file.h"

#include "common/file_read.h"
#include "game_data/text_codec.h"

#include <algorithm>
#include <span>

namespace qor {

namespace {

// Largest counts a file can sensibly hold: columns, block lines and set
// names number in the tens; favourites and index lists are open-ended.
constexpr std::int32_t kMaxSectionCount = 1000;
constexpr std::int32_t kMaxListCount = 1000000;

// Walks the decoded lines of the file; remembers where reading failed.
class LineCursor {
  public:
    explicit LineCursor(const QString &text) {
        m_lines = text.split(QLatin1Char('\n'));
        // A final line break ends the last line; it does not start another.
        if (!m_lines.isEmpty() && m_lines.last().isEmpty())
            m_lines.removeLast();
        for (QString &line : m_lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    }

    bool failed() const { return m_failed; }
    int failedLine() const { return m_failedLine; }
    const QString &reason() const { return m_reason; }

    // The next line as text (a string line holds the whole string).
    bool text(QString &out) {
        if (m_failed)
            return false;
        if (m_next >= m_lines.size())
            return fail(QStringLiteral("неожиданный конец файла"));
        out = m_lines.at(m_next++);
        return true;
    }

    // The next line must start with out.size() integers separated by blanks;
    // anything after them on the line is ignored.
    bool numbers(std::span<std::int32_t> out) {
        QString line;
        if (!text(line))
            return false;
        const QStringView view(line);
        qsizetype pos = 0;
        for (std::int32_t &value : out) {
            while (pos < view.size() && view.at(pos).isSpace())
                ++pos;
            qsizetype end = pos;
            while (end < view.size() && !view.at(end).isSpace())
                ++end;
            if (end == pos) {
                --m_next;
                return fail(QStringLiteral("не хватает чисел в строке"));
            }
            bool ok = false;
            value = view.sliced(pos, end - pos).toInt(&ok, 10);
            if (!ok) {
                --m_next;
                return fail(QStringLiteral("неверный формат числа"));
            }
            pos = end;
        }
        return true;
    }

    bool number(std::int32_t &out) { return numbers(std::span<std::int32_t>(&out, 1)); }

    // A count of entries that follow: a negative one, or one beyond what any
    // file of ours holds, is wrong at its own line rather than where the
    // file stops lining up dozens of lines later.
    bool count(std::int32_t &out, std::int32_t maximum) {
        if (!number(out))
            return false;
        if (out < 0 || out > maximum) {
            --m_next;
            return fail(QStringLiteral("количество %1 вне диапазона 0..%2").arg(out).arg(maximum));
        }
        return true;
    }

  private:
    bool fail(const QString &reason) {
        m_failed = true;
        m_failedLine = static_cast<int>(m_next) + 1;
        m_reason = reason;
        return false;
    }

    QStringList m_lines;
    qsizetype m_next = 0;
    bool m_failed = false;
    int m_failedLine = 0;
    QString m_reason;
};

// A count line then that many width lines; widths beyond `widths` are read
// and dropped, missing ones keep their current value.
bool readWidths(LineCursor &in, std::span<std::int32_t> widths) {
    std::int32_t count = 0;
    if (!in.count(count, kMaxSectionCount))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t w = 0;
        if (!in.number(w))
            return false;
        if (static_cast<std::size_t>(i) < widths.size())
            widths[static_cast<std::size_t>(i)] = w;
    }
    return true;
}

bool readBlock(LineCursor &in, SettingsBlock &block) {
    std::int32_t count = 0;
    if (!in.count(count, kMaxSectionCount))
        return false;
    block = SettingsBlock{}; // values the file does not announce are 0
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t v = 0;
        if (!in.number(v))
            return false;
        block.setValue(i + 1, v);
    }
    // Only the low byte of the marker character counts.
    block.set(Setting.EffColorChar, block.get(Setting.EffColorChar));
    block.applyReadCorrections();
    return true;
}

bool readFavoritePotion(LineCursor &in, FavoritesModel &fav) {
    QString name;
    if (!in.text(name))
        return false;
    std::array<std::int32_t, 29> f{};
    if (!in.numbers(f))
        return false;
    TPotionRec rec;
    std::size_t k = 0;
    for (auto &item : rec.Items)
        item = f[k++];
    for (auto &eff : rec.Effects)
        eff.Effect = f[k++];
    rec.ItemCount = f[k++];
    rec.EffCount = f[k++];
    rec.MainEffSlot = f[k++];
    rec.Cost = f[k++];
    rec.UselessItem = f[k++];
    rec.PotionType = static_cast<std::uint8_t>(f[k++] & 0xFF);
    for (auto &eff : rec.Effects)
        eff.Power = f[k++];
    for (auto &eff : rec.Effects)
        eff.Time = f[k++];
    for (auto &eff : rec.Effects)
        eff.Cost = f[k++];
    fav.FavPotions.push_back(rec);
    fav.FavPotionNames.append(name);
    return true;
}

bool readIndexList(LineCursor &in, std::vector<std::int32_t> &list) {
    list.clear();
    std::int32_t count = 0;
    if (!in.count(count, kMaxListCount))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t v = 0;
        if (!in.number(v))
            return false;
        list.push_back(v);
    }
    return true;
}

bool readBounds(LineCursor &in, WindowBounds &b) {
    std::array<std::int32_t, 4> v{};
    if (!in.numbers(v))
        return false;
    b = {v[0], v[1], v[2], v[3]};
    return true;
}

bool readSlot(LineCursor &in, SearchConditions &slot) {
    // Flags are read back as their low byte.
    const auto flag = [](std::int32_t v) { return (v & 0xFF) != 0; };
    std::array<std::int32_t, 8> head{};
    if (!in.numbers(head))
        return false;
    slot.CostMinIndex = head[0];
    slot.CostMaxIndex = head[1];
    slot.RequiredItem1 = head[2];
    slot.RequiredItem2 = head[3];
    slot.CheckCost = flag(head[4]);
    slot.ItemsCountMode = head[5];
    slot.RequiredItem1Enabled = flag(head[6]);
    slot.RequiredItem2Enabled = flag(head[7]);
    for (int k = 0; k < kEffectLines; ++k) {
        std::array<std::int32_t, 3> row{};
        if (!in.numbers(row))
            return false;
        slot.FilterCode[k] = row[0];
        slot.WantedEffect[k] = row[1];
        slot.EffectEnabled[k] = flag(row[2]);
    }
    return true;
}

bool readSetNames(LineCursor &in, QStringList &names) {
    std::int32_t count = 0;
    if (!in.count(count, kMaxSectionCount))
        return false;
    for (std::int32_t i = 0; i < count; ++i) {
        QString name;
        if (!in.text(name))
            return false;
        if (i < kUsedItemsSetCount)
            names[i] = name;
    }
    return true;
}

bool readAll(LineCursor &in, int itemRecordCount, MainSettings &s) {
    if (!readWidths(in, s.headerWidths) || !readWidths(in, s.headerEffInfoWidths) ||
        !readWidths(in, s.gridColumnWidths) || !readBlock(in, s.block))
        return false;

    s.favorites.FavPotions.clear();
    s.favorites.FavPotionNames.clear();
    std::int32_t favCount = 0;
    if (!in.count(favCount, kMaxListCount))
        return false;
    for (std::int32_t i = 0; i < favCount; ++i) {
        if (!readFavoritePotion(in, s.favorites))
            return false;
    }

    // One character per ingredient index; short lines leave the rest
    // unavailable, long ones are cut.
    for (auto &set : s.usedItems.UsedItemsSets) {
        QString line;
        if (!in.text(line))
            return false;
        set.assign(static_cast<std::size_t>(std::max(itemRecordCount, 0)), 0);
        const qsizetype n = std::min<qsizetype>(line.size(), static_cast<qsizetype>(set.size()));
        for (qsizetype i = 0; i < n; ++i)
            set[static_cast<std::size_t>(i)] = line.at(i) == QLatin1Char('1') ? 1 : 0;
    }

    if (!readIndexList(in, s.favorites.FavItems) || !readIndexList(in, s.favorites.FavEffects))
        return false;
    if (!readBounds(in, s.pictureWindowBounds) || !readBounds(in, s.usedItemsWindowBounds) ||
        !readBounds(in, s.favoritesWindowBounds))
        return false;

    for (FontSetting &font : s.fonts) {
        if (!in.text(font.name) || !in.number(font.size))
            return false;
    }
    for (SearchConditions &slot : s.SearchSlots) {
        if (!readSlot(in, slot))
            return false;
    }
    return readSetNames(in, s.usedItems.UsedItemsSetNames);
}

SettingsResult errorAt(const QString &fileName, int line, const QString &reason) {
    SettingsResult r;
    r.status = SettingsResult::Status::Error;
    r.line = line;
    r.message = QStringLiteral("Ошибка чтения файла %1, строка %2: %3").arg(fileName).arg(line).arg(reason);
    return r;
}

SettingsResult fileError(const QString &text) {
    SettingsResult r;
    r.status = SettingsResult::Status::Error;
    r.message = text;
    return r;
}

// parseSettings with the name the messages give the file.
SettingsResult parseSettings(const QByteArray &bytes, int itemRecordCount, MainSettings &out,
                             const QString &fileName) {
    out = defaultSettings(itemRecordCount);
    const QString text = fromCp1251(bytes);

    MainSettings s = out;
    LineCursor in(text);
    if (!readAll(in, itemRecordCount, s))
        return errorAt(fileName, in.failedLine(), in.reason());

    s.usedItems.UsedItemsSetIndex = s.block.get(Setting.UsedItemsSetIndex);
    s.usedItems.resize(itemRecordCount);
    // The working copy follows the current set (set 0 for an index out of
    // range); the raw index stays for the round trip.
    s.usedItems.ItemAvailable = s.usedItems.UsedItemsSets[static_cast<std::size_t>(s.usedItems.currentSet())];
    if (!s.usedItems.ItemAvailable.empty())
        s.usedItems.ItemAvailable[0] = 0;
    out = std::move(s);
    return {};
}

} // namespace

SettingsResult parseSettings(const QByteArray &bytes, int itemRecordCount, MainSettings &out) {
    return parseSettings(bytes, itemRecordCount, out, QLatin1String(kSettingsFileName));
}

SettingsResult ReadSettings(const QString &path, int itemRecordCount, MainSettings &out) {
    out = defaultSettings(itemRecordCount);
    QByteArray bytes;
    const FileRead read = readCheckedFile(path, FileKind::Settings, bytes);
    if (read.fault == FileFault::Missing) {
        SettingsResult r;
        r.status = SettingsResult::Status::Missing;
        return r;
    }
    if (!read.ok())
        return fileError(read.text(path));
    return parseSettings(bytes, itemRecordCount, out, path);
}

} // namespace qor
