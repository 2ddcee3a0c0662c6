#include "session/find_texts.h"

#include "recipe_list/potion_cells.h"
#include "reference_table/grid_model.h"

namespace qor {

namespace {

QString nameAt(const QStringList &names, int index) {
    return names.value(index);
}

} // namespace

FindTexts findTextsOf(const ProgramState &state, FindKind kind, int potionFindCol) {
    const GameData &data = state.Data;
    switch (kind) {
    case FindKind::Ingredients:
        return FindTexts(data.ItemNamesUp, data.itemRecordCount());
    case FindKind::Effects:
        return FindTexts(data.EffectNamesUp, data.effectRecordCount());
    case FindKind::Filters:
        return FindTexts(int(data.FilterList.size()),
                         [&data](int i) { return data.FilterList[i].toUpper(); });
    case FindKind::GridRows:
        return FindTexts(state.session.grid().rowCount(), [&state](int row) {
            const GridState &grid = state.session.grid();
            return GetGridData(state.Data, state.Strengths, grid, grid.GridFindCol, row, state.DecimalPoint)
                .toUpper();
        });
    case FindKind::Recipes:
        return FindTexts(state.session.recipes().PotionCount(), [&state, potionFindCol](int row) {
            return GetPotionCellText(state.Data, state.session.recipes(), row, potionFindCol, true);
        });
    case FindKind::AltEffects:
        return FindTexts(int(state.session.alt().AltEffectRows.size()), [&state](int row) {
            return nameAt(state.Data.EffectNamesUp,
                          state.session.alt().AltEffectRows[std::size_t(row)].effect);
        });
    case FindKind::AltIngredients:
        return FindTexts(int(state.session.alt().AltCandidates.size()), [&state](int row) {
            return nameAt(state.Data.ItemNamesUp, state.session.alt().AltCandidates[std::size_t(row)]);
        });
    }
    return {};
}

bool findKeyOwnCode(FindKind kind, int gridFindCol) {
    return kind == FindKind::GridRows && gridFindCol == GridColumn::SecondName;
}

} // namespace qor
