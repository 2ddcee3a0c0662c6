#include "reference_table/ui/grid_cell_delegate.h"

#include "reference_table/ui/grid_table_model.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace qor {

GridCellDelegate::GridCellDelegate(const GridPictures *pictures, QObject *parent)
    : QStyledItemDelegate(parent), m_pictures(pictures) {}

const QImage *GridCellDelegate::pictureFor(int item, int cellHeight) const {
    if (!m_pictures || item <= 0)
        return nullptr;
    const QImage *picture =
        cellHeight > kSmallSide ? m_pictures->fullPicture(item) : m_pictures->smallPicture(item);
    // A cell taller than the thumbnail still gets the thumbnail when the
    // full-size picture is missing, rather than nothing.
    if ((!picture || picture->isNull()) && cellHeight > kSmallSide)
        picture = m_pictures->smallPicture(item);
    return picture && !picture->isNull() ? picture : nullptr;
}

QPoint GridCellDelegate::textOrigin(const QRect &cell, const QFontMetrics &metrics) {
    // Half the row height less half the height of a sample with ascenders
    // and descenders, so every row's text sits on the same line.
    const int sample = metrics.boundingRect(QStringLiteral("YyУу")).height();
    return {cell.left() + 2, cell.top() + cell.height() / 2 - sample / 2};
}

void GridCellDelegate::drawLines(QPainter *painter, const QStyleOptionViewItem &option, bool vertical,
                                 bool horizontal) const {
    if (!vertical && !horizontal)
        return;
    const QRect r = option.rect;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    if (vertical)
        painter->drawLine(r.topRight(), r.bottomRight());
    if (horizontal)
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}

void GridCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
    // The cell's background as the view draws it (selection included),
    // without the text: the style would elide it and indent it its own way.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QVariant marker = index.data(Qt::BackgroundRole);
    // A marker's colour stands even on the selected cell.
    if (marker.isValid())
        opt.state &= ~QStyle::State_Selected;
    const bool selected = opt.state & QStyle::State_Selected;
    if (index.column() == 0)
        painter->fillRect(opt.rect, opt.palette.color(QPalette::Button));
    else if (!selected && !marker.isValid() && index.row() % 2 == 0 && m_color2.isValid())
        opt.backgroundBrush = m_color2;
    if (index.column() != 0)
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const QRect cell = option.rect;
    if (index.column() == 0)
        drawLines(painter, opt, true, true);
    else
        drawLines(painter, opt, m_vertLines, m_horLines);
    if (cell.width() <= 4)
        return;
    if (index.column() != 0) {
        if (text.isEmpty())
            return;
        const QPoint origin = textOrigin(cell, opt.fontMetrics);
        painter->save();
        painter->setClipRect(cell);
        painter->setFont(opt.font);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(foreground.isValid()
                            ? foreground.value<QColor>()
                            : opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(origin, cell.bottomRight()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter->restore();
        return;
    }
    const int item = index.data(GridTableModel::ItemRole).toInt();
    if (const QImage *picture = pictureFor(item, cell.height())) {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
        // Inside the lines, so the lines stay visible.
        painter->drawImage(cell.adjusted(0, 0, -1, -1), *picture);
        painter->restore();
    }
}

} // namespace qor
