#pragma once
// What the parts of the main window share: the window itself (parent of the
// dialogs, owner of the main font), the program state, the dialogs, the
// colours and the pictures. A part's widgets are its own; what it needs of
// another part, menu items included, it gets as a typed argument.

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
};

} // namespace qor
