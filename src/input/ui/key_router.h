#pragma once
// The window's keyboard: On_KeyDown for the lists and choosers of the main
// window, in its fixed order of steps (quick find, digit bookmarks,
// Left/Right, Shift/Ctrl arrows, Space, Ctrl+Tab, Escape, Insert/Delete).
// It watches the key presses of the controls registered with it; a key no
// step takes reaches the focused control unchanged. Qt's own type-ahead is
// switched off in those controls, so that typing means the same with a
// Latin or a Cyrillic layout.

#include "common/command_gate.h"
#include "input/bookmarks.h"
#include "input/chooser_keys.h"
#include "input/find_in_data.h"
#include "input/quick_find.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QCheckBox;
class QKeyEvent;
class QScrollBar;
class QTabWidget;
class QWidget;

namespace qor {

class ChooserComboBox;
class PotionListView;
class TickClock;

// What a registered list is to the keys.
enum class KeyListRole {
    Recipes,          // the recipe list: quick find, bookmarks, Ctrl+arrows move the top row
    Grid,             // the reference table: quick find in column GridFindCol, Escape
    AltEffects,       // quick find; Insert adds the effect
    AltItems,         // quick find; Insert adds the ingredient
    AltAmountItems,   // Delete removes the ingredient
    AltAmountEffects, // Delete removes the effect
    Favorites,        // Ctrl+arrows move the top row
    AvailableItems,   // row r shows ingredient r + 1: quick find, Ctrl+arrows
};

// What the keys need from the window besides the controls: the state they
// read, and the commands they start.
class KeyRouterHost {
  public:
    virtual ~KeyRouterHost() = default;
    // Not ready while the window is being made or closed: no key is taken.
    // The keys hold the commands while they change a control whose own
    // command must not run, and the searches while they move several
    // choosers, so that only the last one searches.
    virtual CommandGate &gate() = 0;
    virtual QuickFindOptions quickFindOptions(FindKind kind) const = 0;
    // The texts quick find compares, and how many entries a list of that kind has.
    virtual FindTexts findTexts(FindKind kind) const = 0;
    virtual int entryCount(FindKind kind) const = 0;
    virtual int gridFindColumn() const = 0;
    virtual void runCommand(QObject *sender) = 0;  // On_Click with a sender
    virtual void doubleClick(QObject *sender) = 0; // On_DblClick with a sender
    virtual void repeatLastSearch() = 0;           // StartSearshLastType
    virtual bool closeFullScreen() = 0;            // false: no full-screen window open
};

class KeyRouter : public QObject {
    Q_OBJECT
  public:
    KeyRouter(KeyRouterHost &host, TickClock &clock, QObject *parent);

    // A chooser of the window; toggle is the check box that Space toggles
    // (nullptr: none). The chooser's own drop-down list finds as well.
    void registerChooser(ChooserComboBox *chooser, ChooserRef ref, QCheckBox *toggle);
    // chosen runs when quick find or a bookmark chooses an entry; without it
    // the host's runCommand does.
    void registerList(QAbstractItemView *list, KeyListRole role, std::function<void()> chosen = {});
    // The recipe list and its horizontal bar (Left/Right scroll it).
    void registerRecipeList(PotionListView *list, QScrollBar *horizontalBar, std::function<void()> chosen);
    // Ctrl+Tab turns pages; watches the window for the keys no control took.
    // inner tab widgets must not turn their own pages on Ctrl+Tab.
    void registerPages(QWidget *window, QTabWidget *pages, QTabWidget *inner);

    // The key handling of one sender; true when the key is swallowed.
    // key is the key code of the physical key (findKeyOfEvent).
    bool On_KeyDown(QObject *sender, int key, KeyModifiers modifiers);

    const FindBuffer &findBuffer() const { return m_buffer; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct FindTarget;
    struct ChooserEntry {
        ChooserComboBox *chooser = nullptr;
        ChooserRef ref;
        QPointer<QCheckBox> toggle;
    };
    FindTarget findTargetOf(QObject *sender) const;
    bool quickFind(QObject *sender, int key, KeyModifiers modifiers);
    bool bookmark(QObject *sender, int digit, KeyModifiers modifiers);
    bool leftRight(QObject *sender, int key, KeyModifiers modifiers);
    bool upDown(QObject *sender, int key, KeyModifiers modifiers);
    bool space(QObject *sender);
    void nextTab(bool back);
    bool insertDelete(QObject *sender, int key);

    bool isList(const QObject *sender, KeyListRole role) const;
    void selectEntry(QObject *sender, int index, bool runCommand);
    // The command of an entry chosen in sender: its list's own, or the host's.
    void entryChosen(QObject *sender);
    ChooserComboBox *chooser(ChooserRef ref) const;
    void carryOut(ChooserRef from, const ChooserKeyOutcome &outcome);
    void moveTo(ChooserComboBox *target, bool locked);

    KeyRouterHost &m_host;
    TickClock &m_clock;
    QHash<const QObject *, KeyListRole> m_lists;
    QHash<const QObject *, std::function<void()>> m_listChosen;
    QHash<const QObject *, ChooserEntry> m_choosers;
    QHash<const QObject *, ChooserComboBox *> m_dropDowns; // drop-down list -> its chooser
    QPointer<QScrollBar> m_recipeBar;
    QPointer<QTabWidget> m_pages;
    QPointer<QTabWidget> m_inner;
    FindBuffer m_buffer;
    Bookmarks m_bookmarks;
};

// The key code quick find and the bookmarks work with for a key event: the
// US key at the physical place on X11 and Wayland, else the event's key.
int physicalKeyOf(const QKeyEvent &event);
KeyModifiers keyModifiersOf(Qt::KeyboardModifiers modifiers);

} // namespace qor
