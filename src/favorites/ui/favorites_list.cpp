#include "favorites/ui/favorites_list.h"

#include "common_ui/picture_source.h"
#include "common_ui/view_colors.h"
#include "favorites/favorites_store.h"
#include "game_data/game_data.h"

#include <QImage>
#include <QPainter>

namespace qor {

FavoritesList::FavoritesList(const GameData &data, const FavoritesStore &store, const ViewColors &colors,
                             const PictureSource *pictures, QWidget *parent)
    : OwnerDrawListView([&store] { return store.favorites().potionCount(); }, 16, parent), m_data(data),
      m_favorites(store.favorites()), m_colors(colors), m_pictures(pictures) {
    connect(&store, &FavoritesStore::favoritesChanged, this, [this](FavoritesPart part) {
        if (part == FavoritesPart::Recipes)
            refreshQuietly();
    });
}

void FavoritesList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const {
    const bool selected = state.testFlag(QStyle::State_Selected);
    const QColor &bg =
        selected ? m_colors.Highlight : ((row % 2) != 0 ? m_colors.PotionColor2 : m_colors.Window);
    painter.fillRect(rect, bg);
    if (row < 0 || row >= m_favorites.potionCount())
        return;
    const int side = rect.height();
    const QFontMetrics fm = painter.fontMetrics();
    painter.setPen(selected ? m_colors.HighlightText : m_colors.WindowText);
    painter.drawText(rect.left() + 3 * side + 2,
                     rect.top() + rect.height() / 2 - fm.height() / 2 + fm.ascent(),
                     m_favorites.FavPotionNames.value(row));
    const TPotionRec &rec = m_favorites.FavPotions[static_cast<std::size_t>(row)];
    for (int slot = 0; slot < kMaxPotionItems; ++slot) {
        const QRect square(rect.left() + slot * side, rect.top(), side, side);
        painter.fillRect(square, bg);
        const int item = rec.Items[static_cast<std::size_t>(slot)];
        if (item <= 0 || item >= m_data.itemRecordCount() || !m_pictures)
            continue;
        if (const QImage *pic = m_pictures->smallPicture(item))
            painter.drawImage(square, *pic);
    }
}

} // namespace qor
