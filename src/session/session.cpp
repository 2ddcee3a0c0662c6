#include "session/session.h"

#include <algorithm>
#include <tuple>

namespace qor {

namespace {

auto skillFields(const SkillSettings &s) {
    return std::tie(s.AlchemySkill, s.AlchemyFortify, s.AlchemistRanks, s.PerkPhysician, s.PerkBenefactor,
                    s.PerkPoisoner, s.PerkPurity);
}

auto gridOrder(const GridState &g) {
    return std::tie(g.GridRowOrder, g.GridSortCode);
}

bool sameMarks(const GridState &a, const GridState &b) {
    return a.GridFindCol == b.GridFindCol &&
           std::equal(
               a.GridMarkers.begin(), a.GridMarkers.end(), b.GridMarkers.begin(),
               [](const GridMarker &x, const GridMarker &y) { return x.on == y.on && x.effect == y.effect; });
}

} // namespace

SearchConditions searchRelevantPart(const SearchConditions &c) {
    SearchConditions part = c;
    for (int k = 0; k < kEffectLines; ++k) {
        const auto line = static_cast<std::size_t>(k);
        if (!part.EffectEnabled[line]) {
            part.FilterCode[line] = 0;
            part.WantedEffect[line] = 0;
        } else if (part.FilterCode[line] > 0) {
            part.WantedEffect[line] = 0;
        }
        // An enabled line with neither an effect nor a filter asks nothing.
        part.EffectEnabled[line] = part.FilterCode[line] > 0 || part.WantedEffect[line] > 0;
    }
    if (!part.RequiredItem1Enabled || part.RequiredItem1 <= 0) {
        part.RequiredItem1Enabled = false;
        part.RequiredItem1 = 0;
    }
    if (!part.RequiredItem2Enabled || part.RequiredItem2 <= 0) {
        part.RequiredItem2Enabled = false;
        part.RequiredItem2 = 0;
    }
    if (!part.CheckCost) {
        part.CostMinIndex = 0;
        part.CostMaxIndex = 0;
    }
    return part;
}

void Session::setSkills(const SkillSettings &skills) {
    if (skillFields(skills) == skillFields(m_skills))
        return;
    m_skills = skills;
    Q_EMIT skillsChanged();
}

void Session::setConditions(const SearchConditions &conditions, bool forceSearch) {
    const bool searchSeesIt = searchRelevantPart(conditions) != searchRelevantPart(m_conditions);
    if (conditions != m_conditions) {
        m_conditions = conditions;
        Q_EMIT conditionsChanged();
    }
    if (searchSeesIt || forceSearch)
        Q_EMIT searchNeeded(forceSearch);
}

void Session::setCurrentRecipe(const TPotionRec &recipe) {
    m_recipes.CurPotion = recipe;
    Q_EMIT currentRecipeChanged();
}

bool Session::sortRecipes(int section) {
    const bool sorted = HeaderSectionClick(m_recipes, section);
    if (sorted)
        Q_EMIT recipesSorted();
    return sorted;
}

void Session::prepareAltPage(const GameData &data) {
    m_altSel.candidates = m_alt.preparePage(data, m_altSel.candidates);
}

void Session::makeAltPotion(const GameData &data, const EffectStrengths &strengths) {
    replaceRecipes([&](PotionList &list) {
        m_alt.AltMakePotion(data, strengths, m_skills.PerkPurity, list);
        return list.PotionCount() - 1;
    });
    Q_EMIT altListsChanged();
}

std::vector<Session::ElementMark> Session::elementMarksOf(const GameData &data) {
    std::vector<ElementMark> marks;
    marks.reserve(data.ItemTable.size() + data.EffectTable.size());
    for (const TItemRec &item : data.ItemTable)
        marks.push_back({item.Marked, item.MarkerColor});
    for (const TEffectRec &effect : data.EffectTable)
        marks.push_back({effect.Marked, effect.MarkerColor});
    return marks;
}

void Session::announceGrid(const GridState &before) {
    if (gridOrder(before) != gridOrder(m_grid))
        Q_EMIT gridOrderChanged();
    if (!sameMarks(before, m_grid))
        Q_EMIT gridMarksChanged();
}

} // namespace qor
