#pragma once
// The favourites tab of the main window: a click on a favourite shows it in
// the recipe list, and its context menu shows all, renames and deletes.

#include "main_window/ui/window_context.h"

#include <functional>

class QAction;

namespace qor {

struct WindowRouters;

class FavoritesTab {
  public:
    explicit FavoritesTab(const WindowContext &ctx);
    // A click on a favourite reports to clicked; a right click opens the
    // context menu prepared for the row.
    void connectSignals(std::function<void()> clicked);
    // The list joins the keys, the wheel and the drags.
    void joinRouters(const WindowRouters &routers);

    // All favourites, or the one of a row, into the recipe list.
    void FillLbPotionsFromFavorites(bool all, int index);
    void onClick();
    // Rename and delete apply to a selected favourite only.
    void prepareMenu();
    void cmdFavoriteRename(QAction *item, int);
    void cmdFavoriteDelete(QAction *item, int);

  private:
    WindowContext m_ctx;
    FormControls &m_ui;
    int m_lastFavoriteIndex = 0; // LastFavoriteIndex: the favourite handled last
};

} // namespace qor
