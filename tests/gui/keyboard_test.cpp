// The keyboard of the main window: quick find in either keyboard layout,
// digit bookmarks, the Shift/Ctrl arrows of the choosers, Space, Ctrl+Tab,
// Insert/Delete in the alternative making, and the mouse wheel.

#include "gui_test_support.h"

#include "common_ui/full_screen_window.h"
#include "common_ui/platform_adapter.h"
#include "common_ui/view_colors.h"
#include "engine/search_from_effects.h"
#include "favorites/ui/form_used_items.h"
#include "favorites/ui/used_items_list.h"
#include "input/find_key_letters.h"
#include "input/ui/key_router.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "settings/settings_block.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>

namespace qor {
namespace {

// The Latin key on which the Russian layout has a letter.
Qt::Key latinKeyOf(QChar letter) {
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
        if (findCharOfKey(key) == letter)
            return Qt::Key(key);
    }
    for (Qt::Key key : {Qt::Key_BracketLeft, Qt::Key_BracketRight, Qt::Key_Semicolon, Qt::Key_Apostrophe,
                        Qt::Key_Comma, Qt::Key_Period}) {
        if (findCharOfKey(key) == letter)
            return key;
    }
    return Qt::Key_unknown;
}

// The key event the Cyrillic layout sends for a letter's key.
void pressCyrillic(QWidget *w, QChar letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, letter.unicode(), modifiers, QString(letter));
    QApplication::sendEvent(w, &press);
}

void wheel(QWidget *w, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Indices >= 1 of the names that begin with a prefix, in order.
std::vector<int> entriesStartingWith(const QStringList &upperNames, const QString &prefix) {
    std::vector<int> out;
    for (int i = 1; i < upperNames.size(); ++i) {
        if (upperNames[i].startsWith(prefix))
            out.push_back(i);
    }
    return out;
}

// A letter with a key that begins at least `count` names, none of which
// begins with the letter twice.
QChar letterWithEntries(const QStringList &upperNames, std::size_t count) {
    for (const QChar letter : QStringLiteral("АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЭЮЯ")) {
        if (latinKeyOf(letter) == Qt::Key_unknown)
            continue;
        if (entriesStartingWith(upperNames, QString(letter)).size() >= count &&
            entriesStartingWith(upperNames, QString(2, letter)).empty())
            return letter;
    }
    return {};
}

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data.valid());
        form = test::openForm(data);
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        form->clock().setFixed(100000);
    }

    ProgramState &st() { return form->state(); }
    FormControls &ui() { return test::ui(form); }
    const SearchInputs::Controls &search() { return test::effectSearch(form); }
    int timeout() { return st().session.block().clamped(Setting.FastFindTimeout); }
    void type(QWidget *w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        form->clock().advance(10);
        QTest::keyClick(w, key, modifiers);
    }
    void pause() { form->clock().advance(timeout() + 1); }
    void setStartWithCurrent(bool on) {
        form->action(QStringLiteral("MenuFastFindStartWithCurElement"))->setChecked(on);
    }

    // Wants an effect that gives at least `rows` recipes; its index.
    int fillRecipeList(int rows) {
        for (int e = 1; e <= st().Data.highestEffect(); ++e) {
            search().CbEffect[0]->setCurrentIndex(e);
            if (st().session.recipes().PotionCount() >= rows)
                return e;
        }
        return 0;
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(KeyboardTest, TwoLettersRefineAndTheCyrillicLayoutFindsTheSameEntry) {
    const QStringList &names = st().Data.ItemNamesUp;
    // An ingredient whose first two letters both have keys and are shared
    // by no earlier name's first letter alone.
    int target = -1;
    QString prefix;
    for (int i = 1; i < names.size() && target < 0; ++i) {
        if (names[i].size() < 2 || latinKeyOf(names[i][0]) == Qt::Key_unknown ||
            latinKeyOf(names[i][1]) == Qt::Key_unknown)
            continue;
        prefix = names[i].left(2);
        if (entriesStartingWith(names, prefix).front() == i &&
            entriesStartingWith(names, prefix.left(1)).front() != i)
            target = i;
    }
    ASSERT_GT(target, 0);
    ChooserComboBox *combo = search().CbPrioriryIngredient[0];
    type(combo, latinKeyOf(prefix[0]));
    EXPECT_EQ(combo->currentIndex(), entriesStartingWith(names, prefix.left(1)).front());
    type(combo, latinKeyOf(prefix[1]));
    EXPECT_EQ(combo->currentIndex(), target);
    EXPECT_EQ(FormMainTestAccess::keys(*form).findBuffer().text, prefix);
    // The chooser's command ran: the condition follows.
    EXPECT_EQ(st().session.conditions().RequiredItem1, target);

    // The same keys with the Russian layout active report Cyrillic letters.
    combo->setCurrentIndex(0);
    pause();
    pressCyrillic(combo, prefix[0]);
    form->clock().advance(10);
    pressCyrillic(combo, prefix[1]);
    EXPECT_EQ(combo->currentIndex(), target);
}

TEST_F(KeyboardTest, QWTypesTheLettersOfTheRussianLayout) {
    // Nothing may begin with the letters, so a name that does is made.
    st().Data.ItemNamesUp[3] = QStringLiteral("ЙЦУКЕН");
    ChooserComboBox *combo = search().CbPrioriryIngredient[1];
    type(combo, Qt::Key_Q);
    type(combo, Qt::Key_W);
    EXPECT_EQ(FormMainTestAccess::keys(*form).findBuffer().text, QStringLiteral("ЙЦ"));
    EXPECT_EQ(combo->currentIndex(), 3);
}

TEST_F(KeyboardTest, RepeatedLetterStepsThroughItsEntriesAndWraps) {
    const QStringList &names = st().Data.EffectNamesUp;
    const QChar letter = letterWithEntries(names, 3);
    ASSERT_FALSE(letter.isNull());
    const std::vector<int> entries = entriesStartingWith(names, QString(letter));
    ChooserComboBox *combo = search().CbEffect[1];
    for (const bool startWithCurrent : {true, false}) {
        SCOPED_TRACE(startWithCurrent);
        setStartWithCurrent(startWithCurrent);
        combo->setCurrentIndex(0);
        pause();
        for (std::size_t k = 0; k <= entries.size(); ++k) {
            type(combo, latinKeyOf(letter));
            EXPECT_EQ(combo->currentIndex(), entries[k % entries.size()]) << k;
        }
    }
}

TEST_F(KeyboardTest, ANewSearchAfterThePauseStartsAfterOrAtTheFirstEntry) {
    const QStringList &names = st().Data.EffectNamesUp;
    const QChar letter = letterWithEntries(names, 2);
    ASSERT_FALSE(letter.isNull());
    const std::vector<int> entries = entriesStartingWith(names, QString(letter));
    ChooserComboBox *combo = search().CbEffect[2];

    setStartWithCurrent(false);
    type(combo, latinKeyOf(letter));
    pause();
    type(combo, latinKeyOf(letter));
    EXPECT_EQ(combo->currentIndex(), entries[0]);
    EXPECT_EQ(FormMainTestAccess::keys(*form).findBuffer().text, QString(letter));

    setStartWithCurrent(true);
    pause();
    type(combo, latinKeyOf(letter));
    EXPECT_EQ(combo->currentIndex(), entries[1]);
}

// Gives entries names that begin with Й, which begins no name of the test
// data, so that they are the only entries the letter finds.
void giveNames(QStringList &upperNames, const std::map<int, QString> &names) {
    for (const auto &[index, name] : names)
        upperNames[index] = name;
}

TEST_F(KeyboardTest, FurtherLettersFindAMatchAboveTheCurrentEntry) {
    QStringList &names = st().Data.EffectNamesUp;
    // Й (key Q) then У (key E); Ц is key W.
    giveNames(names, {{2, QStringLiteral("ЙУ")}, {5, QStringLiteral("ЙЦ")}});
    ASSERT_EQ(entriesStartingWith(names, QStringLiteral("Й")), (std::vector<int>{2, 5}));
    setStartWithCurrent(true);
    ChooserComboBox *combo = search().CbEffect[1];
    combo->setCurrentIndex(3);
    pause();
    type(combo, Qt::Key_Q);
    EXPECT_EQ(combo->currentIndex(), 5);
    type(combo, Qt::Key_E);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(FormMainTestAccess::keys(*form).findBuffer().text, QStringLiteral("ЙУ"));
    EXPECT_EQ(st().session.conditions().WantedEffect[1], 2);
}

TEST_F(KeyboardTest, TheAvailableIngredientListFindsWhatTheLettersBegin) {
    QStringList &names = st().Data.ItemNamesUp;
    giveNames(names, {{3, QStringLiteral("ЙУ")}, {6, QStringLiteral("ЙЦ")}});
    ASSERT_EQ(entriesStartingWith(names, QStringLiteral("Й")), (std::vector<int>{3, 6}));
    test::useCommand(*form, "MenuShowUsedItemsList");
    QApplication::processEvents();
    TFormUsedItems *window = FormMainTestAccess::toolWindows(*form).usedItems();
    ASSERT_NE(window, nullptr);
    UsedItemsList *list = window->CLbUsedItems;
    // Row r shows ingredient r + 1.
    for (const bool startWithCurrent : {false, true}) {
        SCOPED_TRACE(startWithCurrent);
        setStartWithCurrent(startWithCurrent);
        list->setCurrentRow(0);
        pause();
        type(list, Qt::Key_Q);
        EXPECT_EQ(list->currentRow(), 2);
        type(list, Qt::Key_E);
        EXPECT_EQ(list->currentRow(), 2);
        pause();
        list->setCurrentRow(4);
        type(list, Qt::Key_Q);
        EXPECT_EQ(list->currentRow(), startWithCurrent ? 5 : 2);
        type(list, Qt::Key_E);
        EXPECT_EQ(list->currentRow(), 2) << "ЙУ stands above the current row";
    }
}

TEST_F(KeyboardTest, KeysWithModifiersNeverTakePartInQuickFind) {
    const QStringList &names = st().Data.EffectNamesUp;
    const QChar letter = letterWithEntries(names, 1);
    ASSERT_FALSE(letter.isNull());
    ChooserComboBox *combo = search().CbEffect[3];
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier)}) {
        type(combo, latinKeyOf(letter), modifiers);
        // Nor does the chooser's own search by text take the Cyrillic letter.
        pressCyrillic(combo, letter, modifiers);
        EXPECT_EQ(combo->currentIndex(), 0);
    }
    EXPECT_TRUE(FormMainTestAccess::keys(*form).findBuffer().text.isEmpty());
}

TEST_F(KeyboardTest, TypingInAnOpenDropDownFindsAsWell) {
    const QStringList &names = st().Data.EffectNamesUp;
    const QChar letter = letterWithEntries(names, 1);
    ASSERT_FALSE(letter.isNull());
    ChooserComboBox *combo = search().CbEffect[4];
    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    type(combo->view(), latinKeyOf(letter));
    const int found = entriesStartingWith(names, QString(letter)).front();
    EXPECT_EQ(combo->currentIndex(), found);
    EXPECT_EQ(combo->view()->currentIndex().row(), found);
    EXPECT_EQ(st().session.conditions().WantedEffect[4], found);
    combo->hidePopup();
}

TEST_F(KeyboardTest, ArrowsScrollTheRecipeListWithoutMovingTheSelection) {
    ASSERT_GT(fillRecipeList(30), 0);
    PotionListView *list = ui().LBPotion;
    const int selected = list->currentRow();
    list->setTopIndex(5);
    type(list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(list->topIndex(), 6);
    type(list, Qt::Key_Up, Qt::ControlModifier);
    type(list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(list->topIndex(), 4);
    EXPECT_EQ(list->currentRow(), selected);

    // With the horizontal bar shown, Left and Right move the list sideways.
    QAction *bar = form->action(QStringLiteral("MenuScrollForLBox"));
    if (!bar->isChecked())
        test::useMenuItem(*form, bar);
    QScrollBar *sideways = ui().ScrollBarLB;
    ASSERT_TRUE(sideways->isVisible());
    sideways->setMaximum(500);
    type(list, Qt::Key_Right);
    EXPECT_EQ(sideways->value(), 100);
    type(list, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(sideways->value(), 500);
    type(list, Qt::Key_Left);
    EXPECT_EQ(sideways->value(), 400);
    type(list, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(sideways->value(), 0);
}

TEST_F(KeyboardTest, DigitBookmarksInTheRecipeList) {
    ASSERT_GT(fillRecipeList(4), 0);
    PotionListView *list = ui().LBPotion;
    list->setCurrentRow(3);
    type(list, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(list->currentRow(), 3);
    list->setCurrentRow(1);
    pause();
    type(list, Qt::Key_3);
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(st().session.recipes().CurPotion, st().session.recipes()[3]);
    // A digit never stored selects the first row.
    pause();
    type(list, Qt::Key_8);
    EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(KeyboardTest, FiveIngredientChoosersShareOneBookmarkTable) {
    ui().PageControl->setCurrentWidget(ui().TabSheetSearshFromItem);
    search().CbPrioriryIngredient[0]->setCurrentIndex(5);
    type(search().CbPrioriryIngredient[0], Qt::Key_3, Qt::ControlModifier);
    pause();
    auto *third = test::control<ChooserComboBox>(form, QStringLiteral("CbIngredient3"));
    type(third, Qt::Key_3);
    EXPECT_EQ(third->currentIndex(), 5);
    // The effect choosers keep a table of their own.
    search().CbEffect[1]->setCurrentIndex(4);
    pause();
    type(search().CbEffect[1], Qt::Key_3);
    EXPECT_EQ(search().CbEffect[1]->currentIndex(), 0);
}

TEST_F(KeyboardTest, CtrlArrowsExchangeEffectRowsWithOneSearch) {
    const int wanted = fillRecipeList(2);
    ASSERT_GT(wanted, 0);
    search().CbEffect[1]->setCurrentIndex(1);
    QSignalSpy searches(ui().LBPotion->model(), &QAbstractItemModel::modelReset);
    type(search().CbEffect[0], Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(search().CbEffect[0]->currentIndex(), 1);
    EXPECT_EQ(search().CbEffect[1]->currentIndex(), wanted);
    EXPECT_EQ(st().session.conditions().WantedEffect[0], 1);
    EXPECT_EQ(st().session.conditions().WantedEffect[1], wanted);
    EXPECT_EQ(searches.count(), 1);
    EXPECT_TRUE(search().CbEffect[1]->hasFocus());

    // Beyond the first and the last row nothing happens.
    std::array<int, 5> before{};
    for (int k = 0; k < 5; ++k) {
        search().CbEffect[k]->setCurrentIndex(k + 2);
        before[k] = k + 2;
    }
    searches.clear();
    type(search().CbEffect[4], Qt::Key_Down, Qt::ControlModifier);
    type(search().CbEffect[0], Qt::Key_Up, Qt::ControlModifier);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(search().CbEffect[k]->currentIndex(), before[k]) << k;
    EXPECT_EQ(searches.count(), 0);
}

TEST_F(KeyboardTest, AnEffectExchangedUnderAFilterLooksOverridden) {
    // The filter of row 2 overrides whatever effect the row holds; the
    // gray-disabled option is off (its default).
    ASSERT_FALSE(form->action(QStringLiteral("MenuCanGrayedDisabledItem"))->isChecked());
    search().CbFilter[1]->setCurrentIndex(3);
    search().CbEffect[0]->setCurrentIndex(4);
    EXPECT_FALSE(search().CbEffect[0]->isGrayed());
    type(search().CbEffect[0], Qt::Key_Down, Qt::ControlModifier);
    ASSERT_EQ(search().CbEffect[1]->currentIndex(), 4);
    EXPECT_EQ(search().CbFilter[1]->currentIndex(), 3) << "only the effects change rows";
    EXPECT_TRUE(search().CbEffect[1]->isGrayed());
    EXPECT_FALSE(search().CbEffect[0]->isGrayed());
    search().CbFilter[1]->setCurrentIndex(0);
    EXPECT_FALSE(search().CbEffect[1]->isGrayed());
}

TEST_F(KeyboardTest, ShiftArrowsMoveBetweenChoosersAndSpaceTogglesTheRowsBox) {
    search().CbEffect[0]->setFocus();
    type(search().CbEffect[0], Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(search().CbEffect[1]->hasFocus());
    type(search().CbEffect[1], Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(search().CbFilter[1]->hasFocus());
    type(search().CbFilter[1], Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(search().CbEffect[1]->hasFocus());

    const bool enabled = st().session.conditions().EffectEnabled[1];
    pause();
    type(search().CbEffect[1], Qt::Key_Space);
    EXPECT_NE(search().CBoxEnableEff[1]->isChecked(), enabled);
    EXPECT_NE(st().session.conditions().EffectEnabled[1], enabled);
}

TEST_F(KeyboardTest, CtrlTabTurnsThePagesAroundFromAnyControl) {
    QTabWidget *pages = ui().PageControl;
    ASSERT_EQ(pages->currentIndex(), 0);
    type(search().CbEffect[0], Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    type(ui().LBPotion, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 0);
    type(ui().StringGrid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), pages->count() - 1);
}

TEST_F(KeyboardTest, InsertAndDeleteInTheAlternativeMaking) {
    ui().PageControl->setCurrentWidget(ui().TabSheetAltMake);
    ASSERT_GE(test::altLists(form).effects->currentRow(), 0);
    type(test::altLists(form).effects, Qt::Key_Insert);
    EXPECT_EQ(st().session.alt().AltEffects.size(), 1u);
    test::altLists(form).chosenEffects->setCurrentRow(0);
    type(test::altLists(form).chosenEffects, Qt::Key_Delete);
    EXPECT_TRUE(st().session.alt().AltEffects.empty());
    // Delete in the list of available effects is not a removal.
    type(test::altLists(form).effects, Qt::Key_Delete);
    EXPECT_TRUE(st().session.alt().AltEffects.empty());
}

TEST_F(KeyboardTest, WheelMovesTheChooserUnderThePointer) {
    ChooserComboBox *combo = search().CbEffect[0];
    const int count = combo->count();
    ASSERT_GT(count, 5);
    // Ctrl+Alt: 100 entries, stopping at the last one.
    combo->setCurrentIndex(count - 5);
    wheel(combo, -120, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(combo->currentIndex(), count - 1);
    EXPECT_EQ(st().session.conditions().WantedEffect[0], count - 1);
    wheel(combo, 120, Qt::ShiftModifier);
    EXPECT_EQ(combo->currentIndex(), count - 4);
}

TEST_F(KeyboardTest, WheelRunsTheCommandOfTheChooserItMoves) {
    ui().PageControl->setCurrentWidget(ui().TabSheetSkills);
    auto *ranks = test::control<ChooserComboBox>(form, QStringLiteral("ComboBoxMainAlchPercCount"));
    ASSERT_EQ(ranks->currentIndex(), st().session.skills().AlchemistRanks);
    const int before = ranks->currentIndex();
    wheel(ranks, before < 5 ? -120 : 120);
    EXPECT_NE(ranks->currentIndex(), before);
    EXPECT_EQ(st().session.skills().AlchemistRanks, ranks->currentIndex());

    // An ingredient chooser with its box checked evaluates the combination.
    ui().PageControl->setCurrentWidget(ui().TabSheetSearshFromItem);
    auto *first = test::control<ChooserComboBox>(form, QStringLiteral("CbIngredient1"));
    ASSERT_TRUE(test::control<QCheckBox>(form, QStringLiteral("CBoxCanUseItem1"))->isChecked());
    st().LastSearchType = SearchType::None;
    wheel(first, -120);
    EXPECT_EQ(first->currentIndex(), 1);
    EXPECT_EQ(st().LastSearchType, SearchType::FromItems);
}

TEST_F(KeyboardTest, WheelMovesTheListTopRowAndScrollsTheGridByWholeRows) {
    ASSERT_GT(fillRecipeList(30), 0);
    PotionListView *list = ui().LBPotion;
    list->setTopIndex(0);
    const int selected = list->currentRow();
    wheel(list->viewport(), -120, Qt::ShiftModifier);
    EXPECT_EQ(list->topIndex(), 3);
    EXPECT_EQ(list->currentRow(), selected);

    QTableView *grid = ui().StringGrid;
    grid->verticalScrollBar()->setValue(0);
    wheel(grid->viewport(), -120);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 1);
    wheel(grid->viewport(), -120, Qt::AltModifier);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 11);
}

TEST_F(KeyboardTest, EscapeInTheFullScreenTableBringsItBack) {
    QTableView *grid = ui().StringGrid;
    form->ToggleFullScreen(false);
    ASSERT_NE(ui().FullScreen, nullptr);
    ASSERT_TRUE(ui().FullScreen->isVisible());
    ASSERT_EQ(grid->window(), ui().FullScreen);
    type(grid, Qt::Key_Escape);
    EXPECT_FALSE(ui().FullScreen->isVisible());
    EXPECT_EQ(grid->window(), form.get());
}

TEST_F(KeyboardTest, WheelScrollsTheSidewaysBarAndTheHelpText) {
    QAction *bar = form->action(QStringLiteral("MenuScrollForLBox"));
    if (!bar->isChecked())
        test::useMenuItem(*form, bar);
    QScrollBar *sideways = ui().ScrollBarLB;
    sideways->setMaximum(500);
    sideways->setSingleStep(7);
    wheel(sideways, -120, Qt::ShiftModifier);
    EXPECT_EQ(sideways->value(), 21);
    wheel(sideways, 120, Qt::AltModifier);
    EXPECT_EQ(sideways->value(), 0);

    ui().PageControl->setCurrentWidget(ui().TabSheetHelp);
    QPlainTextEdit *memo = ui().MemoHelp;
    memo->setPlainText(QStringLiteral("строка\n").repeated(200));
    memo->verticalScrollBar()->setValue(0);
    // One line per turn, whatever the modifiers.
    wheel(memo->viewport(), -120, Qt::ControlModifier);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 1);
    wheel(memo->viewport(), 120);
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
}

TEST_F(KeyboardTest, QuickFindInTheGridUsesTheFindColumn) {
    QTableView *grid = ui().StringGrid;
    const int column = st().session.grid().GridFindCol;
    const QString first = grid->model()->index(5, column).data().toString().toUpper();
    ASSERT_FALSE(first.isEmpty());
    const Qt::Key key = latinKeyOf(first[0]);
    ASSERT_NE(key, Qt::Key_unknown);
    setStartWithCurrent(false);
    ui().Image->clear();
    type(grid, key);
    const QModelIndex current = grid->currentIndex();
    EXPECT_EQ(current.column(), column);
    EXPECT_TRUE(current.data().toString().toUpper().startsWith(first[0]));
    EXPECT_LE(current.row(), 5);
    // The row found is chosen as a click chooses it: its picture shows.
    EXPECT_FALSE(ui().Image->pixmap().isNull());
}

TEST_F(KeyboardTest, GridPictureColumnStaysAtTheLeftAndCannotBeCurrent) {
    QTableView *grid = ui().StringGrid;
    // Without a stored row the first data row is the current one.
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    type(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentIndex().column(), 1);

    auto *pictures = grid->findChild<QTableView *>(QStringLiteral("StringGridPictures"));
    ASSERT_NE(pictures, nullptr);
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    ASSERT_GT(grid->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(pictures->isVisible());
    EXPECT_EQ(pictures->x(), grid->frameWidth());
    EXPECT_EQ(pictures->width(), grid->columnWidth(0));
    // Moving back to the first data column brings it out from under the pictures.
    grid->setCurrentIndex(grid->model()->index(2, 2));
    type(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    EXPECT_GE(grid->visualRect(grid->currentIndex()).left(), grid->columnWidth(0));
    // The overlay follows the rows.
    grid->verticalScrollBar()->setValue(4);
    EXPECT_EQ(pictures->verticalScrollBar()->value(), 4);
}

// The key router on its own: what a control does with a key comes from the
// role it was registered with, not from its object name or its class.
class FakeKeyHost final : public KeyRouterHost {
  public:
    FakeKeyHost() { commandGate.setReady(true); }
    CommandGate commandGate;
    std::vector<QObject *> commands;
    std::vector<bool> lockedAtCommand;
    std::vector<QObject *> doubleClicks;
    int repeats = 0;

    CommandGate &gate() override { return commandGate; }
    QuickFindOptions quickFindOptions(FindKind) const override { return {}; }
    FindTexts findTexts(FindKind) const override { return {}; }
    int entryCount(FindKind) const override { return 0; }
    int gridFindColumn() const override { return 0; }
    void runCommand(QObject *sender) override {
        commands.push_back(sender);
        lockedAtCommand.push_back(commandGate.searchesHeld());
    }
    void doubleClick(QObject *sender) override { doubleClicks.push_back(sender); }
    void repeatLastSearch() override { ++repeats; }
    bool closeFullScreen() override { return false; }
};

class KeyRouterRolesTest : public ::testing::Test {
  protected:
    void SetUp() override { window.resize(300, 300); }
    QListView *list(const QString &name, int rows = 3) {
        auto *view = new QListView(&window);
        view->setObjectName(name);
        auto *model = new QStringListModel(&window);
        QStringList texts;
        for (int r = 0; r < rows; ++r)
            texts << QString::number(r);
        model->setStringList(texts);
        view->setModel(model);
        return view;
    }
    ChooserComboBox *chooser(const QString &name) {
        auto *combo = new ChooserComboBox(ChooserComboBox::Kind::Text, data, colors, nullptr, &window);
        combo->setObjectName(name);
        combo->addItems({QStringLiteral("-"), QStringLiteral("a"), QStringLiteral("b")});
        return combo;
    }

    // The application comes before the first widget member.
    bool appReady = (test::ensureApplication(), true);
    GameData data;
    ViewColors colors;
    TickClock clock;
    FakeKeyHost host;
    QWidget window;
    KeyRouter keys{host, clock, nullptr};
};

TEST_F(KeyRouterRolesTest, ListsTakeTheKeysOfTheirRoleOnly) {
    QListView *amount = list(QStringLiteral("LbAltItemsList")); // the name of another role
    QListView *candidates = list(QStringLiteral("plain"));
    QListView *favorites = list(QStringLiteral("LbAltAmountItems"), 200);
    QListView *stranger = list(QStringLiteral("LbAltAmountEffects"));
    keys.registerList(amount, KeyListRole::AltAmountItems);
    keys.registerList(candidates, KeyListRole::AltItems);
    keys.registerList(favorites, KeyListRole::Favorites);
    favorites->setGeometry(0, 0, 100, 60);
    window.show();

    QTest::keyClick(amount, Qt::Key_Insert);
    QTest::keyClick(amount, Qt::Key_Delete);
    QTest::keyClick(candidates, Qt::Key_Delete);
    QTest::keyClick(candidates, Qt::Key_Insert);
    QTest::keyClick(stranger, Qt::Key_Delete);
    QTest::keyClick(favorites, Qt::Key_Delete);
    EXPECT_EQ(host.doubleClicks, (std::vector<QObject *>{amount, candidates}));

    // Ctrl+Down moves the favourites' top row, not their current row.
    const int current = favorites->currentIndex().row();
    QTest::keyClick(favorites, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(favorites->verticalScrollBar()->value(), 1);
    EXPECT_EQ(favorites->currentIndex().row(), current);

    // Before the window is ready no key is taken.
    host.commandGate.setReady(false);
    QTest::keyClick(amount, Qt::Key_Delete);
    EXPECT_EQ(host.doubleClicks.size(), 2u);
}

TEST_F(KeyRouterRolesTest, ChoosersMoveByTheirRegisteredPlaceAndSpaceTogglesTheirBox) {
    // Names that would place them elsewhere: the registration decides.
    ChooserComboBox *first = chooser(QStringLiteral("CbFilter4"));
    ChooserComboBox *second = chooser(QStringLiteral("CbIngredient1"));
    auto *box = new QCheckBox(&window);
    first->setGeometry(0, 0, 100, 20);
    second->setGeometry(0, 30, 100, 20);
    keys.registerChooser(first, {ChooserGroup::Effect, 1}, box);
    keys.registerChooser(second, {ChooserGroup::Effect, 2}, nullptr);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    first->setFocus();

    // Shift+Down: the next effect row takes the focus and runs its command
    // with the search held, then the last search runs once.
    QTest::keyClick(first, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(host.commands, (std::vector<QObject *>{second}));
    EXPECT_EQ(host.lockedAtCommand, (std::vector<bool>{true}));
    EXPECT_EQ(host.repeats, 1);
    EXPECT_FALSE(host.commandGate.searchesHeld());

    // Space toggles the row's box quietly, then runs the box's command.
    bool quietWhileToggled = false;
    QObject::connect(box, &QCheckBox::toggled, &window,
                     [&] { quietWhileToggled = host.commandGate.quiet(); });
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(quietWhileToggled);
    EXPECT_FALSE(host.commandGate.quiet());
    EXPECT_EQ(host.commands.back(), box);
    // A chooser registered without a box leaves Space to itself.
    const std::size_t before = host.commands.size();
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(host.commands.size(), before);
}

TEST_F(KeyRouterRolesTest, CtrlTabTurnsTheRegisteredPagesOnly) {
    auto *pages = new QTabWidget(&window);
    auto *inner = new QTabWidget(pages);
    for (int k = 0; k < 3; ++k) {
        pages->addTab(new QWidget, QString::number(k));
        inner->addTab(new QWidget, QString::number(k));
    }
    keys.registerPages(&window, pages, inner);
    window.show();
    QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(inner, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(inner->currentIndex(), 0);
    QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
}

} // namespace
} // namespace qor
