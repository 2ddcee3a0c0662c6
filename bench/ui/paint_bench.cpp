// Painting a full screen of the recipe list holding 100000 recipes, off
// screen: the visible rows drawn by PotionListView into an image.

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/evaluate_potion.h"
#include "engine/potion_list.h"
#include "game_data/data_loader.h"
#include "gen_data/search_data_gen.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "bench_app.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <random>

using namespace qor;

namespace {

// Row pictures of the row height in three plain colours, as the program's
// prepared pictures are: RGB32, drawn unscaled.
class PlainPictures : public PictureSource {
  public:
    const QImage *rowPicture(int item, RowPicture v) const override {
        return item > 0 ? &m_rows[static_cast<int>(v)] : nullptr;
    }
    const QImage *kindRowPicture(int, RowPicture v) const override { return &m_rows[static_cast<int>(v)]; }
    const QImage *smallPicture(int) const override { return nullptr; }
    const QImage *windowPicture(int) override { return nullptr; }
    void ensureRowPictures(int s, const QColor &even, const QColor &odd, const QColor &sel) override {
        if (m_rows[0].height() == s)
            return;
        const QColor bg[] = {even, odd, sel};
        for (int v = 0; v < 3; ++v) {
            m_rows[v] = QImage(s, s, QImage::Format_RGB32);
            m_rows[v].fill(bg[v]);
            QPainter p(&m_rows[v]);
            p.fillRect(s / 4, s / 4, s / 2, s / 2, QColor(120, 80, 40));
        }
    }

  private:
    std::array<QImage, 3> m_rows;
};

// The bundled data (or a generated set when it cannot be read) and a list
// filled to capacity with real recipes of it.
struct Fixture {
    GameData data;
    PotionList list;
    ViewColors colors;
    PlainPictures pictures;

    Fixture() {
        if (loadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), data).has_value())
            data = buildGameData(generateDataSet(7, 110, 55));
        const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        std::mt19937 rng(42);
        std::uniform_int_distribution<int> pick(1, data.highestItem());
        TPotionRec rec;
        for (int tries = 0; !list.isFull() && tries < 50 * MaxPotions; ++tries) {
            const int a = pick(rng), b = pick(rng), c = tries % 2 ? pick(rng) : 0;
            if (a == b || a == c || b == c)
                continue;
            if (EvaluatePotion(data, strengths, false, rec, a, b, c, false))
                list.AddPotion(rec);
        }
        colors.PotionColor2 = QColor(235, 235, 245);
        colors.DrawVertLines = true;
        colors.LightCellMode = 3;
    }
};

Fixture &fixture() {
    static Fixture f;
    return f;
}

// Column widths a player would use on a wide screen.
void setWidths(PotionHeader &header) {
    const int widths[PotionColumn::Count] = {45,  30, 45, 130, 130, 130, 45, 45, 45,  140, 45, 45, 45,
                                             140, 45, 45, 45,  140, 45,  45, 45, 140, 45,  45, 45, 140};
    for (int k = 0; k < PotionColumn::Count; ++k)
        header.resizeSection(k, widths[k]);
}

void paintScreen(benchmark::State &state, int width, int height, bool pictures) {
    qor::bench::ensureUiApp();
    Fixture &f = fixture();
    PotionHeader header(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(), f.colors, &f.list);
    setWidths(header);
    PotionListView view(f.data, f.list, f.colors, header, pictures ? &f.pictures : nullptr);
    view.resize(width, height);
    view.setItemHeight(25);
    view.show();
    view.refresh();
    view.setTopIndex(f.list.PotionCount() / 2);
    view.setCurrentRow(f.list.PotionCount() / 2 + 3);
    view.trackLitCell(QPoint(300, 5 * 25 + 5));
    QImage target(view.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["rows"] = static_cast<double>(view.visibleRowCount());
    state.counters["recipes"] = static_cast<double>(f.list.PotionCount());
}

void BM_PaintRecipeList_1280x1024(benchmark::State &state) {
    paintScreen(state, 1280, 1024, true);
}
void BM_PaintRecipeList_1920x1080(benchmark::State &state) {
    paintScreen(state, 1920, 1080, true);
}
void BM_PaintRecipeList_1920x1080_NoPictures(benchmark::State &state) {
    paintScreen(state, 1920, 1080, false);
}

} // namespace

BENCHMARK(BM_PaintRecipeList_1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintRecipeList_1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintRecipeList_1920x1080_NoPictures)->Unit(benchmark::kMillisecond);
