#pragma once
// The recipe list `LBPotion`: a virtual owner-drawn list whose row count is
// PotionCount. Rows have one uniform height and scroll one row at a time; the
// view has no horizontal scroll bar of its own (the panel that holds the list
// and its header slides instead). Only the visible rows are painted, each by
// PotionRowPainter with the column widths of the header `Header`. The view
// tracks the lit cell under the mouse and repaints at most two rows for it.

#include "recipe_list/ui/potion_row_painter.h"

#include <QAbstractItemView>

#include <functional>
#include <vector>

namespace qor {

struct GameData;
class PotionList;
class PictureSource;
class PotionHeader;
class PotionListModel;
struct ViewColors;

class PotionListView : public QAbstractItemView {
    Q_OBJECT
  public:
    // pictures may be null (the cells then show text only).
    PotionListView(const GameData &data, const PotionList &list, const ViewColors &colors,
                   const PotionHeader &header, PictureSource *pictures, QWidget *parent = nullptr);

    PotionListModel *potionModel() const { return m_model; }

    // After a fill or a deletion: adopt PotionCount (rows added or removed at
    // the end) and repaint. A selected row that still exists stays selected; a
    // selected row beyond the new end gives way to the new last row.
    void refresh();
    // The same with a model reset (no row selected afterwards).
    void resetRows();

    // Row height in pixels (the settings' value, default 25; at least 1).
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // First visible row; setting it scrolls (clamped to the valid range).
    int topIndex() const;
    void setTopIndex(int row);
    // Rows that fit wholly into the viewport (at least 1).
    int visibleRowCount() const;

    // The selected row or -1; setting selects it and makes it current and
    // visible (-1 clears the selection).
    int currentRow() const;
    void setCurrentRow(int row);

    // The row under a viewport point, -1 outside the rows (the item-at-point).
    int rowAt(int y) const;
    // Rectangle of a row in viewport coordinates, the full client width.
    QRect rowRect(int row) const;
    // GetLbPotionColumn for a viewport x; -1 outside the columns.
    int columnAt(int x) const;

    // The line drawn centred in the visible part of an empty list (asked
    // for at each paint, so it follows the conditions); none when unset or
    // empty.
    void setEmptyHint(std::function<QString()> hint) { m_emptyHint = std::move(hint); }
    QString emptyHint() const { return m_emptyHint ? m_emptyHint() : QString(); }

    const LitCell &litCell() const { return m_litCell; }
    // Switching the highlighting options forgets the lit row and repaints.
    void clearLitRow();
    // Lit-cell tracking for a mouse position over the viewport: no change
    // when the cell is the lit one; otherwise the old and the new lit row are
    // repainted (only rows of the list, only when LightCellMode is not 0).
    void trackLitCell(const QPoint &pos);

    // QAbstractItemView
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    void keyboardSearch(const QString &search) override;

  Q_SIGNALS:
    // The selected row changed (-1: none); the main window's selection handler.
    void selectedRowChanged(int row);

  protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

  private:
    void repaintRow(int row);
    void paintEmptyHint(QPainter &painter);

    std::function<QString()> m_emptyHint;

    const GameData &m_data;
    const PotionList &m_list;
    const ViewColors &m_colors;
    const PotionHeader &m_header;
    PictureSource *m_pictures;
    PotionListModel *m_model;
    PotionRowPainter m_painter;
    std::vector<int> m_widths; // reused by every paint
    int m_itemHeight = 25;
    LitCell m_litCell;
};

} // namespace qor
