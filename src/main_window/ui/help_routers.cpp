#include "main_window/ui/help_routers.h"

#include "drag_drop/ui/drag_controller.h"
#include "help/ui/help_panel.h"
#include "input/ui/wheel_router.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace qor {

void joinHelpRouters(const HelpPanel &help, const WindowRouters &routers) {
    routers.wheel.watch(help.list(), WheelRouter::Target::List);
    routers.wheel.watch(help.memo(), WheelRouter::Target::HelpText);
    routers.drag.registerControl(help.list(), DragControl::None);
}

} // namespace qor
