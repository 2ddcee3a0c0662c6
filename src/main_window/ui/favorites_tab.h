#pragma once
// The favourites tab of the main window: a click on a favourite shows it in
// the recipe list, and its context menu shows all, renames and deletes.

#include "main_window/ui/menu_items.h"
#include "main_window/ui/window_context.h"

class QAction;
class QMenu;
class QWidget;

namespace qor {

class ControlCommands;
class FavoritesList;
class ItemPicturesSource;
struct WindowRouters;

class FavoritesTab {
  public:
    explicit FavoritesTab(const WindowContext &ctx);
    // The list of favourites on its tab sheet.
    void buildControls(QWidget &tabSheet, ItemPicturesSource *pictureSource);
    FavoritesList *list() const { return m_list; }
    // A click on a favourite shows it; a right click opens the context menu
    // prepared for the row; the first entry of the tab applies the list's
    // stored font and row height, which it follows from then on.
    void connectSignals(ControlCommands &commands);
    // Until then the list holds no stored values of its own.
    bool entered() const { return m_entered; }
    // The list joins the keys, the wheel and the drags.
    void joinRouters(const WindowRouters &routers);

    // All favourites, or the one of a row, into the recipe list.
    void FillLbPotionsFromFavorites(bool all, int index);
    void onClick();
    // The list's context menu and its rename and delete items, prepared
    // whenever it opens.
    void setMenu(QMenu *menu, const FavoritesMenuItems &items);
    // Rename and delete apply to a selected favourite only.
    void prepareMenu();
    void cmdFavoriteRename(QAction *item, int);
    void cmdFavoriteDelete(QAction *item, int);

  private:
    void applyStoredLooks();

    WindowContext m_ctx;
    FavoritesList *m_list = nullptr; // LBFavorites
    QMenu *m_menu = nullptr;
    FavoritesMenuItems m_items;
    int m_lastFavoriteIndex = 0; // LastFavoriteIndex: the favourite handled last
    bool m_entered = false;

    void enter();
};

} // namespace qor
