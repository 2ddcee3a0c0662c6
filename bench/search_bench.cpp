// Timings of the search from effects on the bundled data and on a generated
// set of 400 ingredients and 60 effects, of one evaluation, and of sorting a
// full recipe list.

#include "engine/effect_strength.h"
#include "engine/evaluate_potion.h"
#include "engine/search_from_effects.h"
#include "game_data/data_loader.h"
#include "gen_data/search_data_gen.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <random>

namespace {

using namespace qor;

// The data sets are loaded once, through the loader, as the program does.
struct BenchData {
    GameData data;
    EffectStrengths strengths;
    std::vector<std::uint8_t> available;
    bool ok = false;
};

void load(BenchData &bench, const QString &dir) {
    bench.ok = !loadGameData(dir, bench.data).has_value();
    if (!bench.ok)
        return;
    bench.strengths = RecalcItemEffects(bench.data, SkillSettings{});
    bench.available.assign(std::size_t(bench.data.itemRecordCount()), 1);
    bench.available[0] = 0;
}

const BenchData &bundled() {
    static const std::unique_ptr<BenchData> data = [] {
        auto d = std::make_unique<BenchData>();
        QString dir = QStringLiteral(QOR_SOURCE_DATA_DIR);
        if (!QFile::exists(dir + QStringLiteral("Items.ini"))) {
            // Without the bundled data a generated set of the same size stands in.
            static QTemporaryDir tmp;
            dir = tmp.path() + QStringLiteral("/");
            writeDataFolder(generateDataSet(3, 130, 55), dir);
        }
        load(*d, dir);
        return d;
    }();
    return *data;
}

const BenchData &generated() {
    static const std::unique_ptr<BenchData> data = [] {
        auto d = std::make_unique<BenchData>();
        QTemporaryDir tmp;
        const QString dir = tmp.path() + QStringLiteral("/");
        if (!writeDataFolder(generateDataSet(7, 400, 60), dir))
            load(*d, dir);
        return d;
    }();
    return *data;
}

// Effect indices ordered from the most to the least frequent among the
// ingredients (ties by index), so that scenarios pick common or typical effects.
std::vector<int> effectsByFrequency(const GameData &data) {
    std::vector<int> counts(std::size_t(data.effectRecordCount()), 0);
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        for (const TItemEffect &e : data.ItemTable[std::size_t(i)].Eff) {
            if (e.Effect > 0 && e.Effect < data.effectRecordCount())
                ++counts[std::size_t(e.Effect)];
        }
    }
    std::vector<int> order;
    for (int e = 1; e < data.effectRecordCount(); ++e)
        order.push_back(e);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return counts[std::size_t(a)] > counts[std::size_t(b)]; });
    return order;
}

void runSearch(benchmark::State &state, const BenchData &bench, const SearchConditions &cond,
               std::int32_t sortCode = 0) {
    if (!bench.ok) {
        state.SkipWithError("data set could not be loaded");
        return;
    }
    auto list = std::make_unique<PotionList>();
    list->PotionSortCode = sortCode;
    EffectSearcher searcher;
    for (auto _ : state) {
        const EffectSearchOutcome outcome =
            searcher.run(bench.data, bench.strengths, false, cond, bench.available, true, *list);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["recipes"] = list->PotionCount();
}

// Wanted effects by frequency rank: 0 = the most common effect, 0.5 = the
// median one.
SearchConditions wanted(const BenchData &bench, std::initializer_list<double> ranks) {
    SearchConditions cond;
    cond.ItemsCountMode = 2;
    if (!bench.ok)
        return cond;
    const std::vector<int> order = effectsByFrequency(bench.data);
    int line = 0;
    for (double rank : ranks) {
        const auto at = std::min(order.size() - 1, std::size_t(rank * double(order.size())));
        // Two lines never name the same effect.
        const std::size_t index = line > 0 && order[at] == cond.WantedEffect[0] ? at + 1 : at;
        cond.WantedEffect[std::size_t(line++)] = order[index];
    }
    return cond;
}

SearchConditions genericLines() {
    SearchConditions cond;
    cond.ItemsCountMode = 2;
    cond.FilterCode[0] = FilterCode::Any;
    cond.FilterCode[1] = FilterCode::Any;
    cond.FilterCode[2] = FilterCode::NoneOrAny;
    return cond;
}

void BM_BundledOneEffect(benchmark::State &state) {
    runSearch(state, bundled(), wanted(bundled(), {0.0}));
}
void BM_BundledOneMedianEffect(benchmark::State &state) {
    runSearch(state, bundled(), wanted(bundled(), {0.5}));
}
void BM_BundledGenericLines(benchmark::State &state) {
    runSearch(state, bundled(), genericLines());
}
void BM_Generated400OneEffect(benchmark::State &state) {
    runSearch(state, generated(), wanted(generated(), {0.0}));
}
void BM_Generated400OneMedianEffect(benchmark::State &state) {
    runSearch(state, generated(), wanted(generated(), {0.5}));
}
void BM_Generated400TwoMedianEffects(benchmark::State &state) {
    runSearch(state, generated(), wanted(generated(), {0.5, 0.45}));
}
void BM_Generated400CommonAndMedianEffect(benchmark::State &state) {
    runSearch(state, generated(), wanted(generated(), {0.0, 0.5}));
}
void BM_Generated400TwoMostCommonEffects(benchmark::State &state) {
    runSearch(state, generated(), wanted(generated(), {0.0, 0.0}));
}
void BM_Generated400GenericLines(benchmark::State &state) {
    runSearch(state, generated(), genericLines());
}
// The search ends with sorting the list; here by price, largest first.
void BM_Generated400GenericLinesSorted(benchmark::State &state) {
    runSearch(state, generated(), genericLines(), -2);
}

BENCHMARK(BM_BundledOneEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BundledOneMedianEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BundledGenericLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400OneEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400OneMedianEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400TwoMedianEffects)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400CommonAndMedianEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400TwoMostCommonEffects)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400GenericLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400GenericLinesSorted)->Unit(benchmark::kMicrosecond);

// One strict evaluation, over a fixed sample of triples of the generated set.
void BM_EvaluatePotion(benchmark::State &state) {
    const BenchData &bench = generated();
    if (!bench.ok) {
        state.SkipWithError("data set could not be loaded");
        return;
    }
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> pick(1, bench.data.highestItem());
    std::vector<std::array<int, 3>> triples(4096);
    for (auto &t : triples)
        t = {pick(rng), pick(rng), pick(rng)};
    TPotionRec rec;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &t = triples[i++ & 4095];
        benchmark::DoNotOptimize(
            EvaluatePotion(bench.data, bench.strengths, false, rec, t[0], t[1], t[2], true));
    }
}
BENCHMARK(BM_EvaluatePotion);

// Sorting a full list by price; the records are restored before each round
// outside the timing.
void BM_SortPotions100000(benchmark::State &state) {
    auto list = std::make_unique<PotionList>();
    std::mt19937 rng(2);
    std::uniform_int_distribution<int> price(0, 150000);
    for (int i = 0; i < MaxPotions; ++i) {
        TPotionRec rec;
        rec.Cost = price(rng);
        rec.Items = {i % 400 + 1, i % 397 + 1, 0};
        list->AddPotion(rec);
    }
    std::vector<TPotionRec> original(list->Potions().begin(), list->Potions().end());
    int code = 2;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(original.begin(), original.end(), list->Potions().begin());
        list->PotionSortCode = code;
        code = -code;
        state.ResumeTiming();
        list->SortPotions();
    }
}
BENCHMARK(BM_SortPotions100000)->Unit(benchmark::kMicrosecond);

} // namespace
