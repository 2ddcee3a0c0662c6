#pragma once
// Base of the small owner-drawn lists (the current recipe's ingredients and
// effects, the alternative-making lists, the favourites): a QListView over a
// CountListModel with one fixed item height, whose items are painted by the
// subclass's paintItem. No strings are held; the subclass reads its data by row.

#include "common_ui/count_list_model.h"

#include <QListView>
#include <QStyle>

namespace qor {

class OwnerDrawListView : public QListView {
    Q_OBJECT
  public:
    OwnerDrawListView(CountListModel::CountFn count, int itemHeight, QWidget *parent = nullptr);

    CountListModel *countModel() const { return m_model; }

    // Adopt the container's current count and repaint (rows added or removed
    // at the end; the selection is kept when its row still exists).
    void refresh();
    // refresh() for a list that follows its container's announcements: no
    // selection change is reported, the code that changed the container
    // chooses the row to select.
    void refreshQuietly();
    // The same with a model reset (no row selected afterwards).
    void resetRows();

    int itemHeight() const { return m_itemHeight; }
    // Item height in pixels (at least 1); the list is laid out again.
    void setItemHeight(int height);

    // The selected row or -1; setting selects it and makes it current (-1 clears).
    int currentRow() const;
    void setCurrentRow(int row);

    // Paints item `row` into rect. state carries State_Selected and
    // State_HasFocus (the current item of a focused list).
    virtual void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const = 0;

    // Typing is the window's quick find, the same in every keyboard layout.
    void keyboardSearch(const QString &) override {}

  Q_SIGNALS:
    void selectedRowChanged(int row);

  protected:
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

  private:
    CountListModel *m_model;
    int m_itemHeight;
};

} // namespace qor
