#pragma once
// One row per item of the main menu and the context menus: where it goes,
// its object name, caption, shortcut, check state, the Main.ini flag that
// is that state, the handler the dispatcher calls and the member of
// MenuItems it fills for the part that needs the item. The menus are built
// from the rows, so a new command is one row plus its handler.

#include "main_window/ui/menu_items.h"
#include "settings/setting_table.h"

#include <QKeyCombination>

#include <cstdint>
#include <span>

class QAction;

namespace qor {

class TFormMain;

// The menus and submenus, in the order the rows create them.
enum class MenuId : std::uint8_t {
    None, // a row of kind Menu with this parent is a context menu
    Bar,  // the window's menu bar
    File,
    View,
    ViewRecipes,
    ViewTable,
    ViewEffects,
    ViewDrag,
    ViewMisc,
    Find,
    Fonts,
    Colors,
    Search,
    Other,
    PopupLB,
    PopupLBMisc,
    PopupFavorites,
    PopupGrid,
    PopupLocal,
    Count
};

// The font a font command changes.
enum class FontTarget : std::uint8_t {
    RecipeList,
    Grid,
    EffectInfo,
    Favorites,
    MainForm,
    LocalMenuControl,
    DropDown,
    AltLists
};

// A handler gets the item and the row's argument (a settings line, a marker
// number, a font target...), so that related items share one handler. A
// command of a line or two is a captureless lambda in its row instead.
using CommandHandler = void (TFormMain::*)(QAction *item, int arg);
using CommandCall = void (*)(TFormMain &form, QAction *item, int arg);

struct MenuCommand {
    enum class Kind : std::uint8_t { Item, Separator, Menu };
    // Items whose command comes with a later version stand disabled;
    // CheckOnly items are enabled and their flag (or, without a Main.ini
    // line, the item's check state) is read where used.
    enum class State : std::uint8_t { Built, CheckOnly, NotBuilt };
    enum class Check : std::uint8_t { None, Off, On };

    Kind kind = Kind::Item;
    MenuId menu = MenuId::None; // the menu the row goes into
    const char *name = nullptr; // object name (Menu rows: of context menus only)
    const char *caption = nullptr;
    QKeyCombination shortcut = QKeyCombination(Qt::Key_unknown);
    Check check = Check::None;
    State state = State::Built;
    CommandHandler run = nullptr;
    CommandCall call = nullptr; // instead of run
    int arg = 0;
    // The Main.ini flag the check state shows and a toggle writes (line 0:
    // none, the item keeps its own state).
    FlagKey setting{};
    MenuId opens = MenuId::None; // Menu rows: the menu they create
    MenuItemSlot fills = nullptr;

    bool hasShortcut() const { return shortcut.key() != Qt::Key_unknown; }
    bool checkable() const { return check != Check::None; }
    bool enabled() const { return state != State::NotBuilt; }
    bool hasHandler() const { return run != nullptr || call != nullptr; }
};

} // namespace qor
