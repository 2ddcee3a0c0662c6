#pragma once
// The help page's controls join the window's wheel and drags. The page sits
// below the routers, so the window makes the join for it.

#include "main_window/ui/window_routers.h"

namespace qor {

class HelpPanel;

// The wheel scrolls the titles and the text; no drag starts on a title.
void joinHelpRouters(const HelpPanel &help, const WindowRouters &routers);

} // namespace qor
