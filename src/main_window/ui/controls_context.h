#pragma once
// What a part needs from the window to build its controls, and the chooser
// every part makes the same way.

class QMainWindow;
class QString;
class QWidget;

namespace qor {

class ChooserComboBox;
class DialogProvider;
class ItemPictures;
class ItemPicturesSource;
struct ProgramState;
struct ViewColors;

// What creating the controls needs from the window: the views read the
// program state, the colours and the pictures by reference.
struct ControlsContext {
    QMainWindow &window;
    ProgramState &state;
    ViewColors &colors;
    const ItemPictures &pictures;
    ItemPicturesSource *pictureSource;
    DialogProvider &dialogs;
};

// A chooser of the given kind and fixed width (0: free) in the program's
// chooser font.
ChooserComboBox *makeChooser(const ControlsContext &ctx, QWidget *parent, const QString &name, int width,
                             int kind);

} // namespace qor
