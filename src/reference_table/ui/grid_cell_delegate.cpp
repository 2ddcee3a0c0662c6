#include "reference_table/ui/grid_cell_delegate.h"

#include "reference_table/ui/grid_table_model.h"

#include <QImage>
#include <QPainter>

namespace qor {

GridCellDelegate::GridCellDelegate(const GridPictures *pictures, QObject *parent)
    : QStyledItemDelegate(parent), m_pictures(pictures) {}

const QImage *GridCellDelegate::pictureFor(int item, int cellHeight) const {
    if (!m_pictures || item <= 0)
        return nullptr;
    const QImage *picture = cellHeight > kSmallSide ? m_pictures->fullPicture(item) : m_pictures->smallPicture(item);
    // A cell taller than the thumbnail still gets the thumbnail when the
    // full-size picture is missing, rather than nothing.
    if ((!picture || picture->isNull()) && cellHeight > kSmallSide)
        picture = m_pictures->smallPicture(item);
    return picture && !picture->isNull() ? picture : nullptr;
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
    if (index.column() != 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The background as the view draws it for any cell, then the picture.
    QStyledItemDelegate::paint(painter, option, index);
    const QRect cell = option.rect;
    if (cell.width() <= 4)
        return;
    const int item = index.data(GridTableModel::ItemRole).toInt();
    if (const QImage *picture = pictureFor(item, cell.height())) {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter->drawImage(cell, *picture);
        painter->restore();
    }
}

} // namespace qor
