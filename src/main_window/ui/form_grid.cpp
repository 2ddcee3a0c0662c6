// The reference table as this version shows it: the grid model's texts in a
// plain table whose current row drives the picture panel.

#include "main_window/ui/form_main.h"

#include "main_window/stored_geometry.h"

#include "reference_table/ui/grid_cell_delegate.h"
#include "reference_table/ui/grid_header_view.h"
#include "reference_table/ui/grid_table_model.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

namespace qor {

namespace {

// The picture column's view of the program's ingredient pictures.
class ItemGridPictures : public GridPictures {
  public:
    explicit ItemGridPictures(const ItemPictures &pictures) : m_pictures(pictures) {}
    const QImage *smallPicture(int item) const override { return m_pictures.picSmall(item); }
    const QImage *fullPicture(int item) const override { return m_pictures.picSourceTransparent(item); }

  private:
    const ItemPictures &m_pictures;
};

} // namespace

void TFormMain::buildGridView() {
    auto *header = new GridHeaderView(StringGrid);
    StringGrid->setHorizontalHeader(header);
    // A press on a caption sorts; it does not select the column.
    disconnect(header, &QHeaderView::sectionPressed, StringGrid, nullptr);
    disconnect(header, &QHeaderView::sectionEntered, StringGrid, nullptr);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { gridHeaderClick(column); });
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this,
            [this, header](const QPoint &pos) { setGridFindColumn(header->logicalIndexAt(pos)); });
    // Scrolling by whole rows: the bar's value is the first visible row.
    StringGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The delegate draws the lines, one direction at a time.
    StringGrid->setShowGrid(false);
    m_gridPictures = std::make_unique<ItemGridPictures>(m_pictures);
    m_gridDelegate = new GridCellDelegate(m_gridPictures.get(), StringGrid);
    StringGrid->setItemDelegate(m_gridDelegate);
}

void TFormMain::fillGrid() {
    ProgramState &st = *m_state;
    if (!m_gridModel) {
        m_gridModel = new GridTableModel(st.Data, st.Grid, this);
        StringGrid->setModel(m_gridModel);
        connect(StringGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { On_Click(StringGrid); });
    } else {
        m_gridModel->reload();
    }
    const auto &widths = st.Settings.gridColumnWidths;
    for (int c = 0; c < m_gridModel->columnCount() && c < static_cast<int>(widths.size()); ++c) {
        if (widths[static_cast<std::size_t>(c)] > 0)
            StringGrid->setColumnWidth(c, StoredPixelSize(widths[static_cast<std::size_t>(c)]));
    }
    // The picture column is square.
    const int side = StringGrid->verticalHeader()->defaultSectionSize();
    StringGrid->setColumnWidth(0, side);
    if (auto *header = qobject_cast<GridHeaderView *>(StringGrid->horizontalHeader())) {
        header->setBoldColumn(st.Grid.GridFindCol);
        header->setSortCode(st.Grid.GridSortCode);
    }
}

void TFormMain::showGridRow(int gridRow) {
    if (!m_gridModel || gridRow < 1 || gridRow > m_gridModel->rowCount())
        return;
    const QModelIndex index = m_gridModel->index(gridRow - 1, 1);
    StringGrid->setCurrentIndex(index);
    // Scroll by the picture column so the grid stays at its left edge.
    StringGrid->scrollTo(m_gridModel->index(gridRow - 1, 0), QAbstractItemView::PositionAtCenter);
    onGridSelection();
}

void TFormMain::gridHeaderClick(int column) {
    ProgramState &st = *m_state;
    if (!st.CommandsReady || !m_gridModel || column < 1 || column >= kGridColumnCount)
        return;
    const QModelIndex current = StringGrid->currentIndex();
    const int currentRow = current.isValid() ? current.row() + 1 : 0;
    const int firstVisible = StringGrid->verticalScrollBar()->value();
    const int row = applyGridHeaderClick(st.Data, st.Grid, column, currentRow);
    m_gridModel->reload();
    StringGrid->verticalScrollBar()->setValue(firstVisible);
    if (row >= 1) {
        const QSignalBlocker blocker(StringGrid->selectionModel());
        StringGrid->selectionModel()->setCurrentIndex(
            m_gridModel->index(row - 1, current.isValid() ? current.column() : 1),
            QItemSelectionModel::ClearAndSelect);
    }
    StringGrid->verticalScrollBar()->setValue(firstVisible);
    if (auto *header = qobject_cast<GridHeaderView *>(StringGrid->horizontalHeader()))
        header->setSortCode(st.Grid.GridSortCode);
    StringGrid->viewport()->update();
}

void TFormMain::setGridFindColumn(int column) {
    ProgramState &st = *m_state;
    if (!st.CommandsReady || column < 1 || column >= kGridColumnCount)
        return;
    st.Grid.GridFindCol = column;
    if (auto *header = qobject_cast<GridHeaderView *>(StringGrid->horizontalHeader()))
        header->setBoldColumn(column);
}

void TFormMain::showInGrid(int value, int mode) {
    if (!m_gridModel)
        return;
    const ProgramState &st = *m_state;
    const int rowHeight = std::max(1, StringGrid->verticalHeader()->defaultSectionSize());
    const int topRow = std::max(1, StringGrid->rowAt(0) + 1);
    const auto target = ShowItemInGrid(st.Data, st.Grid, value, mode, false, topRow,
                                       StringGrid->viewport()->height(), rowHeight);
    if (!target)
        return;
    // The table scrolls by whole rows: the bar's value is the first model row.
    StringGrid->verticalScrollBar()->setValue(target->topRow - 1);
    StringGrid->setCurrentIndex(m_gridModel->index(target->row - 1, target->column));
    onGridSelection();
}

void TFormMain::gridDoubleClick(bool ctrl) {
    const QModelIndex index = StringGrid->currentIndex();
    if (ctrl || !m_gridModel || !index.isValid() || index.column() < 1)
        return;
    // For reading and copying the cell's text; the answer is not used.
    m_dialogs.inputText(this, m_gridModel->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                        index.data(Qt::DisplayRole).toString());
}

void TFormMain::onGridSelection() {
    const QModelIndex index = StringGrid->currentIndex();
    const int gridRow = index.isValid() ? index.row() + 1 : 0;
    if (gridRow <= 0)
        return;
    showItemPicture(m_state->Grid.itemAtRow(gridRow));
}

void TFormMain::showItemPicture(int item) {
    m_displayItem = item;
    const QImage *picture = m_pictures.GetItemPicture(item, 1);
    if (!picture || picture->isNull()) {
        Image->clear();
        return;
    }
    const QSize box = Image->size().expandedTo(QSize(1, 1));
    Image->setPixmap(QPixmap::fromImage(picture->scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace qor
