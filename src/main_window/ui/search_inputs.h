#pragma once
// The search-from-effects tab and the conditions it edits: each chooser and
// box writes its condition, the saved search slots restore them all.

#include "main_window/ui/window_context.h"

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QTabWidget;
class QToolButton;
class QWidget;

namespace qor {

class ChooserComboBox;
class ControlCommands;
struct ControlsContext;
struct SearchConditions;
struct WindowRouters;

class SearchInputs {
  public:
    // The search-slot commands: the row argument of cmdSearchSlot.
    static constexpr int kSaveQuickSlot = 0;
    static constexpr int kRestoreQuickSlot = 1;
    static constexpr int kSaveNumberedSlot = 2;
    static constexpr int kRestoreNumberedSlot = 3;

    // The tab's controls, named as the window description names them.
    struct Controls {
        QWidget *Panel5 = nullptr;
        std::array<ChooserComboBox *, 5> CbEffect{};
        std::array<QCheckBox *, 5> CBoxEnableEff{};
        std::array<ChooserComboBox *, 5> CbFilter{};
        QTabWidget *PageControlSearshOpt = nullptr;
        QWidget *TabSheet4 = nullptr;
        QGroupBox *RadioGroupItemsCount = nullptr;
        QButtonGroup *RadioGroupButtons = nullptr;
        QCheckBox *CBoxNeedCheckCost = nullptr;
        ChooserComboBox *ComboBoxCost_Min = nullptr;
        ChooserComboBox *ComboBoxCost_Max = nullptr;
        QToolButton *ButtFormFavorites = nullptr;
        QToolButton *ButtFormUsedItems = nullptr;
        std::array<QCheckBox *, 2> CheckBoxCanPrimaryItem{};
        std::array<ChooserComboBox *, 2> CbPrioriryIngredient{};
    };

    explicit SearchInputs(const WindowContext &ctx);
    // The effect rows and the options page on their tab sheet (TabSheet1),
    // kept from overlapping on narrow windows by a SearchTabFitter.
    void buildControls(QWidget &tabSheet, const ControlsContext &controls);
    const Controls &controls() const { return m_controls; }
    // Each chooser, check box and radio button writes its search condition;
    // the choosers grey while their line is off.
    void connectSignals(ControlCommands &commands);
    // The choosers and their check boxes join the keys,
    // the wheel and the drags.
    void joinRouters(const WindowRouters &routers);
    // The choosers' items from the loaded data: prices, filters, effects and
    // one placeholder per ingredient.
    void fillChoosers();

    void cmdSearchSlot(QAction *item, int mode);

  private:
    // Writes one control's value into the conditions the session keeps.
    void changeConditions(const std::function<void(SearchConditions &)> &edit);
    void restoreSearchSlot(int slot);
    void setConditionControls(const SearchConditions &c);

    WindowContext m_ctx;
    Controls m_controls;
};

} // namespace qor
