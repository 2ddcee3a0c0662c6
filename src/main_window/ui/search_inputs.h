#pragma once
// The search-from-effects tab and the conditions it edits: each chooser and
// box writes its condition, the saved search slots restore them all; also the
// first entry of the favourites tab.

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

    explicit SearchInputs(const WindowContext &ctx);
    // Each chooser, check box and radio button writes its search condition;
    // the choosers grey while their line is off.
    void connectSignals(ControlCommands &commands);
    // The choosers and their check boxes join the keys,
    // the wheel and the drags.
    void joinRouters(const WindowRouters &routers);
    // The choosers' items from the loaded data: prices, filters, effects and
    // one placeholder per ingredient.
    void fillChoosers();

    // The first entry of a tab fills its controls.
    void enterTab(QWidget *tab);
    bool favoritesTabEntered() const { return m_enteredFavorites; }

    void cmdSearchSlot(QAction *item, int mode);

  private:
    // Writes one control's value into the conditions the session keeps.
    void changeConditions(const std::function<void(SearchConditions &)> &edit);
    void restoreSearchSlot(int slot);
    void setConditionControls(const SearchConditions &c);
    void applyFavoritesTabSettings();

    WindowContext m_ctx;
    FormControls &m_ui;
    bool m_enteredFavorites = false;
};

} // namespace qor
