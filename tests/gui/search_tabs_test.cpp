// The working tabs: quick search and F5, the header click, the detail strip,
// the search from ingredients, alternative making, the skill edits and the
// search slots.

#include "gui_test_support.h"

#include "engine/effect_strength.h"
#include "engine/evaluate_potion.h"
#include "engine/search_from_effects.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

// An effect that, wanted alone, gives at least two recipes.
int productiveEffect(const ProgramState &st, int *expectedCount) {
    auto list = std::make_unique<PotionList>();
    for (int e = 1; e <= st.Data.highestEffect(); ++e) {
        SearchConditions cond;
        cond.WantedEffect[0] = e;
        SearshFromEffects(st.Data, st.Strengths, st.session.skills().PerkPurity, cond,
                          st.session.ingredientSets().ItemAvailable, true, *list);
        if (list->PotionCount() >= 2) {
            *expectedCount = list->PotionCount();
            return e;
        }
    }
    return 0;
}

// Every test here starts from a freshly opened window over its own copy of
// the data folder.
class SearchTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data.valid());
        form = test::openForm(data);
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};
using SkillsTabTest = SearchTabTest;
using SlotTest = SearchTabTest;

TEST_F(SearchTabTest, ChoosingAnEffectRunsTheQuickSearch) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    ASSERT_GT(effect, 0);
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    EXPECT_EQ(st.session.conditions().WantedEffect[0], effect);
    EXPECT_EQ(st.session.recipes().PotionCount(), expected);
    EXPECT_EQ(st.LastSearchType, SearchType::FromEffects);
    EXPECT_EQ(test::ui(form).LBPotion->model()->rowCount(), expected);
    EXPECT_EQ(test::ui(form).PanelCount->text(), QStringLiteral(" Всего: %1").arg(expected));
    // The first row is selected and its recipe is the current one.
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), 0);
    EXPECT_EQ(st.session.recipes().CurPotion, st.session.recipes()[0]);
    EXPECT_FALSE(test::ui(form).LabelAddInfo->text().isEmpty());

    // Switching the line off while it holds an effect searches again: nothing
    // is wanted any more, so the list empties and the strip is cleared.
    test::effectSearch(form).CBoxEnableEff[0]->click();
    EXPECT_FALSE(st.session.conditions().EffectEnabled[0]);
    EXPECT_EQ(st.session.recipes().PotionCount(), 0);
    EXPECT_TRUE(test::ui(form).LabelAddInfo->text().isEmpty());
    EXPECT_EQ(st.session.recipes().CurPotion, TPotionRec{});
}

TEST_F(SearchTabTest, ADropDownIsAsWideAsItsLongestItemWithinTheScreen) {
    ChooserComboBox *combo = test::effectSearch(form).CbEffect[0];
    const QString longName = QStringLiteral("Очень длинное название эффекта, которое не помещается");
    combo->setItemText(3, longName);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QWidget *popup = combo->view()->window();
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_GT(popup->width(), combo->width());
    EXPECT_GE(combo->view()->viewport()->width(), combo->view()->fontMetrics().horizontalAdvance(longName));
    combo->hidePopup();

    // A name longer than the screen: the drop-down stops at the screen's edges.
    combo->setItemText(3, longName.repeated(20));
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    const QRect room = combo->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(popup->geometry())) << popup->geometry().width() << " " << room.width();
    EXPECT_EQ(popup->width(), room.width());
    combo->hidePopup();
}

TEST_F(SearchTabTest, WithQuickSearchOffOnlyTheExplicitSearchRuns) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    ASSERT_GT(effect, 0);
    QAction *quick = form->action(QStringLiteral("MenuCanQuickSearsh"));
    QAction *start = form->action(QStringLiteral("MenuStartSearsh"));
    test::useMenuItem(*form, quick);
    EXPECT_FALSE(quick->isChecked());
    EXPECT_TRUE(start->isEnabled());
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    EXPECT_EQ(st.session.conditions().WantedEffect[0], effect);
    EXPECT_EQ(st.session.recipes().PotionCount(), 0);
    EXPECT_EQ(st.LastSearchType, SearchType::None);
    test::useMenuItem(*form, start);
    EXPECT_EQ(st.session.recipes().PotionCount(), expected);
    EXPECT_EQ(st.LastSearchType, SearchType::FromEffects);
    test::useMenuItem(*form, quick);
    EXPECT_FALSE(start->isEnabled());
}

TEST_F(SearchTabTest, WithoutClearingTheSearchAppendsAndKeepsTheRow) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    test::useCommand(*form, "MenuClearLbPotionBeforeSearsh");
    test::useCommand(*form, "MenuCanQuickSearsh");
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    test::useCommand(*form, "MenuStartSearsh");
    ASSERT_EQ(st.session.recipes().PotionCount(), expected);
    test::ui(form).LBPotion->setCurrentRow(1);
    EXPECT_EQ(st.session.recipes().CurPotion, st.session.recipes()[1]);
    test::useCommand(*form, "MenuStartSearsh");
    EXPECT_EQ(st.session.recipes().PotionCount(), 2 * expected);
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), 1);
    EXPECT_EQ(test::ui(form).PanelCount->text(), QStringLiteral(" Всего: %1").arg(2 * expected));

    // A double click on the count panel selects the last recipe.
    test::doubleClick(test::ui(form).PanelCount);
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), 2 * expected - 1);
    EXPECT_EQ(st.session.recipes().CurPotion, st.session.recipes()[2 * expected - 1]);
}

TEST_F(SearchTabTest, HeaderClickSortsAndFlips) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    ASSERT_GE(st.session.recipes().PotionCount(), 2);
    Q_EMIT test::ui(form).Header->HeaderSectionClick(PotionColumn::Cost);
    EXPECT_EQ(st.session.recipes().PotionSortCode, PotionColumn::Cost);
    for (int r = 1; r < st.session.recipes().PotionCount(); ++r)
        EXPECT_LE(st.session.recipes()[r - 1].Cost, st.session.recipes()[r].Cost);
    Q_EMIT test::ui(form).Header->HeaderSectionClick(PotionColumn::Cost);
    EXPECT_EQ(st.session.recipes().PotionSortCode, -PotionColumn::Cost);
    for (int r = 1; r < st.session.recipes().PotionCount(); ++r)
        EXPECT_GE(st.session.recipes()[r - 1].Cost, st.session.recipes()[r].Cost);
    // The selection handling follows the re-sorted rows.
    EXPECT_EQ(st.session.recipes().CurPotion, st.session.recipes()[test::ui(form).LBPotion->currentRow()]);
}

// A lenient three-ingredient combination with a useless ingredient.
bool findWastefulTriple(const ProgramState &st, std::array<int, 3> &items) {
    TPotionRec rec;
    const int h = std::min(st.Data.highestItem(), 40);
    for (int a = 1; a <= h; ++a)
        for (int b = a + 1; b <= h; ++b)
            for (int c = b + 1; c <= h; ++c)
                if (EvaluatePotion(st.Data, st.Strengths, st.session.skills().PerkPurity, rec, a, b, c,
                                   false) &&
                    rec.UselessItem > 0 && rec.ItemCount == 3) {
                    items = {a, b, c};
                    return true;
                }
    return false;
}

TEST_F(SearchTabTest, IngredientSearchFillsTheDetailStripExactly) {
    ProgramState &st = form->state();
    std::array<int, 3> items{};
    ASSERT_TRUE(findWastefulTriple(st, items));
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSearshFromItem);
    std::array<ChooserComboBox *, 3> choosers{};
    for (int k = 0; k < 3; ++k)
        choosers[static_cast<std::size_t>(k)] =
            test::control<ChooserComboBox>(form, QStringLiteral("CbIngredient%1").arg(k + 1));
    auto *firstBox = test::control<QCheckBox>(form, QStringLiteral("CBoxCanUseItem1"));
    ASSERT_EQ(choosers[0]->count(), st.Data.itemRecordCount());
    EXPECT_EQ(choosers[2]->currentIndex(), 0);
    for (std::size_t k = 0; k < 3; ++k)
        choosers[k]->setCurrentIndex(items[k]);
    ASSERT_EQ(st.session.recipes().PotionCount(), 1);
    EXPECT_EQ(st.LastSearchType, SearchType::FromItems);
    const TPotionRec &cur = st.session.recipes().CurPotion;
    ASSERT_EQ(cur.ItemCount, 3);
    int itemsPrice = 0;
    for (int k = 0; k < cur.ItemCount; ++k)
        itemsPrice +=
            st.Data.ItemTable[static_cast<std::size_t>(cur.Items[static_cast<std::size_t>(k)])].Cost;
    const QString expected =
        QStringLiteral("Цена зелья: %1\nЦена ингредиентов: %2\nБесполезный ингредиент:\n%3")
            .arg(cur.Cost)
            .arg(itemsPrice)
            .arg(st.Data.ItemNames[cur.UselessItem]);
    EXPECT_EQ(test::ui(form).LabelAddInfo->text(), expected);

    // Unchecking a chooser that holds an ingredient searches without it.
    firstBox->click();
    EXPECT_LE(st.session.recipes().PotionCount(), 1);
    if (st.session.recipes().PotionCount() == 1) {
        EXPECT_EQ(st.session.recipes()[0].ItemCount, 2);
    }
    // Checking a box whose chooser shows nothing runs nothing.
    choosers[0]->setCurrentIndex(0);
    const TPotionRec before = st.session.recipes().CurPotion;
    firstBox->click();
    EXPECT_EQ(st.session.recipes().CurPotion, before);
}

TEST_F(SearchTabTest, AlternativeMakingAddsAndRemovesByDoubleClick) {
    ProgramState &st = form->state();
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetAltMake);
    ASSERT_EQ(static_cast<int>(st.session.alt().AltEffectRows.size()), st.Data.highestEffect());
    ASSERT_EQ(test::altLists(form).items->model()->rowCount(), st.Data.highestItem());
    test::altLists(form).items->setCurrentRow(0);
    form->On_DblClick(test::altLists(form).items);
    ASSERT_EQ(st.session.alt().AltItems.size(), 1u);
    EXPECT_EQ(st.session.recipes().PotionCount(), 0);
    EXPECT_EQ(st.LastSearchType, SearchType::AltMaking);
    test::altLists(form).items->setCurrentRow(0);
    form->On_DblClick(test::altLists(form).items);
    ASSERT_EQ(st.session.alt().AltItems.size(), 2u);
    EXPECT_EQ(st.session.recipes().PotionCount(), 1);
    EXPECT_EQ(test::altLists(form).chosenItems->model()->rowCount(), 2);
    test::altLists(form).chosenItems->setCurrentRow(1);
    form->On_DblClick(test::altLists(form).chosenItems);
    EXPECT_EQ(st.session.alt().AltItems.size(), 1u);
    EXPECT_EQ(st.session.recipes().PotionCount(), 0);
    // The last row went: the new last row is selected; the list emptied:
    // nothing is.
    EXPECT_EQ(st.session.altSelection().amountItems, 0);
    EXPECT_EQ(test::altLists(form).chosenItems->currentRow(), 0);
    form->On_DblClick(test::altLists(form).chosenItems);
    EXPECT_TRUE(st.session.alt().AltItems.empty());
    EXPECT_EQ(st.session.altSelection().amountItems, -1);
    EXPECT_EQ(test::altLists(form).chosenItems->currentRow(), -1);
}

TEST_F(SearchTabTest, AlternativeMakingListsAnswerTheDoubleAndTheRightClick) {
    ProgramState &st = form->state();
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetAltMake);
    AltItemsList *candidates = test::altLists(form).items;
    const QPoint firstRow = candidates->visualRect(candidates->model()->index(0, 0)).center();
    QTest::mousePress(candidates->viewport(), Qt::LeftButton, {}, firstRow);
    QTest::mouseRelease(candidates->viewport(), Qt::LeftButton, {}, firstRow);
    QTest::mouseDClick(candidates->viewport(), Qt::LeftButton, {}, firstRow);
    ASSERT_EQ(st.session.alt().AltItems.size(), 1u);
    // The right click acts on the row under the pointer, here the one chosen.
    AltItemsList *chosen = test::altLists(form).chosenItems;
    const QPoint chosenRow = chosen->visualRect(chosen->model()->index(0, 0)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, chosenRow,
                                 chosen->viewport()->mapToGlobal(chosenRow));
    QApplication::sendEvent(chosen->viewport(), &rightClick);
    EXPECT_TRUE(st.session.alt().AltItems.empty());
}

TEST_F(SkillsTabTest, EditsCorrectTheirTextAndRecompute) {
    ProgramState &st = form->state();
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->text(),
              QString::number(st.session.skills().AlchemySkill));
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->text(),
              QString::number(st.session.skills().AlchemyFortify));

    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QString());
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->text(),
              QStringLiteral("0"));
    EXPECT_EQ(st.session.skills().AlchemySkill, 0);
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QStringLiteral("250"));
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->text(),
              QStringLiteral("200"));
    EXPECT_EQ(st.session.skills().AlchemySkill, 200);
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->setText(QStringLiteral("abc"));
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->text(),
              QStringLiteral("0"));
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->setText(QStringLiteral("401"));
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->text(),
              QStringLiteral("400"));
    EXPECT_EQ(st.session.skills().AlchemyFortify, 400);
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyModify"))->setText(QStringLiteral("-3"));
    EXPECT_EQ(st.session.skills().AlchemyFortify, 0);

    // The strengths follow the skill: recompute them and compare.
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QStringLiteral("77"));
    EXPECT_EQ(RecalcItemEffects(st.Data, st.session.skills()), st.Strengths);
    SkillSettings other = st.session.skills();
    other.AlchemySkill = 5;
    const EffectStrengths lower = RecalcItemEffects(st.Data, other);
    bool differs = false;
    for (int i = 1; i <= st.Data.highestItem() && !differs; ++i)
        differs = lower.slot(i, 0).Cost != st.Strengths.slot(i, 0).Cost;
    EXPECT_TRUE(differs);
}

TEST_F(SkillsTabTest, PerksAndRanksRepeatTheLastSearch) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    const int priceBefore = st.session.recipes().CurPotion.Cost;
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
    test::control<QComboBox>(form, QStringLiteral("ComboBoxMainAlchPercCount"))->setCurrentIndex(5);
    EXPECT_EQ(st.session.skills().AlchemistRanks, 5);
    EXPECT_EQ(st.LastSearchType, SearchType::FromEffects);
    ASSERT_GT(st.session.recipes().PotionCount(), 0);
    // Five Alchemist ranks make every potion dearer.
    EXPECT_GT(st.session.recipes().CurPotion.Cost, priceBefore);
    test::control<QCheckBox>(form, QStringLiteral("CheckBoxPerkPurity"))->click();
    EXPECT_TRUE(st.session.skills().PerkPurity);
}

TEST_F(SlotTest, QuickSaveAndRestoreBringBackTheConditions) {
    ProgramState &st = form->state();
    int expected = 0;
    const int effect = productiveEffect(st, &expected);
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(effect);
    test::useCommand(*form, "MenuSearshSave");
    const SearchConditions saved = st.session.conditions();
    test::useCommand(*form, "MenuCanQuickSearsh");
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(0);
    test::effectSearch(form).CBoxNeedCheckCost->click();
    EXPECT_NE(st.session.conditions(), saved);
    test::useCommand(*form, "MenuSearshRestore");
    EXPECT_EQ(st.session.conditions(), saved);
    EXPECT_EQ(test::effectSearch(form).CbEffect[0]->currentIndex(), effect);
    EXPECT_FALSE(test::effectSearch(form).CBoxNeedCheckCost->isChecked());
    EXPECT_FALSE(st.Gate.searchesHeld());
    // The restore searched even with quick search off.
    EXPECT_EQ(st.session.recipes().PotionCount(), expected);

    DialogProvider &dialogs = form->dialogs();
    dialogs.clearRecord();
    dialogs.setNextAnswer(QStringLiteral("4"));
    test::useCommand(*form, "MenuSearshSaveToSlot");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral("Слот должен лежать в диапазоне от 1 до 3     "));
    EXPECT_EQ(dialogs.messages().back().icon, MessageIcon::Warning);
    dialogs.setNextAnswer(QStringLiteral("2"));
    test::useCommand(*form, "MenuSearshSaveToSlot");
    EXPECT_EQ(st.Slots.Slots[2], st.session.conditions());
}

TEST_F(SlotTest, RestoredCountModeChecksItsButtonOnlyWithinTheThreeModes) {
    ProgramState &st = form->state();
    auto *group = test::effectSearch(form).RadioGroupButtons;
    // The highest mode is still a mode of its own.
    st.Slots.Slots[0].ItemsCountMode = 2;
    test::useCommand(*form, "MenuSearshRestore");
    ASSERT_NE(group->checkedButton(), nullptr);
    EXPECT_EQ(group->checkedId(), 2);
    EXPECT_EQ(st.session.conditions().ItemsCountMode, 2);
    // A damaged slot: the controls show the first mode, the conditions keep
    // the slot's raw value.
    st.Slots.Slots[0].ItemsCountMode = 3;
    test::useCommand(*form, "MenuSearshRestore");
    EXPECT_EQ(group->checkedId(), 0);
    EXPECT_EQ(st.session.conditions().ItemsCountMode, 3);
    st.Slots.Slots[0].ItemsCountMode = -1;
    test::useCommand(*form, "MenuSearshRestore");
    EXPECT_EQ(group->checkedId(), 0);
}

} // namespace
} // namespace qor
