#pragma once
// What the user edits in the main window, owned in one place and announced
// when it changes: the skills, the search conditions, the recipe list, the
// alternative making, the reference table's order and marks, the
// favourites, the ingredient sets and the rest of Main.ini. Views and the
// window connect to the signals; whoever changes a part only changes it, and
// every view that shows it follows.

#include "engine/alt_making.h"
#include "engine/potion_list.h"
#include "engine/search_conditions.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_list_ops.h"
#include "reference_table/grid_model.h"
#include "settings/settings_store.h"

#include <QObject>

#include <utility>
#include <vector>

namespace qor {

// The parts of the search conditions a search from effects reads: an effect
// line that is off, an effect a filter overrides, a required ingredient that
// is off or empty and a price range that is not checked all read as nothing.
SearchConditions searchRelevantPart(const SearchConditions &conditions);

// Main.ini's edits and signals (settingChanged, favoritesChanged,
// ingredientSetsChanged, availableItemsChanged) come from SettingsStore and
// FavoritesStore, which the views below the session see.
class Session : public SettingsStore {
    Q_OBJECT
  public:
    explicit Session(QObject *parent = nullptr) : SettingsStore(parent) {}

    const SkillSettings &skills() const { return m_skills; }
    // Announces skillsChanged when anything differs.
    void setSkills(const SkillSettings &skills);

    const SearchConditions &conditions() const { return m_conditions; }
    // Announces conditionsChanged when anything differs, and searchNeeded
    // when the search would see the difference or forceSearch is set.
    void setConditions(const SearchConditions &conditions, bool forceSearch = false);

    const PotionList &recipes() const { return m_recipes; }
    // A new list (a search, a fill from the favourites): fill gets the list
    // and returns the row to select, -1 for none.
    template <class Fill> void replaceRecipes(Fill &&fill) {
        const int row = std::forward<Fill>(fill)(m_recipes);
        Q_EMIT recipesReplaced(row);
    }
    // A change of the list shown (a deletion, a move): change gets the list
    // and returns a ListChange; announced only when something changed.
    template <class Change> void changeRecipes(Change &&change) {
        const ListChange result = std::forward<Change>(change)(m_recipes);
        if (result.changed)
            Q_EMIT recipesRearranged(result.selectedRow);
    }

    // Main.ini's sort column, before any list is shown.
    void setRecipeSortCode(std::int32_t code) { m_recipes.PotionSortCode = code; }
    // The recipe the detail lists show (a copy of the selected row, or none).
    void setCurrentRecipe(const TPotionRec &recipe);
    // A click on the list's header: sorts by the section's column, or turns
    // the order round; announced (recipesSorted) when the rows moved.
    bool sortRecipes(int section);

    const AltMaking &alt() const { return m_alt; }
    const AltSelection &altSelection() const { return m_altSel; }
    // A change of the chosen effects or ingredients: edit gets the making,
    // its selection and the recipe list and returns whether the choice
    // changed; announced (altChanged) only then.
    template <class Edit> bool editAlt(Edit &&edit) {
        const bool changed = std::forward<Edit>(edit)(m_alt, m_altSel, m_recipes);
        if (changed)
            Q_EMIT altChanged();
        return changed;
    }
    // The first visit of the alternative-making page: candidates rebuilt, the
    // selected one kept where it can be.
    void prepareAltPage(const GameData &data);
    // The potion of the chosen effects and ingredients appended to the list
    // and selected; the lists of the making shown anew.
    void makeAltPotion(const GameData &data, const EffectStrengths &strengths);

    const GridState &grid() const { return m_grid; }
    // The reference table's rows, sort, find column or markers: edit gets
    // them and returns what it likes; gridOrderChanged when the rows' order
    // or the sort differs afterwards, gridMarksChanged when the find column
    // or a marker does.
    template <class Edit> decltype(auto) editGrid(Edit &&edit) {
        const GridState before = m_grid;
        struct Announce {
            Session &session;
            const GridState &before;
            ~Announce() { session.announceGrid(before); }
        } announce{*this, before};
        return std::forward<Edit>(edit)(m_grid);
    }

    // The highlight marks of ingredients and effects (kept in the data's
    // records, painted in the recipe list): edit gets the data;
    // elementMarksChanged when a mark or its colour differs afterwards.
    template <class Edit> void editElementMarks(GameData &data, Edit &&edit) {
        const std::vector<ElementMark> before = elementMarksOf(data);
        std::forward<Edit>(edit)(data);
        if (elementMarksOf(data) != before)
            Q_EMIT elementMarksChanged();
    }

  Q_SIGNALS:
    void skillsChanged();
    void conditionsChanged();
    // A search from effects would now find something else (or is asked for
    // regardless: force).
    void searchNeeded(bool force);
    // The list was replaced; row is the row to select (-1 none).
    void recipesReplaced(int row);
    // The list was edited in place; row is the new selected row, the top
    // row of the view stays.
    void recipesRearranged(int row);
    void recipesSorted();
    void currentRecipeChanged();
    void altChanged();
    void altListsChanged();
    void gridOrderChanged();
    void gridMarksChanged();
    void elementMarksChanged();

  private:
    struct ElementMark {
        bool marked = false;
        ColorCode color = 0;
        friend bool operator==(const ElementMark &, const ElementMark &) = default;
    };
    // Every ingredient's mark, then every effect's.
    static std::vector<ElementMark> elementMarksOf(const GameData &data);

    void announceGrid(const GridState &before);

    SkillSettings m_skills;
    SearchConditions m_conditions;
    PotionList m_recipes;
    AltMaking m_alt;
    AltSelection m_altSel;
    GridState m_grid;
};

} // namespace qor
