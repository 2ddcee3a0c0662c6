// The reference table's plain model: texts from the grid model by row order,
// captions in the header, pictures in column 0; the current row drives the
// picture panel.

#include "gui_test_support.h"

#include "game_data/data_loader.h"
#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_view.h"
#include "settings/settings_file.h"
#include "visuals/ui/picture_library.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(GridTableTest, ShowsTheGridTextsInRowOrder) {
    test::ScratchData data;
    auto form = test::openForm(data);
    ProgramState &st = form->state();
    QAbstractItemModel *model = test::ui(form).StringGrid->model();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->columnCount(), kGridColumnCount);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), gridColumnCaption(1));
    const QString point = QLocale().decimalPoint();
    for (const int column : {1, GridColumn::effect(1), GridColumn::Weight, GridColumn::SecondName})
        EXPECT_EQ(model->data(model->index(2, column), Qt::DisplayRole).toString(),
                  GetGridData(st.Data, st.Strengths, st.session.grid(), column, 3, point));
    EXPECT_EQ(model->data(model->index(0, 1), Qt::DisplayRole).toString(), st.Data.ItemNames[1]);
    EXPECT_FALSE(model->data(model->index(0, 0), Qt::DisplayRole).isValid());
    EXPECT_FALSE(model->data(model->index(model->rowCount(), 1), Qt::DisplayRole).isValid());
}

TEST(GridTableTest, CurrentRowShowsTheIngredientPicture) {
    test::ScratchData data;
    if (!QFile::exists(data.file(PictureLibrary::libraryFileName())))
        GTEST_SKIP() << "the picture library is not built beside the data";
    auto form = test::openForm(data);
    QAbstractItemModel *model = test::ui(form).StringGrid->model();
    test::ui(form).Image->clear();
    test::ui(form).StringGrid->setCurrentIndex(model->index(4, 1));
    QApplication::processEvents();
    EXPECT_FALSE(test::ui(form).Image->pixmap().isNull());
    test::ui(form).Image->clear();
    test::ui(form).StringGrid->setCurrentIndex(model->index(7, 3));
    EXPECT_FALSE(test::ui(form).Image->pixmap().isNull());
}

TEST(GridTableTest, RowAndHeaderHeightsApplyBelowTheTextHeightAndSurviveARestart) {
    test::ScratchData data;
    auto form = test::openForm(data);
    const auto rowHeight = [&form] {
        auto *grid = static_cast<GridView *>(test::ui(form).StringGrid);
        // Every row, the picture overlay's too, and the square picture column.
        EXPECT_EQ(grid->rowHeight(3), grid->rowHeight(0));
        EXPECT_EQ(grid->pictureColumn()->rowHeight(0), grid->rowHeight(0));
        EXPECT_EQ(grid->columnWidth(0), grid->rowHeight(0));
        return grid->rowHeight(0);
    };
    form->dialogs().setNextAnswer(QStringLiteral("12"));
    test::useCommand(*form, "MenuGridItemHeight");
    QApplication::processEvents();
    EXPECT_EQ(rowHeight(), 12);
    form->dialogs().setNextAnswer(QStringLiteral("9"));
    test::useCommand(*form, "MenuGridHeaderHeight");
    QApplication::processEvents();
    EXPECT_EQ(test::ui(form).StringGrid->horizontalHeader()->height(), 9);
    // Out of range: the nearest bound.
    form->dialogs().setNextAnswer(QStringLiteral("4"));
    test::useCommand(*form, "MenuGridItemHeight");
    QApplication::processEvents();
    EXPECT_EQ(rowHeight(), 10);

    form->close();
    form.reset();
    auto again = test::openForm(data);
    form = std::move(again);
    EXPECT_EQ(rowHeight(), 10);
    EXPECT_EQ(test::ui(form).StringGrid->horizontalHeader()->height(), 9);
    form->dialogs().setNextAnswer(QStringLiteral("40"));
    test::useCommand(*form, "MenuGridItemHeight");
    QApplication::processEvents();
    EXPECT_EQ(rowHeight(), 40);
}

TEST(GridTableTest, SavedRowIsShownFromTheTopOnceTheWindowHasItsSize) {
    test::ScratchData data;
    GameData game;
    ASSERT_FALSE(loadGameData(data.dir(), game));
    MainSettings s = defaultSettings(game.itemRecordCount());
    const int savedRow = 4;
    s.block.set(Setting.GridSelRow, savedRow);
    ASSERT_TRUE(WriteSettings(data.file(QStringLiteral("Main.ini")), s).ok());
    auto form = test::openForm(data);
    form->resize(1000, 760);
    QApplication::processEvents();
    QTableView *grid = test::ui(form).StringGrid;
    ASSERT_EQ(grid->currentIndex().row() + 1, savedRow);
    const int visibleRows = grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
    ASSERT_GT(visibleRows, savedRow) << "the table is too low for this test";
    // The saved row is in view without scrolling the rows above it away.
    EXPECT_EQ(grid->verticalScrollBar()->value(), 0);

    // Once the user has moved in the table, a resize leaves it alone.
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int moved = grid->verticalScrollBar()->value();
    form->resize(980, 740);
    QApplication::processEvents();
    EXPECT_EQ(grid->verticalScrollBar()->value(), moved);
}

TEST(GridTableTest, SidewaysStepsLeaveNoColumnHalfUnderThePictures) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(700, 760);
    QApplication::processEvents();
    QTableView *grid = test::ui(form).StringGrid;
    QScrollBar *bar = grid->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int pictures = grid->columnWidth(0);
    const auto firstColumnClear = [&] {
        if (bar->value() == bar->maximum())
            return true;
        const int column = grid->columnAt(pictures);
        return grid->columnViewportPosition(column) == pictures;
    };
    // The bar's arrows, as the user clicks them.
    const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
    const QPoint leftArrow(4, bar->height() / 2);
    for (int step = 0; step < 4; ++step) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
        EXPECT_GT(bar->value(), 0);
        EXPECT_TRUE(firstColumnClear()) << "value " << bar->value();
    }
    const int before = bar->value();
    QTest::mouseClick(bar, Qt::LeftButton, {}, leftArrow);
    EXPECT_LT(bar->value(), before);
    EXPECT_TRUE(firstColumnClear()) << "value " << bar->value();
}

} // namespace
} // namespace qor
