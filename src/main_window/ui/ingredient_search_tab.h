#pragma once
// The search-from-ingredients tab of the main window: three ingredient
// choosers, each with a box that says whether it takes part. A change that
// matters evaluates the chosen combination into the recipe list.

#include "main_window/ui/window_context.h"

#include <array>

class QAction;
class QCheckBox;
class QWidget;

namespace qor {

class ChooserComboBox;
class ControlCommands;
class RecipeListRegion;
struct ControlsContext;
struct WindowRouters;

class IngredientSearchTab {
  public:
    // clearFirst: the check item that says whether a search replaces the
    // list rather than adding to it.
    IngredientSearchTab(const WindowContext &ctx, const RecipeListRegion &recipes, const QAction &clearFirst);
    void buildControls(QWidget &tabSheet, const ControlsContext &controls);
    // A chooser searches while its box is checked, a box while its chooser
    // holds an ingredient; the first entry of the page fills the choosers.
    void connectSignals(ControlCommands &commands);
    // The choosers and their boxes join the keys, the wheel and the drags.
    void joinRouters(const WindowRouters &routers);

    // Evaluates the chosen ingredients as one potion for the recipe list.
    void SearshFromItems();

  private:
    void enter();

    WindowContext m_ctx;
    const RecipeListRegion &m_recipes;
    const QAction &m_clearFirst;
    QWidget *m_page = nullptr;                     // TabSheetSearshFromItem
    std::array<ChooserComboBox *, 3> m_choosers{}; // CbIngredient1..3
    std::array<QCheckBox *, 3> m_boxes{};          // CBoxCanUseItem1..3
    bool m_entered = false;
};

} // namespace qor
