#pragma once
// The tool windows' lists join the main window's drags, keys, wheel and
// hints when each window is first made.

class QObject;

namespace qor {

class CellHints;
class DragController;
class KeyRouter;
class ToolWindows;
class WheelRouter;

struct ToolListRouters {
    DragController &drag;
    KeyRouter &keys;
    WheelRouter &wheel;
    CellHints &hints;
};

// The routers must outlive the tool windows' signals (context's lifetime).
void joinToolWindowLists(ToolWindows &windows, const ToolListRouters &routers, QObject *context);

} // namespace qor
