// The reference table's context menu: enabling for the cell under the right
// press, the four markers, the highlighting of harmful and beneficial
// effect names, and the count of ingredients sharing an effect.

#include "gui_test_support.h"

#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_table_model.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableView>

#include <gtest/gtest.h>

namespace qor {
namespace {

class GridMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        form->resize(1280, 900);
        QApplication::processEvents();
        grid = test::ui(form).StringGrid;
        model = grid->model();
        form->dialogs().clearRecord();
    }
    void TearDown() override { test::ui(form).PopupMenuGrid->hide(); }
    QPoint cellCentre(int row, int column) {
        grid->scrollTo(model->index(row, column));
        QApplication::processEvents();
        return grid->visualRect(model->index(row, column)).center();
    }
    // A right click on a cell (model row, column) opens the menu there.
    void rightPressOn(int row, int column) {
        const QPoint at = cellCentre(row, column);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &rightClick);
        test::ui(form).PopupMenuGrid->hide();
    }
    // The same, then a click on the item.
    void choose(int row, int column, const char *name) {
        test::clickContextMenuItem(grid->viewport(), cellCentre(row, column), item(name));
    }
    QAction *item(const char *name) { return form->action(QString::fromLatin1(name)); }
    int effectOf(int row, int slot) {
        const int ingredient = form->state().session.grid().itemAtRow(row + 1);
        return form->state()
            .Data.ItemTable[static_cast<std::size_t>(ingredient)]
            .Eff[static_cast<std::size_t>(slot - 1)]
            .Effect;
    }
    // First model row whose slot-1 effect has the given harm flag.
    int rowWithHarm(int harmful) {
        for (int r = 0; r < model->rowCount(); ++r) {
            const int effect = effectOf(r, 1);
            if (effect > 0 &&
                form->state().Data.EffectTable[static_cast<std::size_t>(effect)].Harmful == harmful)
                return r;
        }
        return -1;
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
    QTableView *grid = nullptr;
    QAbstractItemModel *model = nullptr;
};

TEST_F(GridMenuTest, ItemsFollowTheCellUnderThePress) {
    const int effectColumn = GridColumn::effect(1);
    rightPressOn(2, effectColumn);
    for (const char *name :
         {"PMenuSetGridMarker1", "PMenuSetGridMarker4", "PMenuGridShowCountItemsWithCurEff",
          "PMenuGridSetAllMarkers", "PMenuGridDisableMarkers", "PMenuSetGridMarkerToBad"})
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    EXPECT_EQ(grid->currentIndex(), model->index(2, effectColumn));
    rightPressOn(2, 1);
    EXPECT_EQ(grid->currentIndex(), model->index(2, 1));
    EXPECT_FALSE(item("PMenuSetGridMarker1")->isEnabled());
    EXPECT_FALSE(item("PMenuGridShowCountItemsWithCurEff")->isEnabled());
    EXPECT_TRUE(item("PMenuGridSetAllMarkers")->isEnabled());
}

TEST_F(GridMenuTest, MarkerColoursEveryCellOfItsEffectEvenTheSelectedOne) {
    const int column = GridColumn::effect(1);
    choose(3, column, "PMenuSetGridMarker1");
    const GridMarker &marker = form->state().session.grid().GridMarkers[0];
    EXPECT_TRUE(marker.on);
    EXPECT_EQ(marker.effect, effectOf(3, 1));
    const QModelIndex cell = model->index(3, column);
    EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    EXPECT_FALSE(model->index(3, 1).data(Qt::BackgroundRole).isValid());

    grid->setCurrentIndex(cell);
    QApplication::processEvents();
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect rect = grid->visualRect(cell);
    EXPECT_EQ(QColor(shot.pixel(rect.right() - 2, rect.top() + 1)), QColor(255, 0, 0));

    // Unchecking the item switches the marker off.
    choose(3, column, "PMenuSetGridMarker1");
    EXPECT_FALSE(form->state().session.grid().GridMarkers[0].on);
    EXPECT_FALSE(cell.data(Qt::BackgroundRole).isValid());
}

TEST_F(GridMenuTest, AllMarkersOnAnIngredientAndAllOff) {
    choose(1, 1, "PMenuGridSetAllMarkers");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(form->state().session.grid().GridMarkers[static_cast<std::size_t>(n - 1)].on) << n;
        EXPECT_EQ(form->state().session.grid().GridMarkers[static_cast<std::size_t>(n - 1)].effect,
                  effectOf(1, n))
            << n;
        EXPECT_TRUE(item(QStringLiteral("PMenuSetGridMarker%1").arg(n).toLatin1().constData())->isChecked());
    }
    choose(1, 1, "PMenuGridDisableMarkers");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(form->state().session.grid().GridMarkers[static_cast<std::size_t>(n - 1)].on) << n;
        EXPECT_FALSE(item(QStringLiteral("PMenuSetGridMarker%1").arg(n).toLatin1().constData())->isChecked());
    }
}

TEST_F(GridMenuTest, HighlightingTakesTheChosenColourAndACancelUnchecks) {
    const int harmfulRow = rowWithHarm(1);
    const int goodRow = rowWithHarm(0);
    ASSERT_GE(harmfulRow, 0);
    ASSERT_GE(goodRow, 0);
    const int column = GridColumn::effect(1);
    form->dialogs().setNextColor(QColor(1, 2, 3));
    choose(harmfulRow, column, "PMenuSetGridMarkerToBad");
    EXPECT_TRUE(item("PMenuSetGridMarkerToBad")->isChecked());
    EXPECT_EQ(model->index(harmfulRow, column).data(Qt::ForegroundRole).value<QColor>(), QColor(1, 2, 3));
    EXPECT_FALSE(model->index(goodRow, column).data(Qt::ForegroundRole).isValid());
    // With a marker as well: marker background, highlight text.
    choose(harmfulRow, column, "PMenuSetGridMarker2");
    EXPECT_EQ(model->index(harmfulRow, column).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
    EXPECT_EQ(model->index(harmfulRow, column).data(Qt::ForegroundRole).value<QColor>(), QColor(1, 2, 3));

    // No colour chosen: the item is unchecked again and nothing is coloured.
    choose(harmfulRow, column, "PMenuSetGridMarkerToGood");
    EXPECT_FALSE(item("PMenuSetGridMarkerToGood")->isChecked());
    EXPECT_FALSE(model->index(goodRow, column).data(Qt::ForegroundRole).isValid());
}

TEST_F(GridMenuTest, CountMessageNamesTheEffectAndItsIngredients) {
    const int column = GridColumn::effect(2);
    choose(4, column, "PMenuGridShowCountItemsWithCurEff");
    const int effect = effectOf(4, 2);
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    const ProgramState &st = form->state();
    EXPECT_EQ(form->dialogs().messages().front().text,
              countItemsWithEffectMessage(st.Data.EffectNames.value(effect),
                                          countItemsWithEffect(st.Data, effect)));
}

} // namespace
} // namespace qor
