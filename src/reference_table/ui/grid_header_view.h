#pragma once
// The reference table's header row: each caption left-aligned at the
// section's left + 2 and vertically centred like the text of every data
// cell, clipped only on the right; the search column's caption is bold.

#include <QHeaderView>

namespace qor {

class GridHeaderView : public QHeaderView {
    Q_OBJECT
  public:
    explicit GridHeaderView(QWidget *parent = nullptr);

    // Column whose caption is drawn bold (0: none).
    void setBoldColumn(int column);
    int boldColumn() const { return m_boldColumn; }

    // Where a caption of the section rectangle starts (left + 2).
    static QPoint captionOrigin(const QRect &section, const QFontMetrics &metrics);

  protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

  private:
    int m_boldColumn = 0;
};

} // namespace qor
