#include "recipe_list/ui/alt_lists.h"

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "engine/alt_making.h"
#include "game_data/game_data.h"

#include <QImage>
#include <QPainter>

namespace qor {

namespace {
int centredBaseline(const QFontMetrics &fm, const QRect &rect) {
    return rect.top() + rect.height() / 2 - fm.height() / 2 + fm.ascent();
}
} // namespace

int drawEffectSymbol(QPainter &painter, const QRect &rect, const GameData &data, int effect,
                     const ViewColors &colors) {
    const QString symbol(colors.EffColorChar);
    const QFontMetrics fm = painter.fontMetrics();
    const QRect box(rect.left() + 2, rect.top(), fm.horizontalAdvance(symbol) + 2, rect.height());
    const bool harmful = effect > 0 && effect < data.effectRecordCount() &&
                         data.EffectTable[static_cast<std::size_t>(effect)].Harmful == 1;
    const QPen old = painter.pen();
    painter.setPen(harmful ? colors.PoisonEffColor : colors.GoodEffColor);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box.left(), centredBaseline(fm, rect), symbol);
    painter.restore();
    painter.setPen(old);
    return box.left() + box.width() + 2;
}

AltEffectsList::AltEffectsList(Kind kind, const GameData &data, const AltMaking &alt,
                               const ViewColors &colors, QWidget *parent)
    : OwnerDrawListView(
          [kind, &alt] {
              return static_cast<int>(kind == Kind::Available ? alt.AltEffectRows.size()
                                                              : alt.AltEffects.size());
          },
          17, parent),
      m_kind(kind), m_data(data), m_alt(alt), m_colors(colors) {}

int AltEffectsList::effectAt(int row) const {
    if (row < 0)
        return 0;
    const auto r = static_cast<std::size_t>(row);
    if (m_kind == Kind::Available)
        return r < m_alt.AltEffectRows.size() ? m_alt.AltEffectRows[r].effect : 0;
    return r < m_alt.AltEffects.size() ? m_alt.AltEffects[r] : 0;
}

void AltEffectsList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const {
    bool highlighted = state.testFlag(QStyle::State_Selected);
    if (m_kind == Kind::Available) // only the selected item of the focused list
        highlighted = highlighted && state.testFlag(QStyle::State_HasFocus);
    painter.fillRect(rect, highlighted ? m_colors.Highlight : m_colors.Window);
    const int effect = effectAt(row);
    if (effect <= 0 || effect >= m_data.effectRecordCount())
        return;
    const int textLeft = drawEffectSymbol(painter, rect, m_data, effect, m_colors);
    QColor text = highlighted ? m_colors.HighlightText : m_colors.WindowText;
    if (m_kind == Kind::Available && !m_alt.AltEffectRows[static_cast<std::size_t>(row)].reachable)
        text = m_colors.GrayText;
    painter.setPen(text);
    painter.drawText(textLeft, centredBaseline(painter.fontMetrics(), rect),
                     m_data.EffectNames.value(effect));
}

AltItemsList::AltItemsList(Kind kind, const GameData &data, const AltMaking &alt, const ViewColors &colors,
                           const PictureSource *pictures, QWidget *parent)
    : OwnerDrawListView(
          [kind, &alt] {
              return static_cast<int>(kind == Kind::Candidates ? alt.AltCandidates.size()
                                                               : alt.AltItems.size());
          },
          17, parent),
      m_kind(kind), m_data(data), m_alt(alt), m_colors(colors), m_pictures(pictures) {}

int AltItemsList::itemAt(int row) const {
    if (row < 0)
        return 0;
    const auto r = static_cast<std::size_t>(row);
    const auto &items = m_kind == Kind::Candidates ? m_alt.AltCandidates : m_alt.AltItems;
    return r < items.size() ? items[r] : 0;
}

void AltItemsList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const {
    const bool selected = state.testFlag(QStyle::State_Selected);
    painter.fillRect(rect, selected ? m_colors.Highlight : m_colors.Window);
    const int item = itemAt(row);
    if (item <= 0 || item >= m_data.itemRecordCount())
        return;
    const int side = rect.height();
    int textLeft = rect.left() + 2;
    if (m_pictures) {
        if (const QImage *pic = m_pictures->smallPicture(item)) {
            // The thumbnail's background is transparent, so it merges with the row.
            painter.drawImage(QRect(rect.left(), rect.top(), side, side), *pic);
            textLeft = rect.left() + side + 2;
        }
    }
    painter.setPen(selected ? m_colors.HighlightText : m_colors.WindowText);
    painter.drawText(textLeft, centredBaseline(painter.fontMetrics(), rect), m_data.ItemNames.value(item));
}

} // namespace qor
