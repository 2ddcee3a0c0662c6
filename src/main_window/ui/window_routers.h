#pragma once
// The routers the window's parts register their controls with: drags, keys,
// wheel and cell hints cross the parts, each control joins with its role.

namespace qor {

class CellHints;
class DragController;
class KeyRouter;
class WheelRouter;

struct WindowRouters {
    DragController &drag;
    KeyRouter &keys;
    WheelRouter &wheel;
    CellHints &hints;
};

} // namespace qor
