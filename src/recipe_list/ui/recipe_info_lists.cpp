#include "recipe_list/ui/recipe_info_lists.h"

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/potion_list.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/potion_header.h"

#include <QImage>
#include <QPainter>

namespace qor {

namespace {
// The muted grey the reference table draws unknown effects in.
constexpr QColor kTeachingMarkColor{128, 128, 128};

// Text at x, vertically centred in rect by the integer rule, clipped to clip.
void drawCentredText(QPainter &painter, const QRect &clip, int x, const QRect &rect, const QString &text) {
    const QFontMetrics fm = painter.fontMetrics();
    const int top = rect.top() + rect.height() / 2 - fm.height() / 2;
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.drawText(x, top + fm.ascent(), text);
    painter.restore();
}
} // namespace

ItemsInfoList::ItemsInfoList(const GameData &data, const PotionList &list, const ViewColors &colors,
                             PictureSource *pictures, QWidget *parent)
    : OwnerDrawListView([] { return kRows; }, 17, parent), m_data(data), m_list(list), m_colors(colors),
      m_pictures(pictures) {
    setSelectionMode(QAbstractItemView::NoSelection);
}

void ItemsInfoList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State) const {
    painter.fillRect(rect, m_colors.Window);
    if (row < 0 || row >= kRows)
        return;
    const int item = m_list.CurPotion.Items[static_cast<std::size_t>(row)];
    if (item <= 0 || item >= m_data.itemRecordCount())
        return;
    const int side = rect.height();
    int textLeft = rect.left() + 2;
    if (m_pictures) {
        if (const QImage *pic = m_pictures->windowPicture(item)) {
            painter.drawImage(QRect(rect.left(), rect.top(), side, side), *pic);
            textLeft = rect.left() + side + 2;
        }
    }
    painter.setPen(m_colors.WindowText);
    const QRect rest(textLeft, rect.top(), std::max(0, rect.right() + 1 - textLeft), rect.height());
    drawCentredText(painter, rest, textLeft, rect, m_data.ItemNames.value(item));
}

EffectInfoList::EffectInfoList(const GameData &data, const PotionList &list, const ViewColors &colors,
                               const PotionHeader &header, const QString &decimalPoint, QWidget *parent)
    : OwnerDrawListView([] { return kRows; }, 17, parent), m_data(data), m_list(list), m_colors(colors),
      m_header(header), m_decimalPoint(decimalPoint) {
    setSelectionMode(QAbstractItemView::NoSelection);
    connect(&header, &QHeaderView::sectionResized, viewport(), [this] { viewport()->update(); });
}

void EffectInfoList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State) const {
    const QColor &rowBg = (row % 2) != 0 ? m_colors.EffInfoColor2 : m_colors.Window;
    if (row < 0 || row >= kRows) {
        painter.fillRect(rect, rowBg);
        return;
    }
    const TPotionRec &cur = m_list.CurPotion;
    const int effect = cur.Effects[static_cast<std::size_t>(row)].Effect;
    if (effect <= 0 || effect >= m_data.effectRecordCount()) {
        painter.fillRect(rect, rowBg);
        return;
    }
    const int slot = row + 1;
    const bool harmful = m_data.EffectTable[static_cast<std::size_t>(effect)].Harmful == 1;
    const QFont plain = painter.font();
    const QFontMetrics fm(plain);
    const int textTop = rect.top() + rect.height() / 2 - fm.height() / 2;
    const int rowRight = rect.left() + rect.width();
    int right = rect.left();
    for (int k = 0; k < m_header.count(); ++k) {
        const int left = right;
        right = left + m_header.sectionSize(k);
        const QRect cell(left, rect.top(), right - left, rect.height());
        painter.fillRect(cell, rowBg);
        if (right < left + 5)
            continue;
        const QString text = GetPotEffDataStr(m_data, cur, slot, k, m_decimalPoint);
        if (text.isEmpty())
            continue;
        if (k == 0)
            painter.setPen(harmful ? m_colors.PoisonEffColor : m_colors.GoodEffColor);
        else
            painter.setPen(m_colors.WindowText);
        const bool nameColumn = k == 5;
        const bool underline = nameColumn && slot == cur.MainEffSlot;
        if (underline) {
            QFont u = plain;
            u.setUnderline(true);
            painter.setFont(u);
        }
        painter.save();
        painter.setClipRect(cell, Qt::IntersectClip);
        painter.drawText(left + 2, textTop + fm.ascent(), text);
        painter.restore();
        if (underline)
            painter.setFont(plain);
        if (nameColumn && m_teaches && m_teaches(cur, effect))
            markTeaching(painter, cell, rowBg);
    }
    if (right < rowRight)
        painter.fillRect(QRect(right, rect.top(), rowRight - right, rect.height()), rowBg);
}

void EffectInfoList::setTeachesEffect(TeachesEffect teaches) {
    m_teaches = std::move(teaches);
    viewport()->update();
}

// A frame round the name and a "?" at its right end, over the name's tail.
void EffectInfoList::markTeaching(QPainter &painter, const QRect &cell, const QColor &background) const {
    const QRect frame = cell.adjusted(0, 0, -2, -1);
    if (frame.width() < 2 || frame.height() < 2)
        return;
    painter.save();
    painter.setPen(kTeachingMarkColor);
    painter.drawRect(frame);
    const QString mark = QStringLiteral("?");
    const QFontMetrics fm = painter.fontMetrics();
    const int width = fm.horizontalAdvance(mark) + 4;
    const QRect badge(frame.right() - width, frame.top() + 1, width, frame.height() - 1);
    painter.setClipRect(frame.adjusted(1, 1, 0, 0));
    painter.fillRect(badge, background);
    painter.drawText(badge, Qt::AlignCenter, mark);
    painter.restore();
}

} // namespace qor
