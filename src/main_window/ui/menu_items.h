#pragma once
// The menu items the window hands to its parts: a part enables, checks or
// words the items of its context menu, and reads the check items that have
// no Main.ini flag. A command row names the member its item fills, so that
// nobody looks an item up by name.

#include <array>

class QAction;

namespace qor {

// The reference table's context menu.
struct GridMenuItems {
    std::array<QAction *, 4> markers{};
    QAction *highlightHarmful = nullptr;
    QAction *highlightBeneficial = nullptr;
    QAction *setAllMarkers = nullptr;
    QAction *countItems = nullptr;
};

// The recipe list's context menu, worded for the cell under the last press.
struct RecipeMenuItems {
    // Those that need a selected recipe.
    std::array<QAction *, 4> recipeCommands{};
    QAction *disableItem = nullptr;
    QAction *markItem = nullptr;
    QAction *markEffect = nullptr;
    QAction *countElement = nullptr;
    QAction *deleteWithElement = nullptr;
};

// The favourites' context menu: both apply to a selected favourite only.
struct FavoritesMenuItems {
    QAction *rename = nullptr;
    QAction *remove = nullptr;
};

// The two full-screen modes, checked while their window is up.
struct FullScreenItems {
    QAction *recipeList = nullptr;
    QAction *grid = nullptr;
};

// The looks that only the menu keeps (no Main.ini line).
struct LookItems {
    const QAction *frameCells = nullptr; // frame the lit cell of the recipe list
    const QAction *flyPicture = nullptr; // the picture panel's background shows through
};

struct MenuItems {
    GridMenuItems grid;
    RecipeMenuItems recipes;
    FavoritesMenuItems favorites;
    FullScreenItems fullScreen;
    LookItems looks;
    const QAction *clearBeforeSearch = nullptr; // a search replaces the list instead of adding to it
    QAction *startSearch = nullptr;             // enabled while quick search is off
    std::array<QAction *, 2> exits{};           // with and without saving
};

// The member a row's item fills.
using MenuItemSlot = void (*)(MenuItems &items, QAction *item);

} // namespace qor
