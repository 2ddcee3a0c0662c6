#pragma once
// The window's keyboard: On_KeyDown for the lists and choosers of the main
// window, in its fixed order of steps (quick find, digit bookmarks,
// Left/Right, Shift/Ctrl arrows, Space, Ctrl+Tab, Escape, Insert/Delete).
// It watches the controls' key presses; a key no step takes reaches the
// focused control unchanged. Qt's own type-ahead is switched off in those
// controls, so that typing means the same with a Latin or a Cyrillic layout.

#include "input/bookmarks.h"
#include "input/chooser_keys.h"
#include "input/find_in_data.h"
#include "input/quick_find.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QAction;
class QKeyEvent;
class QWidget;

namespace qor {

class ChooserComboBox;
class TickClock;
struct FormControls;
struct ProgramState;

// What the key handling needs from the window besides its controls.
struct KeyRouterHooks {
    std::function<void(QObject *)> runCommand;  // On_Click with a sender
    std::function<void(QObject *)> doubleClick; // On_DblClick with a sender
    std::function<void()> repeatLastSearch;     // StartSearshLastType
    std::function<bool()> closeFullScreen;      // false: no full-screen window open
    std::function<int()> potionFindCol;         // PotionFindCol
};

class KeyRouter : public QObject {
    Q_OBJECT
  public:
    KeyRouter(ProgramState &state, const FormControls &controls, TickClock &clock,
              const QAction *startWithCurrent, KeyRouterHooks hooks, QObject *parent);

    // Watches the controls' keys and switches off their own type-ahead.
    void attach(QWidget *mainWindow);
    // The list of the available-ingredient window (row r shows ingredient
    // r + 1) joins quick find and the Ctrl+Up/Down scroll here.
    void addAvailableItemsList(QAbstractItemView *list);

    // The key handling of one sender; true when the key is swallowed.
    // key is the key code of the physical key (findKeyOfEvent).
    bool On_KeyDown(QObject *sender, int key, KeyModifiers modifiers);

    const FindBuffer &findBuffer() const { return m_buffer; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct FindTarget;
    FindTarget findTargetOf(QObject *sender) const;
    bool quickFind(QObject *sender, int key, KeyModifiers modifiers);
    bool bookmark(QObject *sender, int digit, KeyModifiers modifiers);
    bool leftRight(QObject *sender, int key, KeyModifiers modifiers);
    bool upDown(QObject *sender, int key, KeyModifiers modifiers);
    bool space(QObject *sender);
    void nextTab(bool back);
    bool insertDelete(QObject *sender, int key);

    void selectEntry(QObject *sender, int index, bool runCommand);
    ChooserComboBox *chooser(ChooserRef ref) const;
    void carryOut(ChooserRef from, const ChooserKeyOutcome &outcome);
    void moveTo(ChooserComboBox *target, bool locked);

    ProgramState &m_state;
    const FormControls &m_ui;
    TickClock &m_clock;
    const QAction *m_startWithCurrent;
    KeyRouterHooks m_hooks;
    QPointer<QAbstractItemView> m_availableList;
    QHash<const QObject *, ChooserComboBox *> m_dropDowns; // drop-down list -> its chooser
    FindBuffer m_buffer;
    Bookmarks m_bookmarks;
};

// The key code quick find and the bookmarks work with for a key event: the
// US key at the physical place on X11 and Wayland, else the event's key.
int physicalKeyOf(const QKeyEvent &event);
KeyModifiers keyModifiersOf(Qt::KeyboardModifiers modifiers);

} // namespace qor
