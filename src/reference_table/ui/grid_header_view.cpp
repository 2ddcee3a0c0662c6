#include "reference_table/ui/grid_header_view.h"

#include "common_ui/sort_mark.h"
#include "reference_table/ui/grid_cell_delegate.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include <cstdlib>

namespace qor {

GridHeaderView::GridHeaderView(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_sortUp(makeSortMark(true)), m_sortDown(makeSortMark(false)) {
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSectionsClickable(true);
}

void GridHeaderView::setSortCode(int code) {
    if (code == m_sortCode)
        return;
    m_sortCode = code;
    viewport()->update();
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
        QPoint origin = captionOrigin(rect, metrics);
        painter->setClipRect(rect.adjusted(0, 0, -1, 0));
        if (logicalIndex != 0 && m_sortCode != 0 && std::abs(m_sortCode) == logicalIndex) {
            const QImage &mark = m_sortCode > 0 ? m_sortUp : m_sortDown;
            painter->drawImage(QPoint(rect.left() + 2, rect.top() + rect.height() / 2 - mark.height() / 2),
                               mark);
            origin.rx() += mark.width() + 1;
        }
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(
            QRect(origin.x(), origin.y(), rect.right() - origin.x(), rect.bottom() - origin.y() + 1),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
    painter->restore();
}

} // namespace qor
