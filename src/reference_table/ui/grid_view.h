#pragma once
// The reference table's view: the picture column stays at the left edge
// while the data columns scroll beside it, and typing is left to the
// window's quick find (no type-ahead of the view's own).

#include <QTableView>

namespace qor {

class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void setItemDelegate(QAbstractItemDelegate *delegate);
    void keyboardSearch(const QString &) override {}
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // The overlay that shows the picture column.
    QTableView *pictureColumn() const { return m_frozen; }

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

  private:
    void placePictureColumn();
    void keepClearOfPictures(const QModelIndex &index);
    // A sideways scroll ends with a column's left edge at the pictures' right
    // edge, so no column is half hidden behind them.
    void alignColumnToPictures(int value);

    QTableView *m_frozen = nullptr;
    int m_lastHorizontal = 0;
    bool m_aligning = false;
};

} // namespace qor
