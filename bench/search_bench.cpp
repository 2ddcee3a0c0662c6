// Timings of the search from effects on the bundled data and on a generated
// set of 400 ingredients and 60 effects, of one evaluation, and of sorting a
// full recipe list.

#include "engine/effect_strength.h"
#include "engine/evaluate_potion.h"
#include "engine/search_data_gen.h"
#include "engine/search_from_effects.h"
#include "game_data/data_loader.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <random>

namespace {

using namespace qor;

// The data sets are loaded once, through the loader, as the program does.
struct BenchData {
    GameData data;
    std::vector<std::uint8_t> available;
    bool ok = false;
};

void load(BenchData &bench, const QString &dir) {
    bench.ok = !LoadGameData(dir, bench.data).has_value();
    if (!bench.ok)
        return;
    RecalcItemEffects(bench.data, SkillSettings{});
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
            WriteDataFolder(GenerateDataSet(3, 130, 55), dir);
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
        if (!WriteDataFolder(GenerateDataSet(7, 400, 60), dir))
            load(*d, dir);
        return d;
    }();
    return *data;
}

// The effect index that most ingredients share, so that a one-effect search
// is not trivially empty.
int commonEffect(const GameData &data) {
    std::vector<int> counts(std::size_t(data.effectRecordCount()), 0);
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        for (const TItemEffect &e : data.ItemTable[std::size_t(i)].Eff) {
            if (e.Effect > 0)
                ++counts[std::size_t(e.Effect)];
        }
    }
    return int(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

int secondCommonEffect(const GameData &data, int first) {
    std::vector<int> counts(std::size_t(data.effectRecordCount()), 0);
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        for (const TItemEffect &e : data.ItemTable[std::size_t(i)].Eff) {
            if (e.Effect > 0 && e.Effect != first)
                ++counts[std::size_t(e.Effect)];
        }
    }
    return int(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

void runSearch(benchmark::State &state, const BenchData &bench, const SearchConditions &cond) {
    if (!bench.ok) {
        state.SkipWithError("data set could not be loaded");
        return;
    }
    auto list = std::make_unique<PotionList>();
    EffectSearcher searcher;
    for (auto _ : state) {
        const EffectSearchOutcome outcome = searcher.run(bench.data, false, cond, bench.available, true, *list);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["recipes"] = list->PotionCount();
}

SearchConditions oneEffect(const BenchData &bench) {
    SearchConditions cond;
    cond.ItemsCountMode = 2;
    cond.WantedEffect[0] = bench.ok ? commonEffect(bench.data) : 1;
    return cond;
}

SearchConditions twoEffects(const BenchData &bench) {
    SearchConditions cond = oneEffect(bench);
    cond.WantedEffect[1] = bench.ok ? secondCommonEffect(bench.data, cond.WantedEffect[0]) : 2;
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

void BM_BundledOneEffect(benchmark::State &state) { runSearch(state, bundled(), oneEffect(bundled())); }
void BM_BundledGenericLines(benchmark::State &state) { runSearch(state, bundled(), genericLines()); }
void BM_Generated400OneEffect(benchmark::State &state) { runSearch(state, generated(), oneEffect(generated())); }
void BM_Generated400TwoEffects(benchmark::State &state) { runSearch(state, generated(), twoEffects(generated())); }
void BM_Generated400GenericLines(benchmark::State &state) { runSearch(state, generated(), genericLines()); }

BENCHMARK(BM_BundledOneEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BundledGenericLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400OneEffect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400TwoEffects)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated400GenericLines)->Unit(benchmark::kMicrosecond);

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
        benchmark::DoNotOptimize(EvaluatePotion(bench.data, false, rec, t[0], t[1], t[2], true));
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
