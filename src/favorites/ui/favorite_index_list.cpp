#include "favorites/ui/favorite_index_list.h"

#include "common_ui/picture_source.h"

#include "common_ui/view_colors.h"
#include "favorites/favorites_store.h"
#include "favorites/ui/tool_window.h"
#include "game_data/game_data.h"

#include <QMouseEvent>
#include <QPainter>

namespace qor {

FavoriteIndexList::FavoriteIndexList(Kind kind, const FavoritesStore &store, const GameData &data,
                                     const ViewColors &colors, const PictureSource *pictures, QWidget *parent)
    : OwnerDrawListView(
          [&store, kind] {
              const FavoritesModel &favorites = store.favorites();
              return static_cast<int>(kind == Kind::Items ? favorites.FavItems.size()
                                                          : favorites.FavEffects.size());
          },
          20, parent),
      m_kind(kind), m_favorites(store.favorites()), m_data(data), m_colors(colors), m_pictures(pictures) {
    setObjectName(kind == Kind::Items ? QStringLiteral("ListBoxFavoriteItems")
                                      : QStringLiteral("ListBoxFavoriteEffects"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    const FavoritesPart shown = kind == Kind::Items ? FavoritesPart::Items : FavoritesPart::Effects;
    connect(&store, &FavoritesStore::favoritesChanged, this, [this, shown](FavoritesPart part) {
        if (part == shown)
            refreshQuietly();
    });
}

int FavoriteIndexList::count() const {
    return static_cast<int>(m_kind == Kind::Items ? m_favorites.FavItems.size()
                                                  : m_favorites.FavEffects.size());
}

int FavoriteIndexList::elementAt(int row) const {
    if (row < 0 || row >= count())
        return 0;
    const auto &list = m_kind == Kind::Items ? m_favorites.FavItems : m_favorites.FavEffects;
    return list[static_cast<std::size_t>(row)];
}

int FavoriteIndexList::dropRowAt(const QPoint &viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    return index.isValid() ? index.row() : count();
}

void FavoriteIndexList::paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const {
    const bool selected = state.testFlag(QStyle::State_Selected);
    painter.fillRect(rect, selected ? m_colors.Highlight : m_colors.Window);
    if (row < 0 || row >= count())
        return;
    if (m_kind == Kind::Items) {
        const int item = elementAt(row);
        if (item < m_data.itemRecordCount())
            drawItemSquare(painter, QRect(rect.left(), rect.top(), rect.height(), rect.height()), m_pictures,
                           item);
    }
    painter.setPen(selected ? m_colors.HighlightText : m_colors.WindowText);
    drawRowText(painter, rect, rect.left() + textIndentIn(row, rect.height()), rowText(row));
}

QString FavoriteIndexList::rowText(int row) const {
    return m_kind == Kind::Items ? m_favorites.itemName(row, m_data) : m_favorites.effectName(row, m_data);
}

int FavoriteIndexList::textIndent(int row) const {
    return textIndentIn(row, itemHeight());
}

int FavoriteIndexList::textIndentIn(int row, int rowHeight) const {
    const int item = m_kind == Kind::Items ? elementAt(row) : 0;
    const bool picture =
        item > 0 && item < m_data.itemRecordCount() && m_pictures && m_pictures->smallPicture(item);
    return picture ? rowHeight + 2 : 2;
}

void FavoriteIndexList::mousePressEvent(QMouseEvent *event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    switch (event->button()) {
    case Qt::RightButton:
        if (index.isValid())
            setCurrentRow(index.row());
        break;
    case Qt::MiddleButton:
        setFocus(Qt::MouseFocusReason);
        break;
    default:
        break;
    }
    OwnerDrawListView::mousePressEvent(event);
}

} // namespace qor
