#pragma once
// The input tabs of the main window and the program state they edit: the
// search conditions and the skills as their controls change them, the first
// entry of a tab, the alternative-making lists and the saved search slots.

#include "main_window/ui/window_context.h"

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace qor {

class ControlCommands;
struct SearchConditions;
struct WindowRouters;

class SearchInputs {
  public:
    // The search-slot commands: the row argument of cmdSearchSlot.
    static constexpr int kSaveQuickSlot = 0;
    static constexpr int kRestoreQuickSlot = 1;
    static constexpr int kSaveNumberedSlot = 2;
    static constexpr int kRestoreNumberedSlot = 3;

    // The window's shared handlers the controls report to.
    struct Dispatch {
        std::function<void(QObject *sender)> click;
    };

    explicit SearchInputs(const WindowContext &ctx);
    // The choosers, check boxes, edits and lists of the input tabs report
    // to the dispatch; the choosers grey while their line is off.
    void connectSignals(Dispatch dispatch, ControlCommands &commands);
    // The choosers, check boxes and alternative-making lists join the keys,
    // the wheel and the drags.
    void joinRouters(const WindowRouters &routers);
    // The choosers' items from the loaded data: prices, filters, effects and
    // one placeholder per ingredient.
    void fillChoosers();

    // A chooser, check box or radio group of the effect search changed.
    void onConditionChanged(QObject *sender);
    // The first entry of a tab fills its controls.
    void enterTab(QWidget *tab);
    bool favoritesTabEntered() const { return m_enteredFavorites; }

    void cmdSearchSlot(QAction *item, int mode);

  private:
    void restoreSearchSlot(int slot);
    void setConditionControls(const SearchConditions &c);
    void applyFavoritesTabSettings();

    WindowContext m_ctx;
    FormControls &m_ui;
    Dispatch m_dispatch;
    bool m_enteredFavorites = false;
};

} // namespace qor
