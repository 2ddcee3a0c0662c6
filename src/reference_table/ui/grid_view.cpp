#include "reference_table/ui/grid_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace qor {

namespace {

// The overlay passes the wheel on to the table, whose rows it follows.
class PictureColumnView : public QTableView {
  public:
    PictureColumnView(QTableView *table) : QTableView(table), m_table(table) {}

  protected:
    void wheelEvent(QWheelEvent *event) override { QApplication::sendEvent(m_table->viewport(), event); }

  private:
    QTableView *m_table;
};

} // namespace

GridView::GridView(QWidget *parent) : QTableView(parent) {
    m_frozen = new PictureColumnView(this);
    m_frozen->setObjectName(QStringLiteral("StringGridPictures"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    // Its rows follow the table's, however low (the header's own floor
    // follows the font).
    m_frozen->verticalHeader()->setMinimumSectionSize(1);
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_frozen->setShowGrid(false);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setSelectionMode(QAbstractItemView::NoSelection);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewport()->stackUnder(m_frozen);
    // Pixel steps sideways, so that a cell can be moved clear of the pictures.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridView::alignColumnToPictures);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_frozen->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(m_frozen->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0) {
            m_frozen->setColumnWidth(0, size);
            placePictureColumn();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, m_frozen,
            [this](int section, int, int size) { m_frozen->setRowHeight(section, size); });
    connect(horizontalHeader(), &QHeaderView::geometriesChanged, this, &GridView::placePictureColumn);
}

void GridView::setModel(QAbstractItemModel *model) {
    QTableView::setModel(model);
    m_frozen->setModel(model);
    if (!model)
        return;
    for (int c = 1; c < model->columnCount(); ++c)
        m_frozen->setColumnHidden(c, true);
    m_frozen->setColumnWidth(0, columnWidth(0));
    connect(model, &QAbstractItemModel::modelReset, this, [this, model] {
        for (int c = 1; c < model->columnCount(); ++c)
            m_frozen->setColumnHidden(c, true);
    });
    placePictureColumn();
}

void GridView::setItemDelegate(QAbstractItemDelegate *delegate) {
    QTableView::setItemDelegate(delegate);
    m_frozen->setItemDelegate(delegate);
}

void GridView::resizeEvent(QResizeEvent *event) {
    QTableView::resizeEvent(event);
    placePictureColumn();
}

void GridView::updateGeometries() {
    QTableView::updateGeometries();
    placePictureColumn();
}

void GridView::placePictureColumn() {
    if (!m_frozen)
        return;
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_frozen->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
    m_frozen->setVisible(model() != nullptr && !isColumnHidden(0));
}

void GridView::keepClearOfPictures(const QModelIndex &index) {
    if (!index.isValid() || index.column() < 1)
        return;
    const int covered = columnWidth(0) - visualRect(index).left();
    if (covered > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
}

void GridView::alignColumnToPictures(int value) {
    if (m_aligning || !model())
        return;
    const int previous = m_lastHorizontal;
    m_lastHorizontal = value;
    QScrollBar *bar = horizontalScrollBar();
    if (value == 0 || value == bar->maximum())
        return;
    // Column c stands clear of the pictures when the bar's value is the
    // summed width of columns 1..c-1; take the nearest such value in the
    // direction of the scroll.
    const QHeaderView *header = horizontalHeader();
    const int pictures = header->sectionSize(0);
    int below = 0;
    int above = bar->maximum();
    for (int column = 1; column < header->count(); ++column) {
        const int at = header->sectionPosition(column) - pictures;
        if (at > value) {
            above = std::min(above, at);
            break;
        }
        below = at;
    }
    if (below == value)
        return;
    // While the slider is dragged the nearest one, so that it follows the mouse.
    const bool forward = bar->isSliderDown() ? above - value < value - below : value > previous;
    const int aligned = std::min(forward ? above : below, bar->maximum());
    m_aligning = true;
    bar->setValue(aligned);
    m_aligning = false;
    m_lastHorizontal = aligned;
}

void GridView::scrollTo(const QModelIndex &index, ScrollHint hint) {
    if (!index.isValid())
        return;
    QTableView::scrollTo(index, hint);
    keepClearOfPictures(index);
}

QModelIndex GridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    keepClearOfPictures(current);
    return current;
}

} // namespace qor
