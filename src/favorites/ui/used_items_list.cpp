#include "favorites/ui/used_items_list.h"

#include "common_ui/view_colors.h"
#include "favorites/ui/tool_window.h"
#include "favorites/used_items_model.h"
#include "game_data/game_data.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include <algorithm>

namespace qor {

UsedItemsList::UsedItemsList(const UsedItemsModel &sets, const GameData &data, const ViewColors &colors,
                             const PictureSource *pictures, QWidget *parent)
    : OwnerDrawListView([&data] { return std::max(0, data.itemRecordCount() - 1); }, 20, parent),
      m_sets(sets), m_data(data), m_colors(colors), m_pictures(pictures) {
    setObjectName(QStringLiteral("CLbUsedItems"));
    setContextMenuPolicy(Qt::CustomContextMenu);
}

int UsedItemsList::count() const {
    return std::max(0, m_data.itemRecordCount() - 1);
}

bool UsedItemsList::isChecked(int row) const {
    const auto item = static_cast<std::size_t>(row) + 1;
    return row >= 0 && item < m_sets.ItemAvailable.size() && m_sets.ItemAvailable[item] != 0;
}

QRect UsedItemsList::checkRect(const QRect &rowRect) const {
    const int side =
        std::min(style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this), rowRect.height());
    return {rowRect.left() + 2, rowRect.top() + (rowRect.height() - side) / 2, side, side};
}

void UsedItemsList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const {
    const bool selected = state.testFlag(QStyle::State_Selected);
    painter.fillRect(rect, selected ? m_colors.Highlight : m_colors.Window);
    if (row < 0 || row >= count())
        return;
    QStyleOptionButton check;
    check.rect = checkRect(rect);
    check.state = QStyle::State_Enabled | (isChecked(row) ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, &painter, this);

    const QRect square(check.rect.right() + 1 + 3, rect.top(), rect.height(), rect.height());
    drawItemSquare(painter, square, m_pictures, row + 1);
    painter.setPen(selected ? m_colors.HighlightText : m_colors.WindowText);
    drawRowText(painter, rect, rect.left() + textIndentIn(row, rect.height()), rowText(row));
}

QString UsedItemsList::rowText(int row) const {
    const int item = row + 1;
    return item < m_data.ItemNames.size() ? m_data.ItemNames.at(item) : QStringLiteral("-");
}

int UsedItemsList::textIndent(int row) const {
    return textIndentIn(row, itemHeight());
}

int UsedItemsList::textIndentIn(int, int rowHeight) const {
    const QRect check = checkRect(QRect(0, 0, rowHeight, rowHeight));
    return check.right() + 1 + 3 + rowHeight + 2;
}

void UsedItemsList::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (event->button() == Qt::MiddleButton) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    if (event->button() == Qt::RightButton && index.isValid())
        setCurrentRow(index.row());
    OwnerDrawListView::mousePressEvent(event);
    // A click on a check box also selects its row.
    if (event->button() == Qt::LeftButton && index.isValid() && checkRect(visualRect(index)).contains(pos)) {
        setCurrentRow(index.row());
        Q_EMIT checkToggled(index.row(), !isChecked(index.row()));
    }
}

void UsedItemsList::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const int row = currentRow();
        if (row >= 0)
            Q_EMIT checkToggled(row, !isChecked(row));
        event->accept();
        return;
    }
    OwnerDrawListView::keyPressEvent(event);
}

} // namespace qor
