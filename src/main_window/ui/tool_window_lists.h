#pragma once
// The tool windows' lists join the main window's drags, keys, wheel and
// hints when each window is first made.

#include "main_window/ui/window_routers.h"

class QObject;

namespace qor {

class ToolWindows;

// The routers must outlive the tool windows' signals (context's lifetime).
void joinToolWindowLists(ToolWindows &windows, const WindowRouters &routers, QObject *context);

} // namespace qor
