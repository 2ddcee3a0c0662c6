#pragma once
// What the parts of the main window share: the window itself (parent of the
// dialogs, owner of the main font), its controls, the program state, the
// dialogs, the colours and the pictures.

class QMainWindow;

namespace qor {

class DialogProvider;
class ItemPictures;
struct FormControls;
struct ProgramState;
struct ViewColors;

struct WindowContext {
    QMainWindow &window;
    FormControls &ui;
    ProgramState &state;
    DialogProvider &dialogs;
    ViewColors &colors;
    ItemPictures &pictures;
};

} // namespace qor
