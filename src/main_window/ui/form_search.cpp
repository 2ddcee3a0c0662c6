// The three searches as the window runs them (the core call plus the
// selection rule and the count panel), the recipe selection with the detail
// strip, and the header click.

#include "main_window/ui/form_main.h"

#include "main_window/ui/favorites_tab.h"
#include "main_window/ui/ingredient_search_tab.h"
#include "main_window/ui/search_inputs.h"

#include "main_window/ui/recipe_list_region.h"
#include "main_window/ui/reference_table_panel.h"

#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "visuals/ui/picture_ops.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

namespace qor {

void TFormMain::SearshFromEffects(bool force) {
    ProgramState &st = *m_state;
    if (st.Gate.searchesHeld())
        return;
    if (!force && !st.session.block().get(Setting.MenuCanQuickSearsh))
        return;
    const int selected = m_recipes->selectedRow();
    const bool clearFirst = m_items.clearBeforeSearch->isChecked();
    st.session.replaceRecipes([&](PotionList &list) {
        const EffectSearchOutcome outcome =
            st.Searcher.run(st.Data, st.Strengths, st.session.skills().PerkPurity, st.session.conditions(),
                            st.session.ingredientSets().ItemAvailable, clearFirst, list);
        const int count = list.PotionCount();
        int row = selected;
        if (clearFirst && count != outcome.countBefore)
            row = -1;
        if (row >= count)
            row = -1;
        if (row < 0 && count > 0)
            row = 0;
        return row;
    });
    st.LastSearchType = SearchType::FromEffects;
}

void TFormMain::AltMakePotion() {
    ProgramState &st = *m_state;
    st.session.makeAltPotion(st.Data, st.Strengths);
    st.LastSearchType = SearchType::AltMaking;
}

void TFormMain::FillLbPotionsFromFavorites(bool all, int index) {
    m_favorites->FillLbPotionsFromFavorites(all, index);
}

void TFormMain::StartSearshLastType() {
    switch (m_state->LastSearchType) {
    case SearchType::FromItems:
        m_ingredients->SearshFromItems();
        break;
    case SearchType::FromEffects:
        SearshFromEffects(false);
        break;
    case SearchType::AltMaking:
        AltMakePotion();
        break;
    case SearchType::None:
        break;
    }
}

} // namespace qor
