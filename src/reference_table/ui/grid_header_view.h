#pragma once
// The reference table's header row: each caption left-aligned at the
// section's left + 2 and vertically centred like the text of every data
// cell, clipped only on the right; the search column's caption is bold and
// the sorted column carries the sort arrow before its caption.

#include <QHeaderView>
#include <QImage>

namespace qor {

class GridHeaderView : public QHeaderView {
    Q_OBJECT
  public:
    explicit GridHeaderView(QWidget *parent = nullptr);

    // Column whose caption is drawn bold (0: none).
    void setBoldColumn(int column);
    int boldColumn() const { return m_boldColumn; }
    // Signed sort code: +c ascending, -c descending by column c, 0 none.
    void setSortCode(int code);
    int sortCode() const { return m_sortCode; }

    // Where a caption of the section rectangle starts (left + 2).
    static QPoint captionOrigin(const QRect &section, const QFontMetrics &metrics);

  protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

  private:
    int m_boldColumn = 0;
    int m_sortCode = 0;
    QImage m_sortUp;
    QImage m_sortDown;
};

} // namespace qor
