// The reference table's plain model: texts from the grid model by row order,
// captions in the header, pictures in column 0; the current row drives the
// picture panel.

#include "gui_test_support.h"

#include "reference_table/grid_model.h"
#include "visuals/ui/picture_library.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTableView>

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
                  GetGridData(st.Data, st.Grid, column, 3, point));
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

} // namespace
} // namespace qor
