// The favourites tab: a click on a favourite shows it in the recipe list,
// and its context menu shows all, renames and deletes.

#include "main_window/ui/form_main.h"

#include "main_window/ui/recipe_list_region.h"

#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QMenu>

namespace qor {

void TFormMain::FillLbPotionsFromFavorites(bool all, int index) {
    ProgramState &st = *m_state;
    qor::FillLbPotionsFromFavorites(st.Settings.favorites, all, index, st.Data, st.Potions);
    m_recipes->showNewList(st.Potions.PotionCount() > 0 ? 0 : -1);
}

void TFormMain::onFavoritesClick() {
    const int row = LBFavorites->currentRow();
    // The item states follow every click (not only a change between no
    // selection and a selection), so F2 and Delete work after the first
    // click on row 0 as well.
    prepareFavoritesMenu();
    m_lastFavoriteIndex = row;
    FillLbPotionsFromFavorites(false, row);
}

void TFormMain::prepareFavoritesMenu() {
    const bool selected = LBFavorites->currentRow() >= 0 && m_state->Settings.favorites.potionCount() > 0;
    command("PMenuRenameFavoriteItem")->setEnabled(selected);
    command("PMenuDeleteFavoriteItem")->setEnabled(selected);
}

void TFormMain::cmdFavoriteRename(QAction *, int) {
    FavoritesModel &fav = m_state->Settings.favorites;
    const int row = LBFavorites->currentRow();
    if (row < 0 || row >= fav.potionCount())
        return;
    if (const auto text = m_dialogs.inputText(this, QStringLiteral("Название текущего зелья"),
                                              fav.FavPotionNames.value(row))) {
        fav.renamePotion(row, *text);
        LBFavorites->viewport()->update();
    }
}

void TFormMain::cmdFavoriteDelete(QAction *, int) {
    FavoritesModel &fav = m_state->Settings.favorites;
    const int row = LBFavorites->currentRow();
    if (row < 0 || row >= fav.potionCount())
        return;
    const int next = fav.deletePotion(row);
    {
        const QSignalBlocker blocker(LBFavorites);
        LBFavorites->resetRows();
        LBFavorites->setCurrentRow(next);
    }
    onFavoritesClick();
}

} // namespace qor
