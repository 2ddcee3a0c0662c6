// The window of the ingredients at hand: its check marks follow the current
// set, every change of the sets re-runs the quick search, and its popup, set
// chooser, rename button and style commands.

#include "gui_test_support.h"

#include "favorites/ui/form_used_items.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qor {
namespace {

class UsedItemsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        ASSERT_TRUE(form->startupError().isEmpty());
        // Every two-effect potion: "Любой" on two lines.
        test::effectSearch(form).CbFilter[0]->setCurrentIndex(2);
        test::effectSearch(form).CbFilter[1]->setCurrentIndex(2);
        allCount = st().session.recipes().PotionCount();
        ASSERT_GT(allCount, 0);
        H = st().Data.itemRecordCount() - 1;
    }
    ProgramState &st() { return form->state(); }
    QAction *act(const char *name) { return form->action(QString::fromLatin1(name)); }
    TFormUsedItems *open() {
        test::useCommand(*form, "MenuShowUsedItemsList");
        QApplication::processEvents();
        return FormMainTestAccess::toolWindows(*form).usedItems();
    }
    QString selected(int n) const { return QStringLiteral(" Выбрано: %1 / %2").arg(n).arg(H); }
    bool usesItem(int item) {
        for (const TPotionRec &rec : st().session.recipes().Potions())
            for (int k = 0; k < rec.ItemCount; ++k)
                if (rec.Items[static_cast<std::size_t>(k)] == item)
                    return true;
        return false;
    }
    // Every row's check mark against the current set.
    void expectChecksShowSet(TFormUsedItems *w, int set) {
        const auto &entries = st().session.ingredientSets().UsedItemsSets[static_cast<std::size_t>(set)];
        for (int row = 0; row < H; ++row)
            ASSERT_EQ(w->CLbUsedItems->isChecked(row), entries[static_cast<std::size_t>(row) + 1] != 0)
                << row;
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
    int allCount = 0;
    int H = 0;
};

TEST_F(UsedItemsWindowTest, OpensOnTheCurrentSetWithItsCount) {
    TFormUsedItems *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Возможные ингредиенты"));
    EXPECT_EQ(w->CLbUsedItems->count(), H);
    EXPECT_EQ(w->CLbUsedItems->currentRow(), 0);
    EXPECT_EQ(w->ComboBoxUsedItemsFilter->count(), 4);
    EXPECT_NE(qobject_cast<ChooserComboBox *>(w->ComboBoxUsedItemsFilter), nullptr);
    EXPECT_EQ(w->ComboBoxUsedItemsFilter->currentIndex(), 0);
    EXPECT_EQ(w->LabelUsedItemsFilterCount->text(), QStringLiteral("Фильтр"));
    EXPECT_EQ(w->ButtFilterRename->text(), QStringLiteral("..."));
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(H)); // set 0 holds all
    expectChecksShowSet(w, 0);
    EXPECT_EQ(w->PMenuUsedItemsGoToEnabled->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Right));
    EXPECT_EQ(w->PMenuUsedItemsGoToDisabled->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Left));
    // Esc belongs to the main window's key handling here: the window stays.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w->CLbUsedItems, &esc);
    EXPECT_TRUE(w->isVisible());
    // The speed button hides it again.
    test::effectSearch(form).ButtFormUsedItems->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(act("MenuShowUsedItemsList")->isChecked());
}

TEST_F(UsedItemsWindowTest, DisableAllEmptiesTheListAndEnableAllRestoresIt) {
    TFormUsedItems *w = open();
    test::clickContextMenuItem(w->CLbUsedItems->viewport(), QPoint(5, 5), w->PMenuUsedItemsDisableAll);
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(0));
    EXPECT_EQ(st().session.recipes().PotionCount(), 0);
    EXPECT_FALSE(w->CLbUsedItems->isChecked(0));
    test::clickContextMenuItem(w->CLbUsedItems->viewport(), QPoint(5, 5), w->PMenuUsedItemsEnableAll);
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(H));
    EXPECT_EQ(st().session.recipes().PotionCount(), allCount);
    expectChecksShowSet(w, 0);
}

TEST_F(UsedItemsWindowTest, SwitchingSetsRechecksRowsAndSearchesAgain) {
    const auto &sets = st().session.ingredientSets().UsedItemsSets;
    // Set 2: the first half of the ingredients.
    st().session.editIngredientSets([this](UsedItemsModel &edited) {
        for (int i = 1; i <= H; ++i)
            edited.UsedItemsSets[2][static_cast<std::size_t>(i)] = i <= H / 2 ? 1 : 0;
    });
    const auto set0 = sets[0];
    TFormUsedItems *w = open();

    w->ComboBoxUsedItemsFilter->setCurrentIndex(2);
    EXPECT_EQ(st().session.ingredientSets().UsedItemsSetIndex, 2);
    expectChecksShowSet(w, 2);
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(H / 2));
    const int halfCount = st().session.recipes().PotionCount();
    EXPECT_LT(halfCount, allCount);
    EXPECT_FALSE(usesItem(H));

    w->ComboBoxUsedItemsFilter->setCurrentIndex(0);
    EXPECT_EQ(sets[0], set0);
    expectChecksShowSet(w, 0);
    EXPECT_EQ(st().session.recipes().PotionCount(), allCount);
}

TEST_F(UsedItemsWindowTest, ACheckToggledInTheWindowChangesTheNextSearch) {
    TFormUsedItems *w = open();
    ASSERT_TRUE(st().session.recipes().PotionCount() > 0);
    const int item = st().session.recipes().Potions()[0].Items[0];
    const int row = item - 1;
    w->CLbUsedItems->setCurrentRow(row);
    w->CLbUsedItems->scrollTo(w->CLbUsedItems->model()->index(row, 0));
    // A click on the row's check box.
    const QRect rect = w->CLbUsedItems->visualRect(w->CLbUsedItems->model()->index(row, 0));
    const QPoint pos = w->CLbUsedItems->checkRect(rect).center();
    QMouseEvent press(QEvent::MouseButtonPress, pos, w->CLbUsedItems->viewport()->mapToGlobal(pos),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->CLbUsedItems->viewport(), &press);
    EXPECT_FALSE(w->CLbUsedItems->isChecked(row));
    EXPECT_EQ(st().session.ingredientSets().UsedItemsSets[0][static_cast<std::size_t>(item)], 0);
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(H - 1));
    EXPECT_FALSE(usesItem(item));
    EXPECT_LT(st().session.recipes().PotionCount(), allCount);
    w->toggleRow(row, true);
    EXPECT_EQ(st().session.recipes().PotionCount(), allCount);
}

TEST_F(UsedItemsWindowTest, DisablingFromTheRecipeListUnchecksTheOpenWindow) {
    TFormUsedItems *w = open();
    form->resize(1280, 900);
    QApplication::processEvents();
    // The current cell: the first ingredient of recipe row 0.
    PotionHeader *header = test::ui(form).Header;
    const QPoint pos(header->sectionPosition(3) + header->sectionSize(3) / 2,
                     test::ui(form).LBPotion->itemHeight() / 2);
    QWidget *viewport = test::ui(form).LBPotion->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, pos, viewport->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, viewport->mapToGlobal(pos), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    const int item = st().session.recipes().Potions()[0].Items[0];
    test::clickContextMenuItem(viewport, pos, act("MenuDisableItemFromUsedList"));
    EXPECT_FALSE(w->CLbUsedItems->isChecked(item - 1));
    EXPECT_EQ(w->PanelUsedItemsSelected->text(), selected(H - 1));
    EXPECT_FALSE(usesItem(item));
}

TEST_F(UsedItemsWindowTest, CtrlArrowsGoToTheNextEnabledOrDisabledRowWithoutWrap) {
    st().session.editIngredientSets([](UsedItemsModel &sets) { sets.UsedItemsSets[0][3] = 0; }); // row 2
    TFormUsedItems *w = open();
    UsedItemsList *list = w->CLbUsedItems;
    w->activateWindow();
    list->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), list);
    const auto goTo = [list](Qt::Key arrow) { QTest::keyClick(list, arrow, Qt::ControlModifier); };
    list->setCurrentRow(0);
    goTo(Qt::Key_Left);
    EXPECT_EQ(list->currentRow(), 2);
    goTo(Qt::Key_Left); // none below: stays
    EXPECT_EQ(list->currentRow(), 2);
    goTo(Qt::Key_Right);
    EXPECT_EQ(list->currentRow(), 3);
    list->setCurrentRow(H - 1); // the last row: nothing below
    goTo(Qt::Key_Right);
    EXPECT_EQ(list->currentRow(), H - 1);
    goTo(Qt::Key_Left);
    EXPECT_EQ(list->currentRow(), H - 1);
    // A dropped ingredient's row is selected.
    w->selectItem(5);
    EXPECT_EQ(list->currentRow(), 4);
    w->selectItem(H + 1);
    EXPECT_EQ(list->currentRow(), 4);
}

TEST_F(UsedItemsWindowTest, RenameKeepsTheNewNameAndCancelChangesNothing) {
    TFormUsedItems *w = open();
    w->ComboBoxUsedItemsFilter->setCurrentIndex(1);
    form->dialogs().clearRecord();
    form->dialogs().setNextAnswer(QStringLiteral("Походный"));
    w->ButtFilterRename->click();
    EXPECT_EQ(form->dialogs().prompts().value(0), QStringLiteral("Название фильтра"));
    EXPECT_EQ(form->dialogs().presetTexts().value(0), QStringLiteral("Набор 2"));
    EXPECT_EQ(w->ComboBoxUsedItemsFilter->itemText(1), QStringLiteral("Походный"));
    EXPECT_EQ(w->ComboBoxUsedItemsFilter->currentIndex(), 1);
    EXPECT_EQ(st().session.ingredientSets().setName(1), QStringLiteral("Походный"));
    form->dialogs().setNextCancel();
    w->ButtFilterRename->click();
    EXPECT_EQ(st().session.ingredientSets().setName(1), QStringLiteral("Походный"));

    // The real prompt opens above the stay-on-top window that asked for it.
    form->dialogs().setScripted(false);
    QString label;
    bool onTop = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            label = box->labelText();
            onTop = box->isVisible() && box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->reject();
        }
    });
    poll.start(10);
    QTest::mouseClick(w->ButtFilterRename, Qt::LeftButton);
    poll.stop();
    form->dialogs().setScripted(true);
    EXPECT_EQ(label, QStringLiteral("Название фильтра"));
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(st().session.ingredientSets().setName(1), QStringLiteral("Походный"));
}

TEST_F(UsedItemsWindowTest, RowHeightFontAndDropDownCommandsReachTheWindow) {
    // Before the window exists the commands only store the settings.
    form->dialogs().setNextAnswer(QStringLiteral("31"));
    test::useCommand(*form, "MenuCLbUsedItemHeight");
    EXPECT_EQ(st().session.block().get(Setting.UsedItemsItemHeight), 31);
    TFormUsedItems *w = open();
    EXPECT_EQ(w->CLbUsedItems->itemHeight(), 31);
    form->dialogs().setNextAnswer(QStringLiteral("500"));
    test::useCommand(*form, "MenuCLbUsedItemHeight");
    EXPECT_EQ(w->CLbUsedItems->itemHeight(), 50);
    EXPECT_EQ(st().session.block().get(Setting.UsedItemsItemHeight), 50);

    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(13);
    form->dialogs().setNextFont(chosen);
    test::useCommand(*form, "MenuFontUsedItems");
    EXPECT_EQ(w->CLbUsedItems->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(st().session.settings().font(SettingsFont::UsedItemsList),
              (FontSetting{QStringLiteral("DejaVu Serif"), 13}));

    form->dialogs().setNextAnswer(QStringLiteral("5"));
    test::useCommand(*form, "MenuSetDropDownCount");
    EXPECT_LE(w->ComboBoxUsedItemsFilter->maxVisibleItems(), 5);
}

} // namespace
} // namespace qor
