#include "reference_table/ui/grid_header_view.h"

#include "reference_table/ui/grid_cell_delegate.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace qor {

GridHeaderView::GridHeaderView(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void GridHeaderView::setBoldColumn(int column) {
    if (column == m_boldColumn)
        return;
    m_boldColumn = column;
    viewport()->update();
}

QPoint GridHeaderView::captionOrigin(const QRect &section, const QFontMetrics &metrics) {
    // The same rule as the data cells.
    return GridCellDelegate::textOrigin(section, metrics);
}

void GridHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const {
    if (!rect.isValid())
        return;
    // The button face without its text; the style would centre and elide it.
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.text.clear();
    opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    opt.position = QStyleOptionHeader::Middle;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);
    if (rect.width() > 4 && model()) {
        const QString caption = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        QFont font = this->font();
        font.setBold(logicalIndex == m_boldColumn);
        painter->setFont(font);
        const QFontMetrics metrics(font);
        const QPoint origin = captionOrigin(rect, metrics);
        painter->setClipRect(rect.adjusted(0, 0, -1, 0));
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(QRect(origin.x(), origin.y(), rect.right() - origin.x(), rect.bottom() - origin.y() + 1),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
    painter->restore();
}

} // namespace qor
