#pragma once
// The two lists of the favourites window: favourite ingredients
// (`ListBoxFavoriteItems`) or favourite effects (`ListBoxFavoriteEffects`).
// A row shows the name, after the ingredient's picture when it has one; a
// right press selects the row under the mouse, a middle press focuses.

#include "common_ui/owner_draw_list.h"

namespace qor {

struct FavoritesModel;
class FavoritesStore;
struct GameData;
class PictureSource;
struct ViewColors;

class FavoriteIndexList : public OwnerDrawListView {
    Q_OBJECT
  public:
    enum class Kind { Items, Effects };

    FavoriteIndexList(Kind kind, const FavoritesStore &store, const GameData &data, const ViewColors &colors,
                      const PictureSource *pictures, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    int count() const;
    // The ingredient or effect index of a row; 0 outside the list.
    int elementAt(int row) const;
    // A row's name and where it starts (pixels from the row's left edge):
    // after the picture square when the ingredient has a picture.
    QString rowText(int row) const;
    int textIndent(int row) const;
    // The same for a row of that height (drawing, which may scale rows).
    int textIndentIn(int row, int rowHeight) const;
    // The row under a point of the viewport; the row count (one past the last
    // row) below the last row, so a drop there appends.
    int dropRowAt(const QPoint &viewportPos) const;

    void paintItem(QPainter &painter, const QRect &rect, int row, QStyle::State state) const override;

  protected:
    void mousePressEvent(QMouseEvent *event) override;

  private:
    Kind m_kind;
    const FavoritesModel &m_favorites;
    const GameData &m_data;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
};

} // namespace qor
