#pragma once
// Draws the reference table's picture column: the ingredient's picture
// stretched over the whole square cell with its key colour transparent, the
// full-size picture when the cell is taller than the 32-pixel thumbnail,
// else the thumbnail itself, on the button face of a fixed cell. The texts
// of the other columns start at the cell's left + 2 and are clipped at its
// right edge, never elided; odd grid rows take the alternate colour. The
// view draws no grid of its own: the delegate draws the lines, always
// around the picture column, per direction as the user chose elsewhere.

#include <QColor>
#include <QStyledItemDelegate>

class QImage;

namespace qor {

// The two transparent-key pictures of an ingredient the picture column needs.
class GridPictures {
  public:
    virtual ~GridPictures() = default;
    // 32 × 32 thumbnail, key transparent; nullptr when absent.
    virtual const QImage *smallPicture(int item) const = 0;
    // Full-size picture, key transparent; nullptr when absent.
    virtual const QImage *fullPicture(int item) const = 0;
};

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Height of the thumbnail; taller cells take the full-size picture.
    static constexpr int kSmallSide = 32;

    GridCellDelegate(const GridPictures *pictures, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // Background of the odd grid rows (model rows 0, 2, ...) when not
    // selected; invalid: the view's own background.
    void setAlternateColor(const QColor &color) { m_color2 = color; }
    QColor alternateColor() const { return m_color2; }
    void setLines(bool vertical, bool horizontal) {
        m_vertLines = vertical;
        m_horLines = horizontal;
    }
    bool verticalLines() const { return m_vertLines; }
    bool horizontalLines() const { return m_horLines; }

    // Where a cell's text starts.
    static QPoint textOrigin(const QRect &cell, const QFontMetrics &metrics);

    // The picture drawn into a cell of the given height (nullptr: none).
    const QImage *pictureFor(int item, int cellHeight) const;

  private:
    void drawLines(QPainter *painter, const QStyleOptionViewItem &option, bool vertical,
                   bool horizontal) const;

    const GridPictures *m_pictures;
    QColor m_color2;
    bool m_vertLines = true;
    bool m_horLines = false;
};

} // namespace qor
