#include "common_ui/owner_draw_list.h"

#include <QAbstractItemDelegate>
#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>

namespace qor {

namespace {

// Hands every item to the view's paintItem and gives all items one height.
class RowDelegate : public QAbstractItemDelegate {
  public:
    explicit RowDelegate(OwnerDrawListView *view) : QAbstractItemDelegate(view), m_view(view) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        painter->save();
        painter->setFont(option.font);
        m_view->paintItem(*painter, option.rect, index.row(), option.state);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
        return {1, m_view->itemHeight()};
    }

  private:
    OwnerDrawListView *m_view;
};

} // namespace

OwnerDrawListView::OwnerDrawListView(CountListModel::CountFn count, int itemHeight, QWidget *parent)
    : QListView(parent), m_model(new CountListModel(std::move(count), this)),
      m_itemHeight(std::max(1, itemHeight)) {
    setItemDelegate(new RowDelegate(this));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(false);
}

void OwnerDrawListView::refresh() {
    m_model->refresh();
    viewport()->update();
}

void OwnerDrawListView::refreshQuietly() {
    const QSignalBlocker quiet(this);
    refresh();
}

void OwnerDrawListView::resetRows() {
    m_model->reset();
    viewport()->update();
}

void OwnerDrawListView::setItemHeight(int height) {
    m_itemHeight = std::max(1, height);
    doItemsLayout();
    viewport()->update();
}

int OwnerDrawListView::currentRow() const {
    return selectedRow(selectionModel());
}

void OwnerDrawListView::setCurrentRow(int row) {
    const QModelIndex idx = selectRow(selectionModel(), *m_model, row);
    if (idx.isValid())
        scrollTo(idx);
}

void OwnerDrawListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) {
    QListView::selectionChanged(selected, deselected);
    Q_EMIT selectedRowChanged(currentRow());
}

} // namespace qor
