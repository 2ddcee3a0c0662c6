// The recipe list LBPotion rendered off screen: backgrounds, pictures,
// markers, lit cells, lines, narrow columns and the strip right of the columns.

#include "draw_support.h"

#include "common_ui/count_list_model.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

using namespace qor;
using namespace qor::drawtest;

namespace {

constexpr int kRowHeight = 25;

class RecipeListDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApp();
        colors = testColors();
        data = testData();
        header = std::make_unique<PotionHeader>(PotionHeader::Kind::Recipes, PotionHeader::recipeCaptions(),
                                                colors, &list);
        header->resize(26 * 35, 19);
    }

    // A view over the list; pictures may be null.
    std::unique_ptr<PotionListView> makeView(PictureSource *pictures, int width = 26 * 35, int rows = 5) {
        auto v = std::make_unique<PotionListView>(data, list, colors, *header, pictures);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setItemHeight(kRowHeight);
        v->resize(width, rows * kRowHeight);
        v->show();
        v->refresh();
        return v;
    }

    void addRecipes(int n) {
        for (int i = 0; i < n; ++i)
            list.AddPotion(
                twoEffectRecipe(100 + i, 1 + i % 3, 1 + (i + 1) % 3, static_cast<std::uint8_t>(i % 2)));
    }

    QRect cell(int column, int row) const {
        return {header->sectionLeft(column), row * kRowHeight, header->sectionSize(column), kRowHeight};
    }

    ViewColors colors;
    GameData data;
    PotionList list;
    std::unique_ptr<PotionHeader> header;
};

// Column 14 (magnitude of slot 3) is empty for two-effect recipes: pure background.
constexpr int kEmptyColumn = 14;

TEST_F(RecipeListDraw, RowBackgroundsAlternateAndTheSelectedRowIsHighlighted) {
    addRecipes(4);
    auto view = makeView(nullptr);
    view->setCurrentRow(2);
    const QImage img = render(*view);
    const QColor expected[] = {colors.Window, colors.PotionColor2, colors.Highlight, colors.PotionColor2};
    for (int row = 0; row < 4; ++row) {
        const QRect c = cell(kEmptyColumn, row);
        EXPECT_EQ(countColour(img, c, expected[row]), c.width() * c.height()) << "row " << row;
    }
    // Below the last row the list shows its window colour.
    EXPECT_EQ(px(img, 5, 4 * kRowHeight + 3), colors.Window);
}

TEST_F(RecipeListDraw, PicturesAreDrawnUnscaledAtTheCellTopLeftInTheRowVariant) {
    addRecipes(3);
    ColourPictures pictures;
    auto view = makeView(&pictures);
    view->setCurrentRow(2);
    const QImage img = render(*view);
    EXPECT_EQ(pictures.side(), kRowHeight) << "row pictures built for the row height";

    const RowPicture variants[] = {RowPicture::Even, RowPicture::Odd, RowPicture::Selected};
    for (int row = 0; row < 3; ++row) {
        const QRect c = cell(3, row);
        const QColor want = ColourPictures::rowColour(variants[row]);
        EXPECT_EQ(px(img, c.left(), c.top()), want) << "row " << row;
        EXPECT_EQ(px(img, c.left() + kRowHeight - 1, c.top() + kRowHeight - 1), want);
        EXPECT_NE(px(img, c.left() + kRowHeight, c.top() + 1), want) << "not stretched";
    }
    // "Тип": the kind picture, then only background; the cell text is not drawn.
    const QRect type = cell(PotionColumn::Type, 0);
    EXPECT_EQ(px(img, type.left() + 9, type.top() + 12), ColourPictures::kindColour());
    const QRect rest(type.left() + 10, type.top(), type.width() - 10, type.height());
    EXPECT_EQ(countForeground(img, rest, colors.Window), 0);
}

TEST_F(RecipeListDraw, MarkedIngredientKeepsMarkerBackgroundAndBlackTextEvenWhenSelected) {
    data.ItemTable[1].Marked = true;
    data.ItemTable[1].MarkerColor = 255 | (200 << 8); // RGB (255, 200, 0)
    const QColor marker(255, 200, 0);
    list.AddPotion(twoEffectRecipe(10, 1, 2));
    list.AddPotion(twoEffectRecipe(20, 2, 3));
    list.AddPotion(twoEffectRecipe(30, 1, 3));
    header->resizeSection(3, 90);
    header->resizeSection(4, 90);
    auto view = makeView(nullptr, 1100);
    view->setCurrentRow(2);
    const QImage img = render(*view);

    auto isBlack = [](QColor p) { return p.red() < 90 && p.green() < 90 && p.blue() < 90; };
    auto isBlue = [](QColor p) { return p.blue() > 150 && p.red() < 100 && p.green() < 100; };
    for (int row : {0, 2}) {
        const QRect c = cell(3, row);
        EXPECT_EQ(px(img, c.left() + 1, c.top() + 1), marker) << "row " << row;
        EXPECT_EQ(px(img, c.right() - 1, c.bottom() - 1), marker) << "row " << row;
        EXPECT_GT(countPixels(img, c, isBlack), 0) << "black text in row " << row;
        EXPECT_EQ(countPixels(img, c, isBlue), 0) << "no window-text colour in row " << row;
    }
    // An unmarked ingredient keeps the ordinary colours.
    const QRect plain = cell(4, 0);
    EXPECT_EQ(px(img, plain.right() - 1, plain.top() + 1), colors.Window);
    EXPECT_GT(countPixels(img, plain, isBlue), 0);
    // A marked effect column works the same way.
    data.EffectTable[2].Marked = true;
    data.EffectTable[2].MarkerColor = 255 | (200 << 8);
    const QImage img2 = render(*view);
    EXPECT_EQ(px(img2, cell(13, 1).left() + 1, cell(13, 1).top() + 1), marker);
    EXPECT_EQ(px(img2, cell(9, 1).left() + 1, cell(9, 1).top() + 1), colors.PotionColor2);
}

TEST_F(RecipeListDraw, NarrowColumnsShowOnlyTheRowBackground) {
    addRecipes(2);
    list[0].Items[2] = 3;
    colors.DrawVertLines = true;
    colors.LightCellMode = 3;
    ColourPictures pictures;
    header->resizeSection(3, 2); // ingredient 1 squeezed to two pixels
    header->resizeSection(4, 0); // ingredient 2 dragged shut
    auto view = makeView(&pictures);
    view->setCurrentRow(1);
    view->trackLitCell(QPoint(cell(3, 1).left(), cell(3, 1).top() + 5));
    ASSERT_EQ(view->litCell().column, 3);
    const QImage img = render(*view);
    // Row background even in the selected row: no picture, line, frame or highlight.
    EXPECT_EQ(countColour(img, cell(3, 0), colors.Window), 2 * kRowHeight);
    EXPECT_EQ(countColour(img, cell(3, 1), colors.PotionColor2), 2 * kRowHeight);
    // Ingredient 3 starts right after and shows its picture there.
    EXPECT_EQ(cell(5, 0).left(), cell(3, 0).left() + 2);
    EXPECT_EQ(px(img, cell(5, 0).left(), 0), ColourPictures::rowColour(RowPicture::Even));
}

TEST_F(RecipeListDraw, VerticalLinesStopAtTheLastVisibleColumn) {
    addRecipes(2);
    colors.DrawVertLines = true;
    const int width = header->sectionLeft(kEmptyColumn + 1); // column 14 ends at the edge
    auto view = makeView(nullptr, width);
    const QImage img = render(*view);
    ASSERT_EQ(img.width(), width);
    for (int row = 0; row < 2; ++row) {
        const int y = row * kRowHeight + 3;
        EXPECT_EQ(px(img, header->sectionLeft(kEmptyColumn) - 1, y), colors.VertLineColor);
        EXPECT_EQ(px(img, header->sectionLeft(kEmptyColumn) - 2, y) == colors.VertLineColor, false);
        EXPECT_EQ(px(img, width - 1, y), row == 0 ? colors.Window : colors.PotionColor2)
            << "no line on the last visible column";
    }
    colors.DrawVertLines = false;
    const QImage off = render(*view);
    EXPECT_EQ(countColour(off, off.rect(), colors.VertLineColor), 0);
}

TEST_F(RecipeListDraw, StripRightOfTheColumnsTakesTheLastCellBackground) {
    addRecipes(4);
    auto view = makeView(nullptr, 26 * 35 + 60);
    view->setCurrentRow(1);
    const QImage img = render(*view);
    const int x = 26 * 35 + 30;
    EXPECT_EQ(px(img, x, 0 * kRowHeight + 5), colors.Window);
    EXPECT_EQ(px(img, x, 1 * kRowHeight + 5), colors.Highlight);
    EXPECT_EQ(px(img, x, 3 * kRowHeight + 5), colors.PotionColor2);

    // The frame of a lit last cell leaves its brush to the strip; the text
    // colour alone does not.
    const QRect last = cell(PotionColumn::Count - 1, 2);
    colors.LightCellMode = 1;
    view->trackLitCell(last.center());
    EXPECT_EQ(px(render(*view), x, 2 * kRowHeight + 5), colors.Window);
    colors.LightCellMode = 2;
    view->clearLitRow();
    view->trackLitCell(last.center());
    const QImage framed = render(*view);
    EXPECT_EQ(px(framed, x, 2 * kRowHeight + 5), colors.CellLightColor);
    EXPECT_EQ(px(framed, x, 0 * kRowHeight + 5), colors.Window) << "other rows keep theirs";
}

class LitCellDraw : public RecipeListDraw, public ::testing::WithParamInterface<int> {};

TEST_P(LitCellDraw, LitCellGetsColouredTextAndOrAnInsetFrame) {
    const int mode = GetParam();
    colors.LightCellMode = mode;
    addRecipes(3);
    header->resizeSection(PotionColumn::Cost, 60);
    auto view = makeView(nullptr, 1000);
    const QRect c = cell(PotionColumn::Cost, 1);
    view->trackLitCell(c.center());
    ASSERT_EQ(view->litCell(), (LitCell{PotionColumn::Cost, 1}));
    const QImage img = render(*view);
    const QColor red = colors.CellLightColor;
    const bool text = mode == 1 || mode == 3;
    const bool frame = mode == 2 || mode == 3;

    const QRect inner(c.left() + 1, c.top() + 2, c.width() - 3, c.height() - 4);
    auto reddish = [](QColor p) { return p.red() > 150 && p.green() < 120 && p.blue() < 120; };
    EXPECT_EQ(countPixels(img, inner, reddish) > 0, text) << "mode " << mode;
    // Frame on (left, top + 1, right - 1, bottom - 1), exclusive right and bottom.
    const int l = c.left(), t = c.top(), r = c.left() + c.width(), b = c.top() + c.height();
    EXPECT_EQ(px(img, l, t + 1) == red, frame);
    EXPECT_EQ(px(img, r - 2, t + 1) == red, frame);
    EXPECT_EQ(px(img, l, b - 2) == red, frame);
    EXPECT_EQ(px(img, r - 2, b - 2) == red, frame);
    EXPECT_NE(px(img, r - 1, t + 5), red) << "inset at the right";
    EXPECT_NE(px(img, l + 5, t), red) << "inset at the top";
    EXPECT_NE(px(img, l + 5, b - 1), red) << "inset at the bottom";
    // Other cells of the row are untouched.
    EXPECT_EQ(countPixels(img, cell(PotionColumn::Cost, 0), reddish), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, LitCellDraw, ::testing::Values(0, 1, 2, 3));

// Records the regions the viewport is asked to paint.
class PaintRecorder : public QObject {
  public:
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
            ++paints;
        }
        return false;
    }
};

TEST_F(RecipeListDraw, MovingTheLitCellRepaintsOnlyTheOldAndTheNewRow) {
    colors.LightCellMode = 1;
    addRecipes(8);
    auto view = makeView(nullptr, 26 * 35, 8);
    view->show();
    QCoreApplication::processEvents();
    view->trackLitCell(cell(2, 1).center());
    QCoreApplication::processEvents();

    PaintRecorder rec;
    view->viewport()->installEventFilter(&rec);
    view->trackLitCell(cell(6, 5).center());
    QCoreApplication::processEvents();
    const QRegion rows = QRegion(view->rowRect(1)) + QRegion(view->rowRect(5));
    EXPECT_GT(rec.paints, 0);
    EXPECT_TRUE((rec.painted - rows).isEmpty()) << "only rows 1 and 5";
    EXPECT_TRUE(rec.painted.contains(view->rowRect(1)));
    EXPECT_TRUE(rec.painted.contains(view->rowRect(5)));

    // Moving inside the lit cell changes nothing.
    rec.painted = QRegion();
    rec.paints = 0;
    view->trackLitCell(cell(6, 5).center() + QPoint(1, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(rec.paints, 0);

    // Leaving the rows: the old row is repainted, no row below the list.
    view->resize(26 * 35, 12 * kRowHeight);
    QCoreApplication::processEvents();
    rec.painted = QRegion();
    view->trackLitCell(QPoint(10, 10 * kRowHeight + 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->litCell().row, -1);
    EXPECT_TRUE((rec.painted - QRegion(view->rowRect(5))).isEmpty());

    // Without cell highlighting the tracking paints nothing.
    colors.LightCellMode = 0;
    rec.painted = QRegion();
    rec.paints = 0;
    view->trackLitCell(cell(3, 2).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(rec.paints, 0);
    EXPECT_EQ(view->litCell(), (LitCell{3, 2})) << "the cell is still followed";
    view->viewport()->removeEventFilter(&rec);
}

// A style whose focus rectangle leaves its own pen on the painter, as a
// careless platform style may.
class PenLeavingStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override {
        if (element == PE_FrameFocusRect) {
            painter->setPen(QColor(255, 0, 0));
            painter->drawPoint(option->rect.topLeft());
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

TEST_F(RecipeListDraw, TheFocusRectangleLeavesTheTextColoursOfTheRowsBelowAlone) {
    // A light highlight with the ordinary text colour on it, as some themes have.
    colors.HighlightText = colors.WindowText;
    addRecipes(4);
    PenLeavingStyle style;
    auto view = makeView(nullptr);
    view->setStyle(&style);
    view->activateWindow();
    view->setFocus();
    QCoreApplication::processEvents();
    if (!view->hasFocus())
        GTEST_SKIP() << "the platform gives no focus to the view";
    view->setCurrentRow(1);
    const QImage img = render(*view);
    auto isRed = [](QColor p) { return p.red() > 150 && p.green() < 100 && p.blue() < 100; };
    // The row below the focused one must be drawn in the window-text colour,
    // not in the pen the style left behind.
    const QRect below(0, 2 * kRowHeight, img.width(), kRowHeight);
    EXPECT_EQ(countPixels(img, below, isRed), 0);
    EXPECT_GT(countPixels(img, below, [](QColor p) { return p.blue() > 150 && p.red() < 100; }), 0);
    view->setStyle(nullptr);
}

TEST_F(RecipeListDraw, EmptyListDrawsBlankRowsAndIgnoresAbsurdRowHeights) {
    auto view = makeView(nullptr);
    QImage img = render(*view);
    EXPECT_EQ(countColour(img, img.rect(), colors.Window), img.width() * img.height());
    // A damaged settings value must not divide by zero.
    view->setItemHeight(0);
    EXPECT_EQ(view->itemHeight(), 1);
    addRecipes(2);
    view->refresh();
    EXPECT_EQ(view->rowAt(1), 1);
    img = render(*view);
    EXPECT_FALSE(img.isNull());
}

TEST_F(RecipeListDraw, RowsTheListNoLongerHoldsAreDrawnBlankUntilTheRefresh) {
    addRecipes(4);
    auto view = makeView(nullptr);
    list.truncate(1); // the caller has not refreshed the view yet
    const QImage img = render(*view);
    EXPECT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(countColour(img, QRect(0, kRowHeight, img.width(), 3 * kRowHeight), colors.Window),
              img.width() * 3 * kRowHeight);
}

TEST_F(RecipeListDraw, AHundredThousandRowsScrollAndRenderAtBothEnds) {
    TPotionRec r = twoEffectRecipe(77);
    while (list.AddPotion(r)) {
    }
    ASSERT_EQ(list.PotionCount(), MaxPotions);
    auto view = makeView(nullptr);
    EXPECT_EQ(view->model()->rowCount(), MaxPotions);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), MaxPotions - 5);

    view->setCurrentRow(MaxPotions - 1);
    EXPECT_EQ(view->topIndex(), MaxPotions - 5);
    QImage img = render(*view);
    const QRect last(header->sectionLeft(kEmptyColumn), 4 * kRowHeight, header->sectionSize(kEmptyColumn),
                     kRowHeight);
    EXPECT_EQ(countColour(img, last, colors.Highlight), last.width() * last.height());
    EXPECT_EQ(view->rowAt(4 * kRowHeight + 1), MaxPotions - 1);
    EXPECT_EQ(view->indexAt(QPoint(500, 4 * kRowHeight + 1)).row(), MaxPotions - 1);

    view->setTopIndex(0);
    img = render(*view);
    EXPECT_EQ(px(img, header->sectionLeft(kEmptyColumn) + 3, kRowHeight + 3), colors.PotionColor2);
}

TEST_F(RecipeListDraw, RefreshFollowsTheCountAndKeepsASurvivingSelection) {
    addRecipes(5);
    auto view = makeView(nullptr);
    QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    int lastSignal = -2;
    QObject::connect(view.get(), &PotionListView::selectedRowChanged,
                     [&lastSignal](int row) { lastSignal = row; });
    view->setCurrentRow(2);
    EXPECT_EQ(lastSignal, 2);

    list.truncate(3);
    view->refresh();
    EXPECT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(view->currentRow(), 2);

    // The selected row went away: the selection moves to the new last row.
    list.truncate(2);
    view->refresh();
    EXPECT_EQ(view->currentRow(), 1);
    EXPECT_EQ(lastSignal, 1);
    list.clear();
    view->refresh();
    EXPECT_EQ(view->currentRow(), -1);
    EXPECT_EQ(lastSignal, -1);

    addRecipes(4);
    view->refresh();
    EXPECT_EQ(view->model()->rowCount(), 4);
    view->setCurrentRow(3);
    view->resetRows();
    EXPECT_EQ(view->currentRow(), -1);
    EXPECT_EQ(view->model()->rowCount(), 4);
    // A row beyond the list is not selectable.
    view->setCurrentRow(4);
    EXPECT_EQ(view->currentRow(), -1);
}

TEST_F(RecipeListDraw, KeysMoveTheSelectionRowByRowAndPageByPage) {
    addRecipes(20);
    auto view = makeView(nullptr);
    view->setCurrentRow(0);
    auto press = [&](int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &e);
        return view->currentRow();
    };
    EXPECT_EQ(press(Qt::Key_Down), 1);
    EXPECT_EQ(press(Qt::Key_Up), 0);
    EXPECT_EQ(press(Qt::Key_Up), 0) << "stays on the first row";
    EXPECT_EQ(press(Qt::Key_PageDown), 5);
    EXPECT_EQ(press(Qt::Key_End), 19);
    EXPECT_EQ(view->topIndex(), 15) << "the selected row is scrolled into view";
    EXPECT_EQ(press(Qt::Key_Down), 19) << "stays on the last row";
    EXPECT_EQ(press(Qt::Key_PageUp), 14);
    EXPECT_EQ(press(Qt::Key_Home), 0);
    EXPECT_EQ(view->topIndex(), 0);
}

TEST_F(RecipeListDraw, ColumnUnderXFollowsTheSectionWidths) {
    auto view = makeView(nullptr);
    header->resizeSection(0, 50);
    EXPECT_EQ(view->columnAt(0), 0);
    EXPECT_EQ(view->columnAt(49), 0);
    EXPECT_EQ(view->columnAt(50), 1);
    EXPECT_EQ(view->columnAt(50 + 25 * 35 - 1), 25);
    EXPECT_EQ(view->columnAt(50 + 25 * 35), -1);
    EXPECT_EQ(view->columnAt(-1), -1);
}

} // namespace
