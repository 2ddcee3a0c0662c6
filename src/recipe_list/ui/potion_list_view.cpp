#include "recipe_list/ui/potion_list_view.h"

#include "common_ui/count_list_model.h"
#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/potion_list.h"
#include "recipe_list/ui/potion_header.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace qor {

PotionListView::PotionListView(const GameData &data, const PotionList &list, const ViewColors &colors,
                               const PotionHeader &header, PictureSource *pictures, QWidget *parent)
    : QAbstractItemView(parent), m_data(data), m_list(list), m_colors(colors), m_header(header),
      m_pictures(pictures), m_model(new PotionListModel(list, this)),
      m_painter(data, list, colors, pictures) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    viewport()->setMouseTracking(true);
    // Every pixel of the viewport is painted by paintEvent.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    m_widths.reserve(PotionColumn::Count);
    connect(&header, &QHeaderView::sectionResized, viewport(), [this] { viewport()->update(); });
    connect(&header, &QHeaderView::sectionCountChanged, viewport(), [this] { viewport()->update(); });
}

void PotionListView::refresh() {
    m_model->refresh();
    updateGeometries();
    viewport()->update();
}

void PotionListView::resetRows() {
    m_model->reset();
    updateGeometries();
    viewport()->update();
}

void PotionListView::setItemHeight(int height) {
    m_itemHeight = std::max(1, height);
    updateGeometries();
    viewport()->update();
}

int PotionListView::topIndex() const {
    return verticalScrollBar()->value();
}

void PotionListView::setTopIndex(int row) {
    verticalScrollBar()->setValue(row);
}

int PotionListView::visibleRowCount() const {
    return std::max(1, viewport()->height() / m_itemHeight);
}

int PotionListView::currentRow() const {
    return selectedRow(selectionModel());
}

void PotionListView::setCurrentRow(int row) {
    const QModelIndex idx = selectRow(selectionModel(), *m_model, row);
    if (idx.isValid())
        scrollTo(idx);
}

int PotionListView::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = topIndex() + y / m_itemHeight;
    return row < m_model->count() ? row : -1;
}

QRect PotionListView::rowRect(int row) const {
    return {0, (row - topIndex()) * m_itemHeight, viewport()->width(), m_itemHeight};
}

int PotionListView::columnAt(int x) const {
    return m_header.columnAt(x);
}

void PotionListView::clearLitRow() {
    m_litCell.row = -1;
    viewport()->update();
}

void PotionListView::trackLitCell(const QPoint &pos) {
    const LitCell cell{columnAt(pos.x()), rowAt(pos.y())};
    if (cell == m_litCell)
        return;
    const int oldRow = m_litCell.row;
    m_litCell.row = -1;
    repaintRow(oldRow);
    m_litCell = cell;
    if (cell.row != oldRow)
        repaintRow(cell.row);
}

void PotionListView::repaintRow(int row) {
    if (row < 0 || row >= m_model->count() || m_colors.LightCellMode == 0)
        return;
    const QRect r = rowRect(row);
    if (r.intersects(viewport()->rect()))
        viewport()->update(r);
}

QRect PotionListView::visualRect(const QModelIndex &index) const {
    if (!index.isValid() || index.row() >= m_model->count())
        return {};
    return rowRect(index.row());
}

void PotionListView::scrollTo(const QModelIndex &index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int visible = visibleRowCount();
    const int top = topIndex();
    switch (hint) {
    case PositionAtTop:
        setTopIndex(row);
        break;
    case PositionAtBottom:
        setTopIndex(row - visible + 1);
        break;
    case PositionAtCenter:
        setTopIndex(row - visible / 2);
        break;
    case EnsureVisible:
        if (row < top)
            setTopIndex(row);
        else if (row >= top + visible)
            setTopIndex(row - visible + 1);
        break;
    }
}

QModelIndex PotionListView::indexAt(const QPoint &point) const {
    const int row = rowAt(point.y());
    return row < 0 ? QModelIndex() : m_model->index(row);
}

void PotionListView::keyboardSearch(const QString &) {
    // Typing is the main window's quick find, not the item view's search.
}

QModelIndex PotionListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int count = m_model->count();
    if (count == 0)
        return {};
    const QModelIndex cur = currentIndex();
    const int row = cur.isValid() ? cur.row() : -1;
    int next = row;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        next = row - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = row + 1;
        break;
    case MovePageUp:
        next = row - visibleRowCount();
        break;
    case MovePageDown:
        next = row + visibleRowCount();
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = count - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return m_model->index(std::clamp(next, 0, count - 1));
}

int PotionListView::horizontalOffset() const {
    return 0;
}

int PotionListView::verticalOffset() const {
    return topIndex() * m_itemHeight;
}

bool PotionListView::isIndexHidden(const QModelIndex &) const {
    return false;
}

void PotionListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) {
    const int count = m_model->count();
    if (count == 0)
        return;
    const QRect r = rect.normalized();
    const int top = topIndex();
    const int first = std::clamp(top + std::max(0, r.top()) / m_itemHeight, 0, count - 1);
    const int last = std::clamp(top + std::max(0, r.bottom()) / m_itemHeight, first, count - 1);
    // A single-selection list takes the row under the rectangle's bottom.
    const int from = selectionMode() == SingleSelection ? last : first;
    selectionModel()->select(QItemSelection(m_model->index(from), m_model->index(last)), command);
}

QRegion PotionListView::visualRegionForSelection(const QItemSelection &selection) const {
    QRegion region;
    const QRect vp = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        const QRect r = rowRect(range.top()).united(rowRect(range.bottom()));
        region += r.intersected(vp);
    }
    return region;
}

void PotionListView::updateGeometries() {
    const int count = m_model->count();
    const int visible = visibleRowCount();
    QScrollBar *bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(visible);
    bar->setRange(0, std::max(0, count - visible));
    QAbstractItemView::updateGeometries();
}

void PotionListView::scrollContentsBy(int, int) {
    // Scrolling moves whole rows; the visible rows are simply painted anew.
    viewport()->update();
}

void PotionListView::paintEvent(QPaintEvent *event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const int width = viewport()->width();
    const int count = m_model->count();
    const int top = topIndex();

    m_header.sectionWidths(m_widths);
    if (m_pictures && count > 0)
        m_pictures->ensureRowPictures(m_itemHeight, m_colors.Window, m_colors.PotionColor2,
                                      m_colors.Highlight);
    m_painter.begin(painter);

    const int firstRow = top + std::max(0, area.top()) / m_itemHeight;
    const int lastRow = std::min(count - 1, top + std::max(0, area.bottom()) / m_itemHeight);
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus();
    for (int row = firstRow; row <= lastRow; ++row) {
        const QRect rr = rowRect(row);
        const bool selected = selectionModel()->isRowSelected(row, QModelIndex());
        m_painter.paintRow(painter, rr, row, selected, m_litCell, m_widths);
        if (focused && selected && current.row() == row) {
            QStyleOptionFocusRect opt;
            opt.initFrom(this);
            opt.rect = rr;
            opt.backgroundColor = m_colors.Highlight;
            // The row painter remembers the pen it set; a style that leaves
            // its own pen behind must not colour the next row's text.
            painter.save();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &painter, this);
            painter.restore();
        }
    }
    // Below the last row: the list's own background.
    const int below = std::max(0, lastRow + 1 - top) * m_itemHeight;
    if (below < viewport()->height())
        painter.fillRect(QRect(0, below, width, viewport()->height() - below), m_colors.Window);
    if (count == 0)
        paintEmptyHint(painter);
}

void PotionListView::paintEmptyHint(QPainter &painter) {
    const QString hint = emptyHint();
    if (hint.isEmpty())
        return;
    // The list slides under the window: centre in the part that shows.
    QRect shown = viewport()->visibleRegion().boundingRect();
    if (shown.isEmpty())
        shown = viewport()->rect();
    painter.setPen(m_colors.WindowText);
    painter.drawText(shown.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, hint);
}

void PotionListView::mouseMoveEvent(QMouseEvent *event) {
    QAbstractItemView::mouseMoveEvent(event);
    trackLitCell(event->position().toPoint());
}

void PotionListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    Q_EMIT selectedRowChanged(currentRow());
}

} // namespace qor
