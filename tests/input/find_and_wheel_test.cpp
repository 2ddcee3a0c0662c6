// FindInData's walk, the find dialog's search over the recipe list, digit
// bookmarks and the mouse wheel's step.

#include "input/bookmarks.h"
#include "input/find_in_data.h"
#include "input/wheel_step.h"

#include "game_data/cp1251_text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

const QStringList kRecipes{QStringLiteral("АЛОЭ"), QStringLiteral("БЕЛЕНА"), QStringLiteral("АРНИКА"),
                           QStringLiteral("БАДЬЯН"), QStringLiteral("АНИС")};

TEST(FindInData, WalksWithinTheRangeInBothDirections) {
    const FindTexts texts(kRecipes);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Forward, 0, 1), 2);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Forward, 0, 5), -1);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Forward, 1, -3), 2);
    EXPECT_EQ(FindInData(u"Б", texts, FindDirection::Backward, 0, 2), 1);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Backward, 1, 1), -1);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Backward, 0, 99), 4);
    EXPECT_EQ(FindInData(u"А", texts, FindDirection::Backward, 0, -1), -1);
    EXPECT_EQ(FindInData(u"АРНИКАА", texts, FindDirection::Forward, 0, 0), -1);
}

TEST(FindInData, GeneratedTextsAndListsShorterThanTheirCount) {
    int asked = 0;
    const FindTexts generated(3, [&asked](int i) {
        ++asked;
        return QStringLiteral("СТРОКА %1").arg(i);
    });
    EXPECT_EQ(FindInData(u"СТРОКА 2", generated, FindDirection::Forward, 0, 0), 2);
    EXPECT_EQ(asked, 3);
    const QStringList shortList{QStringLiteral("А")};
    EXPECT_EQ(FindInData(u"Б", FindTexts(shortList, 4), FindDirection::Forward, 0, 0), -1);
}

TEST(FindDialog, FindsDownAndUpFromTheSelectedRow) {
    const FindTexts texts(kRecipes);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("а"), true, 0).row, 2);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("а"), true, 2).row, 4);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("а"), true, 4).row, -1);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("А"), false, 4).row, 2);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("Ба"), false, 4).row, 3);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("а"), false, 0).row, -1);
    // Nothing selected: down from the first row, up from the last.
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("а"), true, -1).row, 0);
    EXPECT_EQ(findRecipeRow(texts, QStringLiteral("б"), false, -1).row, 3);
    EXPECT_FALSE(findRecipeRow(texts, QStringLiteral("а"), true, 0).closeDialog);
}

TEST(FindDialog, ClosesOnAnEmptyRecipeList) {
    const RecipeFindResult result = findRecipeRow(FindTexts(), QStringLiteral("А"), true, 0);
    EXPECT_TRUE(result.closeDialog);
    EXPECT_EQ(result.row, -1);
}

TEST(FindKinds, ChoosersAndTheGridSkipTheirFirstEntry) {
    EXPECT_EQ(findFirstIndex(FindKind::Ingredients), 1);
    EXPECT_EQ(findFirstIndex(FindKind::GridRows), 1);
    EXPECT_EQ(findFirstIndex(FindKind::Effects), 1);
    EXPECT_EQ(findFirstIndex(FindKind::Filters), 1);
    EXPECT_EQ(findFirstIndex(FindKind::Recipes), 0);
    EXPECT_EQ(findFirstIndex(FindKind::AltEffects), 0);
    EXPECT_EQ(findFirstIndex(FindKind::AltIngredients), 0);
}

TEST(Bookmarks, CtrlDigitStoresAndDigitSelects) {
    Bookmarks marks;
    const KeyModifiers none, ctrl{false, true, false}, ctrlShift{true, true, false};
    BookmarkOutcome out = marks.onDigit(BookmarkTable::Recipes, 3, ctrl, 42, 100);
    EXPECT_TRUE(out.handled);
    EXPECT_EQ(out.select, -1);
    EXPECT_FALSE(out.runCommand);

    out = marks.onDigit(BookmarkTable::Recipes, 3, none, 7, 100);
    EXPECT_TRUE(out.handled);
    EXPECT_EQ(out.select, 42);
    EXPECT_TRUE(out.runCommand);

    // Never stored: entry 0. Other modifiers only run the command.
    EXPECT_EQ(marks.onDigit(BookmarkTable::Recipes, 4, none, 7, 100).select, 0);
    out = marks.onDigit(BookmarkTable::Recipes, 3, ctrlShift, 7, 100);
    EXPECT_TRUE(out.handled && out.runCommand);
    EXPECT_EQ(out.select, -1);
    EXPECT_EQ(marks.stored(BookmarkTable::Recipes, 3), 42);

    // A list that shrank since selects its last row; an empty one takes no digit.
    EXPECT_EQ(marks.onDigit(BookmarkTable::Recipes, 3, none, 0, 10).select, 9);
    EXPECT_FALSE(marks.onDigit(BookmarkTable::Recipes, 3, none, 0, 0).handled);
}

TEST(Bookmarks, ChooserTablesAreSharedPerKindAndSeparateBetweenKinds) {
    Bookmarks marks;
    const KeyModifiers none, ctrl{false, true, false};
    marks.onDigit(BookmarkTable::Ingredients, 3, ctrl, 17, 120); // in CbIngredient1
    EXPECT_EQ(marks.onDigit(BookmarkTable::Ingredients, 3, none, 1, 120).select,
              17); // in CbPrioriryIngredient2
    EXPECT_EQ(marks.onDigit(BookmarkTable::Effects, 3, none, 1, 60).select, 0);
    EXPECT_EQ(marks.onDigit(BookmarkTable::Filters, 3, none, 1, 20).select, 0);
    EXPECT_EQ(bookmarkDigitOfKey('3'), 3);
    EXPECT_EQ(bookmarkDigitOfKey('A'), -1);
}

TEST(Wheel, StepWithModifiers) {
    const KeyModifiers alt{false, false, true}, ctrlAlt{false, true, true}, shift{true, false, false};
    EXPECT_EQ(wheelStep(-120, {}), 1);
    EXPECT_EQ(wheelStep(120, {}), -1);
    EXPECT_EQ(wheelStep(0, ctrlAlt), 0);
    EXPECT_EQ(wheelStep(-120, alt), 10);
    EXPECT_EQ(wheelStep(-120, ctrlAlt), 100);
    EXPECT_EQ(wheelStep(120, KeyModifiers{true, true, true}), -300);
    EXPECT_EQ(wheelStep(-15, shift), 3);
}

TEST(Wheel, CtrlAltOverAChooserMovesAHundredAndStopsAtTheEnds) {
    const int step = wheelStep(-120, KeyModifiers{false, true, true});
    EXPECT_EQ(wheelMovedIndex(5, step, 200), 105);
    EXPECT_EQ(wheelMovedIndex(150, step, 200), 199);
    EXPECT_EQ(wheelMovedIndex(50, -step, 200), 0);
    EXPECT_EQ(wheelMovedIndex(-1, 0, 0), -1);
    EXPECT_EQ(wheelScrollPosition(30, 20, -3, 500), 0);
    EXPECT_EQ(wheelScrollPosition(450, 20, 3, 500), 500);
    EXPECT_EQ(wheelScrollPosition(100, 20, 3, 500), 160);
}

} // namespace
} // namespace qor
