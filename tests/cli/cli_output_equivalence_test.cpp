// The tool's output bytes against the text-stream formatting it replaced
// (kept below as it was), on the random data sets and search conditions of
// the search equivalence test: strengths, the reference table, search lines
// and cells, evaluations and alternative making.

#include "cli/cli_app.h"
#include "cli/output_buffer.h"
#include "common/random_conditions.h"
#include "common/test_data.h"
#include "engine/alt_making.h"
#include "engine/effect_strength.h"
#include "engine/evaluate_potion.h"
#include "engine/potion_list.h"
#include "engine/search_from_effects.h"
#include "game_data/data_loader.h"
#include "recipe_list/potion_cells.h"
#include "reference_table/grid_model.h"

#include <QBuffer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace qor {
namespace {

// ---- The formatting the byte buffer replaced -------------------------------

QString oldRecordLine(const TPotionRec &rec) {
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

void oldStrengths(QTextStream &out, const GameData &data, const EffectStrengths &strengths) {
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        const TItemRec &item = data.ItemTable[std::size_t(i)];
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const TItemEffect &e = item.Eff[std::size_t(j)];
            const SlotStrength &s = strengths.slot(i, j);
            out << i << ' ' << (j + 1) << ' ' << e.Effect << ' ' << e.BasePower << ' ' << e.BaseTime << ' '
                << s.Power << ' ' << s.Time << ' ' << s.Cost << ' ' << s.PowerPlain << ' ' << s.TimePlain
                << ' ' << s.CostPlain << '\n';
        }
    }
}

void oldGrid(QTextStream &out, const GameData &data, const EffectStrengths &strengths, int sortCode) {
    GridState grid;
    resetGridRowOrder(data, grid);
    grid.GridSortCode = sortCode;
    SortGrid(data, strengths, grid);
    const QString point = QStringLiteral(".");
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int column = 1; column <= kGridLastColumn; ++column) {
            if (column > 1)
                out << '\t';
            out << GetGridData(data, strengths, grid, column, row, point);
        }
        out << '\n';
    }
}

void oldSearch(QTextStream &out, const GameData &data, const PotionList &list, bool cells) {
    for (int row = 0; row < list.PotionCount(); ++row) {
        if (!cells) {
            out << oldRecordLine(list[row]) << '\n';
            continue;
        }
        for (int column = 0; column < PotionColumn::Count; ++column) {
            if (column > 0)
                out << '\t';
            out << GetPotionCellText(data, list, row, column, false);
        }
        out << '\n';
    }
}

void oldValues(QTextStream &out, const char *label, const std::vector<std::int32_t> &values) {
    out << label;
    for (std::int32_t v : values)
        out << ' ' << v;
    out << '\n';
}

// ---- Running both -----------------------------------------------------------

// The bytes a text stream on a device writes, as the tool's stdout receives them.
template <typename Print> QByteArray streamBytes(Print print) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QTextStream out(&buffer);
        print(out);
    }
    return buffer.data();
}

struct ToolRun {
    int code = -1;
    QByteArray out;
    QString err;
};

ToolRun runTool(const QString &dir, const QStringList &global, const QStringList &command) {
    ToolRun r;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QTextStream out(&buffer);
        QTextStream err(&r.err);
        r.code = runCli(QStringList{QStringLiteral("qor-alchemy-cli"), QStringLiteral("--data"), dir} +
                            global + command,
                        out, err);
    }
    r.out = buffer.data();
    return r;
}

// The options of search-effects for cond, or false when the tool does not
// take one of its values (only the damaged values the generator adds now and
// then).
bool conditionArgs(const SearchConditions &cond, const GameData &data, QStringList &args) {
    const auto n = [](int v) { return QString::number(v); };
    if (cond.ItemsCountMode < 0 || cond.ItemsCountMode > 2)
        return false;
    args << QStringLiteral("--count") << n(cond.ItemsCountMode);
    for (int i = 0; i < kEffectLines; ++i) {
        const std::int32_t effect = cond.WantedEffect[std::size_t(i)];
        const std::int32_t filter = cond.FilterCode[std::size_t(i)];
        if (effect < 0 || effect > data.highestEffect() || filter < 0 || filter >= data.FilterList.size())
            return false;
        if (effect != 0)
            args << QStringLiteral("--effect") << n(i + 1) + u':' + n(effect);
        if (filter != 0)
            args << QStringLiteral("--filter") << n(i + 1) + u':' + n(filter);
        if (!cond.EffectEnabled[std::size_t(i)])
            args << QStringLiteral("--disable") << n(i + 1);
    }
    const struct {
        bool enabled;
        std::int32_t item;
        const char *option;
    } required[] = {{cond.RequiredItem1Enabled, cond.RequiredItem1, "--require1"},
                    {cond.RequiredItem2Enabled, cond.RequiredItem2, "--require2"}};
    for (const auto &r : required) {
        if (!r.enabled)
            continue;
        if (r.item < 0 || r.item > data.highestItem())
            return false;
        args << QString::fromLatin1(r.option) << n(r.item);
    }
    if (cond.CheckCost) {
        const int last = int(data.CostList.size()) - 1;
        if (cond.CostMinIndex < 0 || cond.CostMinIndex > last || cond.CostMaxIndex < 0 ||
            cond.CostMaxIndex > last)
            return false;
        args << QStringLiteral("--price") << n(cond.CostMinIndex) + u':' + n(cond.CostMaxIndex);
    }
    return true;
}

// What the tool searches with: the options alone, every ingredient at hand.
SearchConditions asTheToolReadsThem(SearchConditions cond) {
    const SearchConditions defaults;
    if (!cond.RequiredItem1Enabled)
        cond.RequiredItem1 = defaults.RequiredItem1;
    if (!cond.RequiredItem2Enabled)
        cond.RequiredItem2 = defaults.RequiredItem2;
    if (!cond.CheckCost) {
        cond.CostMinIndex = defaults.CostMinIndex;
        cond.CostMaxIndex = defaults.CostMaxIndex;
    }
    return cond;
}

struct RandomFolder {
    QTemporaryDir dir;
    GameData data;
    SkillSettings skills;
    EffectStrengths strengths; // of data for skills
    QStringList global;        // the skill options for skills
};

// A random data folder on disk, loaded as the tool loads it, and random skills.
bool makeFolder(std::mt19937_64 &rng, RandomFolder &folder) {
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const DataSetDescription dataSet = test::randomSmallDataSet(rng, uniform(8, 30), uniform(6, 20));
    if (!folder.dir.isValid() || writeDataFolder(dataSet, folder.dir.path()))
        return false;
    if (loadGameData(test::withSlash(folder.dir.path()), folder.data))
        return false;
    SkillSettings &s = folder.skills;
    s.AlchemySkill = uniform(0, 100);
    s.AlchemyFortify = uniform(0, 3) == 0 ? uniform(0, 200) : 0;
    s.AlchemistRanks = uniform(0, 5);
    QStringList perks;
    const struct {
        bool SkillSettings::*flag;
        const char *name;
    } kPerks[] = {{&SkillSettings::PerkPhysician, "physician"},
                  {&SkillSettings::PerkBenefactor, "benefactor"},
                  {&SkillSettings::PerkPoisoner, "poisoner"},
                  {&SkillSettings::PerkPurity, "purity"}};
    for (const auto &p : kPerks) {
        s.*p.flag = uniform(0, 1) == 1;
        if (s.*p.flag)
            perks << QString::fromLatin1(p.name);
    }
    folder.global = {QStringLiteral("--skill"),   QString::number(s.AlchemySkill),
                     QStringLiteral("--fortify"), QString::number(s.AlchemyFortify),
                     QStringLiteral("--ranks"),   QString::number(s.AlchemistRanks)};
    if (!perks.isEmpty())
        folder.global << QStringLiteral("--perks") << perks.join(u',');
    folder.strengths = RecalcItemEffects(folder.data, s);
    return true;
}

TEST(CliOutputEquivalence, StrengthsAndReferenceTableAsBefore) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        std::mt19937_64 rng(seed);
        RandomFolder f;
        ASSERT_TRUE(makeFolder(rng, f)) << seed;
        const QString dir = f.dir.path();

        ToolRun r = runTool(dir, f.global, {QStringLiteral("strengths")});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, streamBytes([&](QTextStream &out) { oldStrengths(out, f.data, f.strengths); }))
            << seed;

        const int sortCode = std::uniform_int_distribution<int>(-29, 29)(rng);
        r = runTool(dir, f.global,
                    {QStringLiteral("grid"), QStringLiteral("--sort"), QString::number(sortCode)});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, streamBytes([&](QTextStream &out) { oldGrid(out, f.data, f.strengths, sortCode); }))
            << seed << " sort " << sortCode;
    }
}

TEST(CliOutputEquivalence, SearchLinesAndCellsAsBefore) {
    const auto list = std::make_unique<PotionList>();
    int compared = 0;
    int lines = 0;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        std::mt19937_64 rng(seed);
        RandomFolder f;
        ASSERT_TRUE(makeFolder(rng, f)) << seed;
        const std::vector<std::uint8_t> available(std::size_t(f.data.itemRecordCount()), 1);
        for (int run = 0; run < 12; ++run) {
            const SearchConditions cond = test::randomConditions(rng, f.data);
            const int sortCode = std::uniform_int_distribution<int>(-25, 25)(rng);
            const bool cells = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
            QStringList args{QStringLiteral("search-effects"), QStringLiteral("--sort"),
                             QString::number(sortCode)};
            if (cells)
                args << QStringLiteral("--cells");
            if (!conditionArgs(cond, f.data, args))
                continue;

            list->clear();
            list->PotionSortCode = sortCode;
            SearshFromEffects(f.data, f.strengths, f.skills.PerkPurity, asTheToolReadsThem(cond), available,
                              true, *list);
            const ToolRun r = runTool(f.dir.path(), f.global, args);
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            ASSERT_EQ(r.out, streamBytes([&](QTextStream &out) { oldSearch(out, f.data, *list, cells); }))
                << "seed " << seed << " run " << run << ": " << args.join(u' ').toStdString();
            ++compared;
            lines += list->PotionCount();
        }
    }
    // Enough runs with enough recipes, or the comparison proves little.
    EXPECT_GT(compared, 250);
    EXPECT_GT(lines, 3000);
}

TEST(CliOutputEquivalence, LongListsCrossManyBlocks) {
    // Tens of thousands of recipes: lines and Cyrillic cells fall across the
    // ends of the output blocks.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(writeDataFolder(generateDataSet(7, 70, 30), dir.path()));
    GameData data;
    ASSERT_FALSE(loadGameData(test::withSlash(dir.path()), data));
    SkillSettings skills;
    skills.AlchemySkill = 50;
    const EffectStrengths strengths = RecalcItemEffects(data, skills);
    SearchConditions cond;
    cond.ItemsCountMode = 2;
    cond.FilterCode = {FilterCode::Any, FilterCode::Any, 0, 0, 0};
    const auto list = std::make_unique<PotionList>();
    list->PotionSortCode = -2;
    SearshFromEffects(data, strengths, false, cond,
                      std::vector<std::uint8_t>(std::size_t(data.itemRecordCount()), 1), true, *list);
    ASSERT_GT(list->PotionCount(), 5000);
    for (const bool cells : {false, true}) {
        QStringList args{QStringLiteral("search-effects"),
                         QStringLiteral("--count"),
                         QStringLiteral("2"),
                         QStringLiteral("--filter"),
                         QStringLiteral("1:2"),
                         QStringLiteral("--filter"),
                         QStringLiteral("2:2"),
                         QStringLiteral("--sort"),
                         QStringLiteral("-2")};
        if (cells)
            args << QStringLiteral("--cells");
        const ToolRun r = runTool(dir.path(), {QStringLiteral("--skill"), QStringLiteral("50")}, args);
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QByteArray expected =
            streamBytes([&](QTextStream &out) { oldSearch(out, data, *list, cells); });
        ASSERT_GT(expected.size(), qsizetype(4 * OutputBuffer::kBlockSize));
        EXPECT_EQ(r.out, expected) << "cells " << cells;
    }
}

TEST(CliOutputBuffer, TextLongerThanABlockAndExtremeNumbers) {
    // Cyrillic letters and a character outside the 16-bit range (a surrogate
    // pair), which a piece boundary of the encoder may cut.
    QString text;
    for (int i = 0; text.size() < qsizetype(3 * OutputBuffer::kBlockSize); ++i)
        text += i % 7 == 0 ? QStringLiteral("\U0001F9EA") : QStringLiteral("Зелье ");
    const std::string ascii(OutputBuffer::kBlockSize * 2 + 17, 'x');
    QByteArray expected = text.toUtf8();
    expected += QByteArray::fromStdString(ascii);
    expected += "-2147483648 2147483647 0 -9223372036854775808\n";

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QTextStream stream(&buffer);
        OutputBuffer out(stream);
        for (qsizetype at = 0; at < text.size(); at += 1000)
            out << QStringView(text).sliced(at, std::min<qsizetype>(1000, text.size() - at));
        out << std::string_view(ascii) << std::numeric_limits<std::int32_t>::min() << ' '
            << std::numeric_limits<std::int32_t>::max() << ' ' << std::uint8_t{0} << ' '
            << std::numeric_limits<std::int64_t>::min() << '\n';
    }
    EXPECT_EQ(buffer.data(), expected);

    // A stream on a string receives the same text.
    QString collected;
    {
        QTextStream stream(&collected);
        OutputBuffer out(stream);
        out << QStringView(text) << std::string_view(ascii);
    }
    EXPECT_EQ(collected, text + QString::fromStdString(ascii));
}

// Text the stream still holds goes out before the buffer's bytes, at every
// flush, on a device and on a string.
TEST(CliOutputBuffer, StreamTextGoesOutBeforeTheBuffer) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QTextStream stream(&buffer);
        stream << QStringLiteral("Заголовок\n");
        OutputBuffer out(stream);
        out << std::string_view("первый блок\n");
        out.flush();
        stream << QStringLiteral("середина\n");
        out << 42 << '\n';
    }
    EXPECT_EQ(buffer.data(), QByteArray("Заголовок\nпервый блок\nсередина\n42\n"));

    QString collected;
    {
        QTextStream stream(&collected);
        stream << QStringLiteral("Заголовок\n");
        OutputBuffer out(stream);
        out << QStringView(u"строка\n");
    }
    EXPECT_EQ(collected, QStringLiteral("Заголовок\nстрока\n"));
}

TEST(CliOutputEquivalence, EvaluationsAndAlternativeMakingAsBefore) {
    for (std::uint64_t seed = 1; seed <= 10; ++seed) {
        std::mt19937_64 rng(seed);
        RandomFolder f;
        ASSERT_TRUE(makeFolder(rng, f)) << seed;
        const auto item = [&] { return std::uniform_int_distribution<int>(0, f.data.highestItem())(rng); };
        for (int run = 0; run < 15; ++run) {
            const int a = item();
            const int b = item();
            const int c = run % 3 == 0 ? 0 : item();
            TPotionRec rec;
            const bool made = EvaluatePotion(f.data, f.strengths, f.skills.PerkPurity, rec, a, b, c, false);
            const ToolRun r = runTool(
                f.dir.path(), f.global,
                {QStringLiteral("evaluate"), QString::number(a), QString::number(b), QString::number(c)});
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            EXPECT_EQ(r.out, streamBytes([&](QTextStream &out) {
                          if (made)
                              out << oldRecordLine(rec) << '\n';
                          else
                              out << "none\n";
                      }))
                << a << ' ' << b << ' ' << c;
        }

        const int first = std::max(1, item());
        const int second = std::max(1, item());
        const auto altList = std::make_unique<PotionList>();
        AltMaking alt;
        AltSelection selection;
        selection.candidates = alt.preparePage(f.data, -1);
        alt.AltAddItem(f.data, f.strengths, f.skills.PerkPurity, *altList, first, selection);
        alt.AltAddItem(f.data, f.strengths, f.skills.PerkPurity, *altList, second, selection);
        const ToolRun r = runTool(f.dir.path(), f.global,
                                  {QStringLiteral("alt"), QStringLiteral("--item"), QString::number(first),
                                   QStringLiteral("--item"), QString::number(second)});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, streamBytes([&](QTextStream &out) {
                      oldValues(out, "items", alt.AltItems);
                      oldValues(out, "effects", alt.AltEffects);
                      oldValues(out, "reachable", alt.reachableEffects(true));
                      oldValues(out, "unreachable", alt.reachableEffects(false));
                      oldValues(out, "candidates", alt.AltCandidates);
                      if (altList->PotionCount() > 0)
                          out << "potion " << oldRecordLine((*altList)[0]) << '\n';
                      else
                          out << "potion none\n";
                  }))
            << first << ' ' << second;
    }
}

} // namespace
} // namespace qor
