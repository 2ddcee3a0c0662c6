// The tool windows' lists join the main window's drags, keys, wheel and
// hints when each window is first made.

#include "main_window/ui/tool_window_lists.h"

#include "drag_drop/ui/drag_controller.h"
#include "favorites/ui/favorite_index_list.h"
#include "favorites/ui/form_favorites.h"
#include "favorites/ui/form_used_items.h"
#include "favorites/ui/used_items_list.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/key_router.h"
#include "input/ui/wheel_router.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/ui/chooser_combo.h"

#include <QComboBox>

namespace qor {

void joinToolWindowLists(ToolWindows &windows, const WindowRouters &routers, QObject *context) {
    QObject::connect(&windows, &ToolWindows::favoritesCreated, context, [routers](TFormFavorites *window) {
        for (FavoriteIndexList *list : {window->ListBoxFavoriteItems, window->ListBoxFavoriteEffects}) {
            const DragControl role = list == window->ListBoxFavoriteItems ? DragControl::FavoriteItems
                                                                          : DragControl::FavoriteEffects;
            routers.drag.addToolList(
                list, role, [list](int row) { return list->elementAt(row); },
                [list](int row) { list->setCurrentIndex(list->model()->index(row, 0)); });
            routers.wheel.watch(list, WheelRouter::Target::List);
            routers.hints.addList(
                list, [list](int row) { return list->rowText(row); },
                [list](int row) { return list->textIndent(row); });
        }
    });
    QObject::connect(&windows, &ToolWindows::usedItemsCreated, context, [routers](TFormUsedItems *window) {
        UsedItemsList *list = window->CLbUsedItems;
        routers.drag.addToolList(
            list, DragControl::UsedItems, [](int row) { return row + 1; },
            [window](int row) { window->selectItem(row + 1); });
        routers.keys.registerList(list, KeyListRole::AvailableItems);
        routers.wheel.watch(list, WheelRouter::Target::List);
        routers.hints.addList(
            list, [list](int row) { return list->rowText(row); },
            [list](int row) { return list->textIndent(row); });
        if (auto *chooser = qobject_cast<ChooserComboBox *>(window->ComboBoxUsedItemsFilter)) {
            routers.wheel.watch(chooser, WheelRouter::Target::Chooser);
            routers.hints.addChooser(chooser);
        }
    });
}

} // namespace qor
