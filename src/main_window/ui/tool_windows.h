#pragma once
// The two tool windows of the main window, the favourites window and the
// window of the ingredients at hand: created when first shown, then only
// hidden and shown as their Main.ini flags say (a window closed by the user
// clears its flag, and the menu's check follows the flag); their saved
// state applied at creation and collected for Main.ini; and the view
// commands that reach into them. The main window talks to them only here.

#include "favorites/ui/tool_window.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QComboBox;

namespace qor {

struct MainSettings;
class PictureSource;
struct ProgramState;
class TFormFavorites;
class TFormUsedItems;
struct ViewColors;
struct WindowBounds;

// What the tool windows need of the main window.
struct ToolWindowHooks {
    QWidget *owner = nullptr;  // the main window
    ToolWindowPrompts prompts; // the main window's dialogs
    std::function<QComboBox *(QWidget *)> makeChooser;
    std::function<void(QWidget *window)> comboBoxMode; // SetComboBoxMode
};

// The rectangle of a saved tool window on a screen of that size: the saved
// one, or the centred one when it does not fit. The centred one is moved
// sideways off `other` (the tool window already open, if any), as far as the
// screen allows, so that one window does not hide the other.
QRect toolWindowRect(const WindowBounds &saved, const QSize &screen, const QRect &other = QRect());

class ToolWindows : public QObject {
    Q_OBJECT
  public:
    // Owned by the main window, which deletes it before its program state.
    ToolWindows(ProgramState &state, const ViewColors &colors, const PictureSource *pictures,
                ToolWindowHooks hooks);
    ~ToolWindows() override;

    // The first show of the main window: the windows open at the last exit
    // open again. Once start-up is complete, each window follows its flag.
    void reopen();

    // View commands reaching the windows.
    void SetSplittersHeight(int thickness);
    void applyComboBoxMode();
    void mainFontChanged(const QFont &font);
    void promptUsedItemsRowHeight(QAction *item);
    void promptUsedItemsFont();

    // The windows' state into the settings; a window never opened in this
    // run leaves the values read at start-up.
    void collect(MainSettings &settings) const;

    // nullptr until first shown.
    TFormFavorites *favorites() const;
    TFormUsedItems *usedItems() const;

  Q_SIGNALS:
    // A window was just created (once per run), for the handlers that join
    // its lists (keys, drops).
    void favoritesCreated(TFormFavorites *window);
    void usedItemsCreated(TFormUsedItems *window);

  private:
    // Shows (creating on first use) or hides a window.
    void showFavorites(bool on);
    void showUsedItems(bool on);
    void followFlag(int line);
    void createFavorites();
    void createUsedItems();
    QSize screenSize() const;

    ProgramState &m_state;
    const ViewColors &m_colors;
    const PictureSource *m_pictures;
    ToolWindowHooks m_hooks;
    QPointer<TFormFavorites> m_favorites;
    QPointer<TFormUsedItems> m_usedItems;
};

} // namespace qor
