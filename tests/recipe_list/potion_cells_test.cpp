#include "recipe_list/model_test_data.h"
#include "recipe_list/potion_cells.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using modeltest::DataBuilder;
using modeltest::recipe;

class PotionCellsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        heal = b.effect(QStringLiteral("Лечение"));
        resist = b.effect(QStringLiteral("Сопротивление"), false, true);
        poison = b.effect(QStringLiteral("Яд"), true);
        mint = b.item(QStringLiteral("Мята"), {heal, resist, 0, 0});
        root = b.item(QStringLiteral("Корень"), {heal, poison, 0, 0});
        moss = b.item(QStringLiteral("Мох"), {resist, poison, 0, 0});
    }
    const GameData &data() { return b.data(); }

    DataBuilder b;
    int heal = 0, resist = 0, poison = 0;
    int mint = 0, root = 0, moss = 0;
};

TEST_F(PotionCellsTest, CellsOutsideTheListAreEmpty) {
    const auto list = modeltest::listOf({recipe({mint, root}, {heal}, 100)});
    EXPECT_EQ(GetPotionCellText(data(), *list, -1, 2, false), QString());
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 2, false), QString());
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, -1, false), QString());
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, 26, false), QString());
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, 2, false), QStringLiteral("100"));
}

TEST_F(PotionCellsTest, NumberTypePriceAndIngredients) {
    TPotionRec rec = recipe({mint, root}, {heal}, 123);
    rec.PotionType = 1;
    const auto list = modeltest::listOf({recipe({mint, root, moss}, {heal}), rec});
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 0, false), QStringLiteral("2"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, 1, false), QStringLiteral("1"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 1, false), QStringLiteral("2"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 2, false), QStringLiteral("123"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 3, false), QStringLiteral("Мята"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 4, false), QStringLiteral("Корень"));
    // A two-ingredient recipe has no third ingredient.
    EXPECT_EQ(GetPotionCellText(data(), *list, 1, 5, false), QStringLiteral("-"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, 5, false), QStringLiteral("Мох"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, 5, true), QStringLiteral("МОХ"));
    EXPECT_EQ(GetPotionCellText(data(), *list, 0, PotionColumn::effect(1), true), QStringLiteral("ЛЕЧЕНИЕ"));
}

TEST_F(PotionCellsTest, EffectSlotCells) {
    TPotionRec rec = recipe({mint, moss}, {resist, heal});
    rec.Effects[0] = {resist, 25, 0, 0};
    rec.Effects[1] = {heal, 0, 7, 45};
    const auto list = modeltest::listOf({rec});
    const auto cell = [&](int column) { return GetPotionCellText(data(), *list, 0, column, false); };
    // A percent magnitude carries "%"; zero duration and price show "-".
    EXPECT_EQ(cell(PotionColumn::power(1)), QStringLiteral("25%"));
    EXPECT_EQ(cell(PotionColumn::time(1)), QStringLiteral("-"));
    EXPECT_EQ(cell(PotionColumn::cost(1)), QStringLiteral("-"));
    EXPECT_EQ(cell(PotionColumn::effect(1)), QStringLiteral("Сопротивление"));
    EXPECT_EQ(cell(PotionColumn::power(2)), QStringLiteral("-"));
    EXPECT_EQ(cell(PotionColumn::time(2)), QStringLiteral("7"));
    EXPECT_EQ(cell(PotionColumn::cost(2)), QStringLiteral("45"));
    // Slots beyond EffCount: empty numbers, "-" for the name.
    for (int s = 3; s <= 5; ++s) {
        EXPECT_EQ(cell(PotionColumn::power(s)), QString()) << s;
        EXPECT_EQ(cell(PotionColumn::time(s)), QString()) << s;
        EXPECT_EQ(cell(PotionColumn::cost(s)), QString()) << s;
        EXPECT_EQ(cell(PotionColumn::effect(s)), QStringLiteral("-")) << s;
    }
}

TEST_F(PotionCellsTest, EffectInformationColumns) {
    b.data().EffectTable[poison].BaseCost = 2.5;
    b.data().EffectTable[poison].DescrKind = 5;
    b.data().EffectTable[poison].Descr = {QStringLiteral("Яд "), QStringLiteral(" ед. на "),
                                          QStringLiteral(" сек.")};
    TPotionRec cur = recipe({root, moss}, {poison, resist});
    cur.Effects[0] = {poison, 12, 30, 77};
    cur.Effects[1] = {resist, 0, 0, 5};

    const QString comma = QStringLiteral(",");
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 0, comma), QStringLiteral("В"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 2, 0, comma), QStringLiteral("П"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 1, comma), QStringLiteral("2,5"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 1, QStringLiteral(".")), QStringLiteral("2.5"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 2, comma), QStringLiteral("77"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 3, comma), QStringLiteral("12"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 2, 3, comma), QStringLiteral("-"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 4, comma), QStringLiteral("30"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 2, 4, comma), QStringLiteral("-"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 5, comma), QStringLiteral("Яд"));
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 6, comma), QStringLiteral("Яд 12 ед. на 30 сек."));

    cur.Effects[1].Power = 40;
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 2, 3, comma), QStringLiteral("40%"));

    // Nothing while the recipe has no effects, nor outside the slots/columns.
    EXPECT_EQ(GetPotEffDataStr(data(), TPotionRec{}, 1, 5, comma), QString());
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 0, 5, comma), QString());
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 6, 5, comma), QString());
    EXPECT_EQ(GetPotEffDataStr(data(), cur, 1, 7, comma), QString());
}

TEST(EffectDescription, EveryKindJoinsPiecesAndNumbersWithoutSeparators) {
    TEffectRec e;
    e.Descr = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    const QString expected[] = {QString(),
                                QStringLiteral("A"),
                                QStringLiteral("A7B"),
                                QStringLiteral("A3B"),
                                QStringLiteral("A7B3C"),
                                QStringLiteral("A3B7C")};
    for (int kind = 0; kind <= 5; ++kind) {
        e.DescrKind = static_cast<std::uint8_t>(kind);
        EXPECT_EQ(effectDescription(e, 3, 7), expected[kind]) << kind;
    }
    e.DescrKind = 9;
    EXPECT_EQ(effectDescription(e, 3, 7), QString());
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits) {
    const QString dot = QStringLiteral(".");
    EXPECT_EQ(formatGeneral(0.1, dot), QStringLiteral("0.1"));
    EXPECT_EQ(formatGeneral(3.0, dot), QStringLiteral("3"));
    EXPECT_EQ(formatGeneral(0.1 + 0.2, dot), QStringLiteral("0.3"));
    EXPECT_EQ(formatGeneral(1.0 / 3.0, dot), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(formatGeneral(12.25, QStringLiteral(",")), QStringLiteral("12,25"));
}

TEST_F(PotionCellsTest, DefaultNameNamesIngredientsAndMainEffect) {
    TPotionRec rec = recipe({mint, root, moss}, {heal, poison});
    EXPECT_EQ(potionDefaultName(data(), rec), QStringLiteral("Мята + Корень + Мох = Лечение"));
    rec.MainEffSlot = 2;
    EXPECT_EQ(potionDefaultName(data(), rec), QStringLiteral("Мята + Корень + Мох = Яд"));
    EXPECT_EQ(potionDefaultName(data(), recipe({root, moss}, {poison})), QStringLiteral("Корень + Мох = Яд"));
    EXPECT_EQ(potionDefaultName(data(), TPotionRec{}), QString());
}

TEST_F(PotionCellsTest, DetailsMessageMarksEachIngredientEffectWithItsSlot) {
    b.data().ItemTable[mint].Cost = 4;
    b.data().ItemTable[root].Cost = 9;
    // The recipe lists poison in slot 1 and heal in slot 2; resist is in an
    // unfilled slot beyond EffCount and must not be marked.
    TPotionRec rec = recipe({mint, root}, {poison, heal, resist});
    rec.EffCount = 2;
    const QString expected = QStringLiteral("   [Мята] / Цена: 4\n\n"
                                            "2  Лечение   \n"
                                            "-  Сопротивление   \n"
                                            "-     \n"
                                            "-     \n"
                                            "\n"
                                            "   [Корень] / Цена: 9\n\n"
                                            "2  Лечение   \n"
                                            "1  Яд   \n"
                                            "-     \n"
                                            "-     \n"
                                            "\n");
    EXPECT_EQ(potionDetailsText(data(), rec), expected);
    EXPECT_EQ(detailsMessageCaption(), QStringLiteral("Эффекты компонентов"));
}

TEST_F(PotionCellsTest, AdditionalInformationNamesTheUselessIngredient) {
    b.data().ItemTable[mint].Cost = 4;
    b.data().ItemTable[root].Cost = 9;
    b.data().ItemTable[moss].Cost = 100;
    TPotionRec rec = recipe({mint, root, moss}, {heal}, 55);
    rec.ItemCount = 3;
    EXPECT_EQ(potionAddInfoText(data(), rec), QStringLiteral("Цена зелья: 55\nЦена ингредиентов: 113"));
    rec.UselessItem = moss;
    EXPECT_EQ(potionAddInfoText(data(), rec),
              QStringLiteral("Цена зелья: 55\nЦена ингредиентов: 113\nБесполезный ингредиент:\nМох"));
    EXPECT_EQ(potionAddInfoText(data(), TPotionRec{}), QString());
}

TEST(PotionTexts, MessagesAndCaptionsKeepTheirBlanks) {
    EXPECT_EQ(panelCountText(100000), QStringLiteral(" Всего: 100000"));
    EXPECT_EQ(panelCountText(0), QStringLiteral(" Всего: 0"));
    EXPECT_EQ(elementCountMessage(QStringLiteral("Мох"), 12), QStringLiteral("Мох: 12     "));
    EXPECT_EQ(disableItemCaption(QStringLiteral("Мох")),
              QStringLiteral("Отключить ингредиент \"Мох\" из списка возможных"));
    EXPECT_EQ(countElementsCaption(QStringLiteral(" ")),
              QStringLiteral("Показать кол-во элементов \" \" в списке"));
    EXPECT_EQ(deleteWithElementCaption(QStringLiteral("Яд")),
              QStringLiteral("Удалить все рецепты содержащие: \"Яд\""));
}

TEST(PotionTexts, ColumnCaptions) {
    EXPECT_EQ(potionColumnCaption(0), QStringLiteral("№"));
    EXPECT_EQ(potionColumnCaption(5), QStringLiteral("Ингредиент 3"));
    EXPECT_EQ(potionColumnCaption(6), QStringLiteral("Сила эф. 1"));
    EXPECT_EQ(potionColumnCaption(9), QStringLiteral("Эффект 1"));
    EXPECT_EQ(potionColumnCaption(24), QStringLiteral("Цена эф. 5"));
    EXPECT_EQ(potionColumnCaption(25), QStringLiteral("Эффект 5"));
    EXPECT_EQ(potionColumnCaption(26), QString());
    EXPECT_EQ(potEffColumnCaption(1), QStringLiteral("Базовая Стоимость"));
    EXPECT_EQ(potEffColumnCaption(6), QStringLiteral("Описание"));
}

TEST_F(PotionCellsTest, RecipePopupFollowsTheCellUnderTheMouse) {
    b.data().ItemTable[root].Marked = true;
    const auto list = modeltest::listOf({recipe({mint, root}, {heal}), recipe({root, moss}, {poison})});

    RecipePopupState s = recipePopupState(data(), *list, 1, 3, 1); // ingredient 1 of row 1
    EXPECT_TRUE(s.recipeCommands);
    EXPECT_TRUE(s.disableItem);
    EXPECT_EQ(s.disableItemCaption, QStringLiteral("Отключить ингредиент \"Корень\" из списка возможных"));
    EXPECT_TRUE(s.itemMarker);
    EXPECT_TRUE(s.itemMarkerChecked);
    EXPECT_FALSE(s.effectMarker);
    EXPECT_TRUE(s.elementCommands);
    EXPECT_EQ(s.countCaption, QStringLiteral("Показать кол-во элементов \"Корень\" в списке"));
    EXPECT_EQ(s.deleteAllCaption, QStringLiteral("Удалить все рецепты содержащие: \"Корень\""));

    s = recipePopupState(data(), *list, 0, PotionColumn::effect(1), 0);
    EXPECT_FALSE(s.disableItem);
    EXPECT_EQ(s.disableItemCaption, QStringLiteral("Отключить ингредиент \"\" из списка возможных"));
    EXPECT_TRUE(s.effectMarker);
    EXPECT_FALSE(s.effectMarkerChecked);
    EXPECT_EQ(s.countCaption, QStringLiteral("Показать кол-во элементов \"Лечение\" в списке"));

    // The empty third ingredient and the price column hold no element.
    for (int column : {5, 2}) {
        s = recipePopupState(data(), *list, 0, column, 0);
        EXPECT_FALSE(s.elementCommands) << column;
        EXPECT_EQ(s.deleteAllCaption, QStringLiteral("Удалить все рецепты содержащие: \" \"")) << column;
    }
    s = recipePopupState(data(), *list, -1, 3, 0);
    EXPECT_FALSE(s.recipeCommands);
    const auto empty = modeltest::listOf({});
    EXPECT_FALSE(recipePopupState(data(), *empty, 0, 3, 0).recipeCommands);
}

} // namespace
} // namespace qor
