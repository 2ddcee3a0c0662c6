// The reference table's own drawing: the picture column stretches the
// ingredient picture over the whole square cell (thumbnail up to 32 pixels,
// the full-size picture above), and the header captions start at the
// section's left + 2 like the text of every cell.

#include "gui_test_support.h"

#include "reference_table/ui/grid_cell_delegate.h"
#include "reference_table/ui/grid_header_view.h"
#include "reference_table/ui/grid_table_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

// Ingredient 1 has a red thumbnail and a blue full-size picture whose left
// half is transparent; ingredient 2 has no pictures at all.
class FakePictures : public GridPictures {
  public:
    FakePictures() : m_small(32, 32, QImage::Format_ARGB32_Premultiplied), m_full(64, 64, m_small.format()) {
        m_small.fill(Qt::red);
        m_full.fill(Qt::transparent);
        for (int y = 0; y < m_full.height(); ++y)
            for (int x = m_full.width() / 2; x < m_full.width(); ++x)
                m_full.setPixel(x, y, qRgb(0, 0, 255));
    }
    const QImage *smallPicture(int item) const override { return item == 1 ? &m_small : nullptr; }
    const QImage *fullPicture(int item) const override { return item == 1 ? &m_full : nullptr; }

  private:
    QImage m_small;
    QImage m_full;
};

// A two-column table whose rows hold the given ingredients, one row of the
// given height each, with the picture column as wide as the rows are high.
struct PictureTable {
    struct Application {
        Application() { test::ensureApplication(); }
    } application; // before any widget
    QStandardItemModel model;
    QTableView view;
    FakePictures pictures;

    PictureTable(std::initializer_list<int> items, int side) {
        model.setColumnCount(2);
        for (const int item : items) {
            auto *cell = new QStandardItem;
            cell->setData(item, GridTableModel::ItemRole);
            model.appendRow({cell, new QStandardItem(QStringLiteral("x"))});
        }
        view.setModel(&model);
        view.setItemDelegate(new GridCellDelegate(&pictures, &view));
        view.verticalHeader()->hide();
        view.verticalHeader()->setDefaultSectionSize(side);
        view.setColumnWidth(0, side);
        view.resize(200, 200);
        view.show();
        QApplication::processEvents();
    }
    QImage cell(int row) {
        const QImage shot = view.viewport()->grab().toImage();
        return shot.copy(view.visualRect(model.index(row, 0)));
    }
};

int countColour(const QImage &image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

TEST(GridCellsTest, PictureColumnFillsTheWholeCell) {
    // A 20-pixel cell takes the thumbnail, stretched over every pixel
    // inside the cell's right and bottom lines.
    PictureTable small({1, 2}, 20);
    const QImage cell = small.cell(0);
    ASSERT_FALSE(cell.isNull());
    EXPECT_EQ(countColour(cell, qRgb(255, 0, 0)), (cell.width() - 1) * (cell.height() - 1));
    EXPECT_NE(cell.pixel(cell.width() - 1, 0) & 0xFFFFFF, 0xFF0000u);
    // An ingredient without pictures leaves only the background.
    EXPECT_EQ(countColour(small.cell(1), qRgb(255, 0, 0)), 0);

    // A 48-pixel cell takes the full-size picture: its transparent left half
    // lets the background through, its right half fills the cell's right half.
    PictureTable large({1}, 48);
    const QImage big = large.cell(0);
    ASSERT_FALSE(big.isNull());
    EXPECT_EQ(countColour(big, qRgb(255, 0, 0)), 0);
    const int inner = big.width() - 1;
    EXPECT_EQ(countColour(big, qRgb(0, 0, 255)), (inner - inner / 2) * (big.height() - 1));
    EXPECT_NE(big.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(big.pixel(inner - 1, big.height() - 2) & 0xFFFFFF, 0x0000FFu);
}

TEST(GridCellsTest, PictureChoiceFollowsTheCellHeight) {
    FakePictures pictures;
    GridCellDelegate delegate(&pictures);
    EXPECT_EQ(delegate.pictureFor(1, 32), pictures.smallPicture(1));
    EXPECT_EQ(delegate.pictureFor(1, 33), pictures.fullPicture(1));
    EXPECT_EQ(delegate.pictureFor(2, 40), nullptr);
    EXPECT_EQ(delegate.pictureFor(0, 20), nullptr);
    GridCellDelegate none(nullptr);
    EXPECT_EQ(none.pictureFor(1, 20), nullptr);
}

// First column (from the left) of the section holding a dark pixel.
int firstInkColumn(const QImage &shot, const QRect &section);

TEST(GridCellsTest, CellTextsStartAtLeftPlusTwoAndAreCutNotShortened) {
    PictureTable table({2, 2}, 20);
    const QString text = QStringLiteral("Восстановление здоровья");
    table.model.item(0, 1)->setText(text);
    table.model.item(1, 1)->setText(text);
    table.view.setColumnWidth(1, 300);
    QApplication::processEvents();
    const QImage wide =
        table.view.viewport()->grab().toImage().copy(table.view.visualRect(table.model.index(1, 1)));
    table.view.setColumnWidth(1, 60);
    QApplication::processEvents();
    const QImage narrow =
        table.view.viewport()->grab().toImage().copy(table.view.visualRect(table.model.index(1, 1)));
    ASSERT_EQ(narrow.height(), wide.height());
    const int ink = firstInkColumn(narrow, narrow.rect());
    EXPECT_GE(ink, 2);
    EXPECT_LE(ink, 4);
    // The narrow cell shows the first pixels of the same text, not a
    // shortened text with an ellipsis.
    EXPECT_EQ(narrow.copy(0, 0, narrow.width() - 1, narrow.height()),
              wide.copy(0, 0, narrow.width() - 1, wide.height()));
}

int firstInkColumn(const QImage &shot, const QRect &section) {
    for (int x = section.left(); x <= section.right(); ++x)
        for (int y = section.top() + 2; y < section.bottom() - 1; ++y)
            if (qGray(shot.pixel(x, y)) < 100)
                return x;
    return -1;
}

TEST(GridCellsTest, HeaderCaptionsStartAtTheLeftOfTheirSection) {
    test::ScratchData data;
    auto form = test::openForm(data);
    QTableView *grid = test::ui(form).StringGrid;
    auto *header = qobject_cast<GridHeaderView *>(grid->horizontalHeader());
    ASSERT_NE(header, nullptr);
    ASSERT_NE(grid->itemDelegate(), nullptr);
    EXPECT_NE(qobject_cast<GridCellDelegate *>(grid->itemDelegate()), nullptr);

    // A wide section: a centred caption would start far from the left edge.
    grid->setColumnWidth(1, 220);
    // A narrow one: the caption is cut on the right only, never elided.
    grid->setColumnWidth(2, 12);
    QApplication::processEvents();
    const QImage shot = header->viewport()->grab().toImage();
    for (const int column : {1, 2}) {
        const int left = header->sectionViewportPosition(column);
        const QRect section(left, 0, header->sectionSize(column), header->height());
        const int ink = firstInkColumn(shot, section);
        ASSERT_GE(ink, 0) << "column " << column;
        EXPECT_GE(ink - left, 2) << "column " << column;
        EXPECT_LE(ink - left, 4) << "column " << column;
    }
    EXPECT_EQ(header->boldColumn(), form->state().session.grid().GridFindCol);
}

TEST(GridCellsTest, ModelNamesTheIngredientOfEachRow) {
    test::ScratchData data;
    auto form = test::openForm(data, false);
    QAbstractItemModel *model = test::ui(form).StringGrid->model();
    ASSERT_NE(model, nullptr);
    ASSERT_GT(model->rowCount(), 3);
    for (const int row : {0, 3})
        EXPECT_EQ(model->data(model->index(row, 0), GridTableModel::ItemRole).toInt(),
                  form->state().session.grid().itemAtRow(row + 1));
    EXPECT_FALSE(model->data(model->index(0, 0), Qt::DecorationRole).isValid());
}

} // namespace
} // namespace qor

namespace qor {
namespace {

void clickCaption(QHeaderView *header, int column, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint pos(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                     header->height() / 2);
    QTest::mouseClick(header->viewport(), button, Qt::NoModifier, pos);
}

TEST(GridSortTest, CaptionClicksSortKeepTheCurrentIngredientAndSurviveARestart) {
    test::ScratchData data;
    int sortedFirst = 0;
    {
        auto form = test::openForm(data);
        ProgramState &st = form->state();
        QTableView *grid = test::ui(form).StringGrid;
        auto *header = qobject_cast<GridHeaderView *>(grid->horizontalHeader());
        ASSERT_NE(header, nullptr);
        grid->setColumnWidth(GridColumn::Price, 60);
        grid->setCurrentIndex(grid->model()->index(4, 2));
        grid->scrollTo(grid->model()->index(4, GridColumn::Price));
        QApplication::processEvents();
        const int item = st.session.grid().itemAtRow(5);

        clickCaption(header, GridColumn::Price);
        EXPECT_EQ(st.session.grid().GridSortCode, GridColumn::Price);
        EXPECT_EQ(header->sortCode(), GridColumn::Price);
        // The current row follows its ingredient, in the same column.
        EXPECT_EQ(st.session.grid().itemAtRow(grid->currentIndex().row() + 1), item);
        EXPECT_EQ(grid->currentIndex().column(), 2);
        // The model shows the new order.
        for (const int row : {0, 5})
            EXPECT_EQ(grid->model()->data(grid->model()->index(row, 0), GridTableModel::ItemRole).toInt(),
                      st.session.grid().itemAtRow(row + 1));
        const int price = GridColumn::Price;
        const auto key = [&](int gridRow) {
            return GetGridData(st.Data, st.Strengths, st.session.grid(), price, gridRow, ".").toInt();
        };
        for (int r = 1; r + 1 < st.session.grid().rowCount(); ++r)
            ASSERT_LE(key(r), key(r + 1)) << r;

        clickCaption(header, GridColumn::Price);
        EXPECT_EQ(st.session.grid().GridSortCode, -GridColumn::Price);
        EXPECT_GE(key(1), key(st.session.grid().rowCount() - 1));
        sortedFirst = st.session.grid().itemAtRow(1);

        // The picture column does not sort; a right press picks the find column.
        clickCaption(header, 0);
        EXPECT_EQ(st.session.grid().GridSortCode, -GridColumn::Price);
        QMetaObject::invokeMethod(
            header, "customContextMenuRequested",
            Q_ARG(QPoint, QPoint(header->sectionViewportPosition(GridColumn::Weight) + 2, 3)));
        EXPECT_EQ(st.session.grid().GridFindCol, GridColumn::Weight);
        EXPECT_EQ(header->boldColumn(), GridColumn::Weight);
        form->close();
    }
    auto again = test::openForm(data);
    EXPECT_EQ(again->state().session.grid().GridSortCode, -GridColumn::Price);
    EXPECT_EQ(again->state().session.grid().GridFindCol, GridColumn::Weight);
    EXPECT_EQ(again->state().session.grid().itemAtRow(1), sortedFirst);
}

} // namespace
} // namespace qor
