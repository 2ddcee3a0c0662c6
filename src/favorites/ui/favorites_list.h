#pragma once
// The favourite recipes list `LBFavorites`: three ingredient thumbnails, then
// the favourite's name; odd rows that are not selected in PotionColor2.

#include "common_ui/owner_draw_list.h"

namespace qor {

struct GameData;
struct FavoritesModel;
class FavoritesStore;
class PictureSource;
struct ViewColors;

class FavoritesList : public OwnerDrawListView {
    Q_OBJECT
  public:
    FavoritesList(const GameData &data, const FavoritesStore &store, const ViewColors &colors,
                  const PictureSource *pictures, QWidget *parent = nullptr);

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  private:
    const GameData &m_data;
    const FavoritesModel &m_favorites;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
};

} // namespace qor
