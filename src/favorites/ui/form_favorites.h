#pragma once
// The favourites window `TFormFavorites` ("Избранное"): the favourite
// effects in the upper group, the favourite ingredients below a splitter,
// each list with a popup to delete the selected entry and to change the font
// and the row height of both lists. The lists read the favourites and follow
// their announcements; drops insert and reorder through dropElement and
// moveElement, as edits of the store.

#include "favorites/ui/favorite_index_list.h"
#include "favorites/ui/tool_window.h"

class QAction;
class QGroupBox;
class QMenu;
class QSplitter;

namespace qor {

// What the settings keep of the window.
struct FavoritesWindowState {
    QRect bounds;
    ListFont font;       // both lists
    int rowHeight = 20;  // both lists, 10..50
    int groupHeight = 0; // height of the effects group
    friend bool operator==(const FavoritesWindowState &, const FavoritesWindowState &) = default;
};

class TFormFavorites : public ToolWindow {
    Q_OBJECT
  public:
    TFormFavorites(FavoritesStore &favorites, const GameData &data, const ViewColors &colors,
                   const PictureSource *pictures, ToolWindowPrompts prompts, QWidget *owner);

    // Applies the saved state (the bounds as given: the caller fits them to
    // the screen). The group height takes effect once the window is laid out.
    void applyState(const FavoritesWindowState &state);
    FavoritesWindowState state() const;

    // Every splitter of the window takes the thickness.
    void SetSplittersHeight(int thickness);

    FavoriteIndexList *list(FavoriteIndexList::Kind kind) const;
    // A drop of an ingredient or effect from elsewhere: inserted at row
    // (appended beyond the last row) and selected. Nothing happens, and -1 is
    // returned, when it is already in that list.
    int dropElement(FavoriteIndexList::Kind kind, int element, int row);
    // A drop from the same list: the entry moves to row (the last row beyond
    // it) and is selected. Returns the row it lands on, -1 when from is not a
    // row of the list.
    int moveElement(FavoriteIndexList::Kind kind, int from, int row);

    // Popup commands, by list.
    void deleteSelected(FavoriteIndexList::Kind kind);
    void promptFont();
    void promptRowHeight(QAction *item);
    // Prepares a list's popup: "Удалить" only with a selected row.
    void preparePopup(FavoriteIndexList::Kind kind);
    QMenu *popup(FavoriteIndexList::Kind kind) const;

    QGroupBox *GroupBoxEff = nullptr;
    FavoriteIndexList *ListBoxFavoriteEffects = nullptr;
    QSplitter *Splitter1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    FavoriteIndexList *ListBoxFavoriteItems = nullptr;
    QMenu *PopMenuLbEff = nullptr;
    QMenu *PopMenuLbItems = nullptr;
    QAction *PMenuEffDel = nullptr;
    QAction *PMenuEffFont = nullptr;
    QAction *PMenuEffItemHeight = nullptr;
    QAction *PMenuItemDel = nullptr;
    QAction *PMenuItemFont = nullptr;
    QAction *PMenuItemItemHeinght = nullptr;

  protected:
    void showEvent(QShowEvent *event) override;

  private:
    QMenu *buildPopup(FavoriteIndexList *list, const char *menuName, const char *delName,
                      const char *fontName, const char *heightName, QAction *&del, QAction *&font,
                      QAction *&height);
    void setListFont(const ListFont &font);
    void setRowHeight(int height);
    void applyGroupHeight();

    FavoritesStore &m_favorites;
    ToolWindowPrompts m_prompts;
    ListFont m_font;
    int m_groupHeight = 0;
    bool m_groupHeightPending = false;
};

} // namespace qor
