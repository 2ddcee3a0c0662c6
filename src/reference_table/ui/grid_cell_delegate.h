#pragma once
// Draws the reference table's picture column: the ingredient's picture
// stretched over the whole square cell with its key colour transparent, the
// full-size picture when the cell is taller than the 32-pixel thumbnail,
// else the thumbnail itself. The texts of the other columns start at the
// cell's left + 2 and are clipped at its right edge, never elided.

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

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where a cell's text starts.
    static QPoint textOrigin(const QRect &cell, const QFontMetrics &metrics);

    // The picture drawn into a cell of the given height (nullptr: none).
    const QImage *pictureFor(int item, int cellHeight) const;

  private:
    const GridPictures *m_pictures;
};

} // namespace qor
