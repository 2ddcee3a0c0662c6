// The texts each search kind compares, taken from the program state.

#include "session/find_texts.h"

#include "common/test_data.h"
#include "game_data/cp1251_text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class FindTextsOf : public ::testing::Test {
  protected:
    void SetUp() override {
        DataSetDescription set = test::emptyDataSet();
        const int heal = test::addEffect(set, test::effect(false));
        const int harm = test::addEffect(set, test::effect(true));
        set.effects[std::size_t(heal)].name = QStringLiteral("Лечение");
        set.effects[std::size_t(harm)].name = QStringLiteral("Урон");
        set.filterLines = {QStringLiteral("Ур")};
        test::addItem(set, {{heal, 5, 1}, {harm, 2, 1}}, QStringLiteral("Алоэ"));
        test::addItem(set, {{heal, 5, 1}}, QStringLiteral("Белена"));
        state.Data = test::buildData(set);
        state.Strengths = RecalcItemEffects(state.Data, state.session.skills());
        state.session.editGrid([this](GridState &grid) { resetGridRowOrder(state.Data, grid); });
        state.session.editAlt([&](AltMaking &alt, AltSelection &, PotionList &) {
            alt.AltEffectRows = {{harm, true}, {heal, false}};
            alt.AltCandidates = {2};
            return true;
        });
        TPotionRec rec{};
        rec.ItemCount = 2;
        rec.Items = {2, 1, 0};
        state.session.replaceRecipes([&](PotionList &list) {
            list.AddPotion(rec);
            return 0;
        });
    }

    int find(FindKind kind, const char *text, int potionFindCol = 3) {
        const FindTexts texts = findTextsOf(state, kind, potionFindCol);
        return FindInData(QString::fromUtf8(text), texts, FindDirection::Forward, findFirstIndex(kind), 0);
    }

    ProgramState state;
};

TEST_F(FindTextsOf, EveryKindComparesItsUpperCaseTexts) {
    EXPECT_EQ(find(FindKind::Ingredients, "БЕЛ"), 2);
    EXPECT_EQ(find(FindKind::Ingredients, "Бел"), -1);
    EXPECT_EQ(find(FindKind::Effects, "УРОН"), 2);
    EXPECT_EQ(find(FindKind::Filters, "УР"), 7); // after the seven fixed entries
    EXPECT_EQ(find(FindKind::Filters, "НЕТ / П"), 5);
    EXPECT_EQ(find(FindKind::AltEffects, "ЛЕЧ"), 1);
    EXPECT_EQ(find(FindKind::AltIngredients, "БЕЛ"), 0);
    EXPECT_EQ(find(FindKind::AltIngredients, "АЛО"), -1);
    EXPECT_EQ(find(FindKind::Recipes, "БЕЛЕНА"), 0);
    EXPECT_EQ(find(FindKind::Recipes, "БЕЛЕНА", 4), -1);
    EXPECT_EQ(find(FindKind::Recipes, "АЛОЭ", 4), 0);
}

TEST_F(FindTextsOf, GridComparesItsFindColumnAndTheLatinColumnTakesOwnKeys) {
    state.session.editGrid([](GridState &grid) { grid.GridFindCol = GridColumn::Item; });
    EXPECT_EQ(find(FindKind::GridRows, "БЕЛ"), state.session.grid().rowOfItem(2));
    EXPECT_FALSE(findKeyOwnCode(FindKind::GridRows, GridColumn::Item));
    state.session.editGrid([](GridState &grid) { grid.GridFindCol = GridColumn::SecondName; });
    EXPECT_EQ(find(FindKind::GridRows, "ITEM 2"), state.session.grid().rowOfItem(2));
    EXPECT_TRUE(findKeyOwnCode(FindKind::GridRows, GridColumn::SecondName));
    EXPECT_FALSE(findKeyOwnCode(FindKind::Ingredients, GridColumn::SecondName));
}

} // namespace
} // namespace qor
