#pragma once
// What the parts of the main window share: the window itself (parent of the
// dialogs, owner of the main font), the program state, the dialogs, the
// colours, the pictures and the menu items by name. A part's widgets are its
// own; what it needs of another part it gets as an argument.

#include <functional>

class QAction;
class QMainWindow;

namespace qor {

class DialogProvider;
class ItemPictures;
struct ProgramState;
struct ViewColors;

struct WindowContext {
    QMainWindow &window;
    ProgramState &state;
    DialogProvider &dialogs;
    ViewColors &colors;
    ItemPictures &pictures;
    // A menu item by object name; a name no command row has is a
    // programming error.
    std::function<QAction *(const char *)> command;
};

} // namespace qor
