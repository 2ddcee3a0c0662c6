#include "main_window/ui/help_routers.h"

#include "drag_drop/ui/drag_controller.h"
#include "help/ui/help_panel.h"
#include "hints/ui/cell_hints.h"
#include "input/ui/wheel_router.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace qor {

void joinHelpRouters(const HelpPanel &help, const WindowRouters &routers) {
    routers.wheel.watch(help.list(), WheelRouter::Target::List);
    routers.wheel.watch(help.memo(), WheelRouter::Target::HelpText);
    routers.drag.registerControl(help.list(), DragControl::None);
    QListWidget *list = help.list();
    routers.hints.addList(list, [list](int row) {
        const QListWidgetItem *item = list->item(row);
        return item ? item->text() : QString();
    });
}

} // namespace qor
