// Drag and drop in the main window, driven by real mouse events: the
// recipe-list column moves, the alternative-making limits, the favourites,
// the picture, the effect-slot exchange of the grid, the choosers, the ways a
// drag ends, the presses that are not drags and the drag commands.

#include "gui_test_support.h"

#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "favorites/ui/form_favorites.h"
#include "main_window/ui/reference_table_panel.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"
#include "visuals/ui/drag_image_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace qor {
namespace {

class DragDropTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data.valid());
        open();
    }
    void open() {
        // One window at a time: the picture library is process-wide.
        form.reset();
        form = test::openForm(data);
        form->resize(1280, 900);
        QApplication::processEvents();
    }
    ProgramState &st() { return form->state(); }
    FormControls &ui() { return test::ui(form); }
    const SearchInputs::Controls &search() { return test::effectSearch(form); }
    DragController &drag() { return test::drag(form); }

    void showTab(QWidget *tab) {
        ui().PageControl->setCurrentWidget(tab);
        QApplication::processEvents();
    }
    // Every two-effect potion: "Любой" on two lines.
    void fillRecipes() {
        search().CbFilter[0]->setCurrentIndex(2);
        search().CbFilter[1]->setCurrentIndex(2);
        ASSERT_GE(st().session.recipes().PotionCount(), 3);
    }
    QPoint recipeCell(int row, int column) {
        return {ui().Header->sectionPosition(column) + ui().Header->sectionSize(column) / 2,
                row * ui().LBPotion->itemHeight() + ui().LBPotion->itemHeight() / 2};
    }
    QPoint gridCell(int gridRow, int column) {
        const QModelIndex index = ui().StringGrid->model()->index(gridRow - 1, column);
        ui().StringGrid->scrollTo(index);
        return ui().StringGrid->visualRect(index).center();
    }
    QPoint rowPoint(QAbstractItemView *list, int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    }

    // Press, leave the drag distance, move onto the target and release there.
    void dragAndDrop(QWidget *from, QPoint fromPos, QWidget *to, QPoint toPos,
                     Qt::KeyboardModifiers dropKeys = {}) {
        startDrag(from, fromPos);
        QTest::mouseMove(to, toPos);
        QTest::mouseRelease(to, Qt::LeftButton, dropKeys, toPos);
    }
    void startDrag(QWidget *from, QPoint fromPos, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(from, Qt::LeftButton, keys, fromPos);
        QTest::mouseMove(from, fromPos + QPoint(QApplication::startDragDistance() + 4, 0));
    }
    void expectIdle() {
        EXPECT_FALSE(drag().dragState().pending());
        EXPECT_EQ(drag().dragState().DragSourceRow, -1);
        EXPECT_FALSE(drag().dragState().Dragging);
        EXPECT_FALSE(drag().timerRunning());
        if (const DragImageWindow *image = drag().imageWindow()) {
            EXPECT_FALSE(image->isVisible());
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

std::vector<std::array<std::int32_t, 3>> itemsOf(const PotionList &list) {
    std::vector<std::array<std::int32_t, 3>> out;
    for (const TPotionRec &rec : list.Potions())
        out.push_back(rec.Items);
    return out;
}

TEST_F(DragDropTest, IngredientColumnMovesInTheRecipeList) {
    fillRecipes();
    const int item = st().session.recipes()[0].Items[0];
    const auto before = itemsOf(st().session.recipes());

    // Onto the price column: refused, nothing moves.
    dragAndDrop(ui().LBPotion->viewport(), recipeCell(0, PotionColumn::Item1), ui().LBPotion->viewport(),
                recipeCell(1, PotionColumn::Cost));
    EXPECT_EQ(itemsOf(st().session.recipes()), before);
    expectIdle();

    // Onto ingredient column 2: the ingredient stands there in every recipe.
    // The row pressed was selected by a click before; the drop on another
    // row leaves the selection where it was.
    QTest::mouseClick(ui().LBPotion->viewport(), Qt::LeftButton, {}, recipeCell(0, PotionColumn::Item1));
    QTest::qWait(QApplication::doubleClickInterval() + 10);
    dragAndDrop(ui().LBPotion->viewport(), recipeCell(0, PotionColumn::Item1), ui().LBPotion->viewport(),
                recipeCell(1, PotionColumn::Item1 + 1));
    EXPECT_EQ(ui().LBPotion->currentRow(), 0);
    int found = 0;
    for (const TPotionRec &rec : st().session.recipes().Potions()) {
        if (std::find(rec.Items.begin(), rec.Items.end(), item) != rec.Items.end()) {
            EXPECT_EQ(rec.Items[1], item);
            ++found;
        }
    }
    EXPECT_GE(found, 1);
    expectIdle();
}

TEST_F(DragDropTest, AfterAColumnMoveTheSelectionStaysWithItsRecipe) {
    fillRecipes();
    // Sorted by the first ingredient, a move into that column sorts anew.
    Q_EMIT ui().Header->HeaderSectionClick(PotionColumn::Item1);
    ASSERT_EQ(st().session.recipes().PotionSortCode, PotionColumn::Item1);
    // Rows whose recipe moves elsewhere are the cases that count.
    bool moved = false;
    for (int row = 0; row < 6 && !moved; ++row) {
        const TPotionRec recipe = st().session.recipes()[row];
        if (recipe.ItemCount < 2)
            continue;
        dragAndDrop(ui().LBPotion->viewport(), recipeCell(row, PotionColumn::Item1 + 1),
                    ui().LBPotion->viewport(), recipeCell(row, PotionColumn::Item1));
        const int selected = ui().LBPotion->currentRow();
        ASSERT_GE(selected, 0);
        EXPECT_EQ(rowOfSameIngredients(st().session.recipes(), recipe), selected) << row;
        EXPECT_EQ(st().session.recipes().CurPotion, st().session.recipes()[selected]) << row;
        moved = selected != row;
    }
    EXPECT_TRUE(moved);
    expectIdle();
}

TEST_F(DragDropTest, CtrlAtTheDropSwapsTwoIngredientColumns) {
    fillRecipes();
    const auto before = itemsOf(st().session.recipes());
    // Shift keeps the order, so the records compare row by row.
    dragAndDrop(ui().LBPotion->viewport(), recipeCell(0, PotionColumn::Item1), ui().LBPotion->viewport(),
                recipeCell(2, PotionColumn::Item1 + 1), Qt::ControlModifier | Qt::ShiftModifier);
    const auto after = itemsOf(st().session.recipes());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t r = 0; r < before.size(); ++r) {
        EXPECT_EQ(after[r][0], before[r][1]);
        EXPECT_EQ(after[r][1], before[r][0]);
    }
    expectIdle();
}

TEST_F(DragDropTest, AlternativeListsTakeAtMostThreeIngredientsWithoutRepeats) {
    showTab(ui().TabSheetAltMake);
    AltItemsList *candidates = test::altLists(form).items;
    AltItemsList *chosen = test::altLists(form).chosenItems;
    for (int k = 0; k < 3; ++k) {
        ASSERT_GT(candidates->model()->rowCount(), 0);
        const int item = candidates->itemAt(0);
        dragAndDrop(candidates->viewport(), rowPoint(candidates, 0), chosen->viewport(), QPoint(10, 5));
        ASSERT_EQ(st().session.alt().AltItems.size(), static_cast<std::size_t>(k + 1));
        EXPECT_EQ(st().session.alt().AltItems.back(), item);
        expectIdle();
        if (k == 0) {
            // The same ingredient again, from the grid: refused.
            const int row = st().session.grid().rowOfItem(item);
            dragAndDrop(ui().StringGrid->viewport(), gridCell(row, GridColumn::Item), chosen->viewport(),
                        QPoint(10, 5));
            EXPECT_EQ(st().session.alt().AltItems.size(), 1u);
            // Nor is one the page does not offer (it shares no effect).
            const auto &offered = st().session.alt().AltCandidates;
            int other = 1;
            while (other < st().session.grid().rowCount() &&
                   (st().session.grid().itemAtRow(other) == item ||
                    std::count(offered.begin(), offered.end(), st().session.grid().itemAtRow(other)) > 0))
                ++other;
            ASSERT_LT(other, st().session.grid().rowCount());
            dragAndDrop(ui().StringGrid->viewport(), gridCell(other, GridColumn::Item), chosen->viewport(),
                        QPoint(10, 5));
            EXPECT_EQ(st().session.alt().AltItems.size(), 1u);
            expectIdle();
        }
    }
    // A fourth is refused.
    const int other = st().session.grid().itemAtRow(1) == st().session.alt().AltItems[0] ? 2 : 1;
    dragAndDrop(ui().StringGrid->viewport(), gridCell(other, GridColumn::Item), chosen->viewport(),
                QPoint(10, 5));
    EXPECT_EQ(st().session.alt().AltItems.size(), 3u);

    // Back to the candidates: taken out again.
    const int last = st().session.alt().AltItems.back();
    dragAndDrop(chosen->viewport(), rowPoint(chosen, 2), candidates->viewport(), QPoint(10, 5));
    EXPECT_EQ(std::count(st().session.alt().AltItems.begin(), st().session.alt().AltItems.end(), last), 0);
    expectIdle();
}

TEST_F(DragDropTest, AlternativeEffectsStopAtFiveAndRefuseRepeats) {
    showTab(ui().TabSheetAltMake);
    AltEffectsList *all = test::altLists(form).effects;
    AltEffectsList *chosen = test::altLists(form).chosenEffects;
    const int first = all->effectAt(0);
    dragAndDrop(all->viewport(), rowPoint(all, 0), chosen->viewport(), QPoint(10, 5));
    ASSERT_EQ(st().session.alt().AltEffects, (std::vector<std::int32_t>{first}));
    dragAndDrop(all->viewport(), rowPoint(all, 0), chosen->viewport(), QPoint(10, 5));
    EXPECT_EQ(st().session.alt().AltEffects.size(), 1u);
    expectIdle();
}

TEST_F(DragDropTest, FavouritesReorderAndTakeRecipesThatSurviveARestart) {
    fillRecipes();
    const FavoritesModel &fav = st().session.favorites();
    st().session.editFavorites([&](FavoritesModel &edited) {
        for (int k = 0; k < 3; ++k)
            edited.addPotion(st().session.recipes()[k], QStringLiteral("F%1").arg(k));
    });
    showTab(ui().TabSheetFavorites);
    FavoritesList *list = test::favoritesList(form);
    list->resetRows();
    QApplication::processEvents();
    ASSERT_EQ(list->model()->rowCount(), 3);

    // A recipe of the list dropped on row 1 is inserted there with its
    // default name.
    const int sourceRow = 2;
    const TPotionRec rec = st().session.recipes()[sourceRow];
    const QString name = defaultPotionName(rec, st().Data);
    dragAndDrop(ui().LBPotion->viewport(), recipeCell(sourceRow, PotionColumn::Item1), list->viewport(),
                rowPoint(list, 1));
    ASSERT_EQ(fav.potionCount(), 4);
    EXPECT_EQ(fav.FavPotionNames, (QStringList{"F0", name, "F1", "F2"}));
    EXPECT_EQ(fav.FavPotions[1], rec);
    EXPECT_EQ(list->currentRow(), 1);
    expectIdle();

    // Onto itself: nothing changes.
    dragAndDrop(list->viewport(), rowPoint(list, 2), list->viewport(), rowPoint(list, 2) + QPoint(0, 1));
    EXPECT_EQ(fav.FavPotionNames, (QStringList{"F0", name, "F1", "F2"}));
    // Below the last row: to the end, and it becomes current.
    dragAndDrop(list->viewport(), rowPoint(list, 0), list->viewport(),
                QPoint(10, list->viewport()->height() - 2));
    EXPECT_EQ(fav.FavPotionNames, (QStringList{name, "F1", "F2", "F0"}));
    EXPECT_EQ(list->currentRow(), 3);
    expectIdle();

    form.reset();
    open();
    const FavoritesModel &again = st().session.favorites();
    ASSERT_EQ(again.potionCount(), 4);
    EXPECT_EQ(again.FavPotionNames, (QStringList{name, "F1", "F2", "F0"}));
    EXPECT_EQ(again.FavPotions[0], rec);
}

TEST_F(DragDropTest, DropsOnTheFavouritesWindowShowAtOnceWhereTheyFell) {
    test::useCommand(*form, "MenuShowFormFavorites");
    QApplication::processEvents();
    TFormFavorites *window = FormMainTestAccess::toolWindows(*form).favorites();
    ASSERT_NE(window, nullptr);
    window->setBounds(QRect(form->geometry().right() + 20, form->geometry().top(), 240, 400));
    QApplication::processEvents();
    FavoriteIndexList *items = window->ListBoxFavoriteItems;
    FavoriteIndexList *effects = window->ListBoxFavoriteEffects;
    const FavoritesModel &fav = st().session.favorites();
    ASSERT_TRUE(fav.FavItems.empty());

    // Two ingredients from the grid, each dropped below the last row: the
    // list shows them at once, in the order they came, the last selected.
    const QPoint belowRows(10, items->viewport()->height() - 2);
    for (int gridRow : {1, 2}) {
        dragAndDrop(ui().StringGrid->viewport(), gridCell(gridRow, GridColumn::Item), items->viewport(),
                    belowRows);
        expectIdle();
    }
    const std::vector<std::int32_t> wanted{st().session.grid().itemAtRow(1),
                                           st().session.grid().itemAtRow(2)};
    EXPECT_EQ(fav.FavItems, wanted);
    ASSERT_EQ(items->model()->rowCount(), 2);
    EXPECT_EQ(items->currentRow(), 1);
    EXPECT_EQ(items->elementAt(1), wanted[1]);

    // An effect from the grid into the effects list.
    const GridElement effect = GetGridDataNum(st().Data, st().session.grid(), 1, GridColumn::effect(1), 1);
    ASSERT_GT(effect.result, 0);
    dragAndDrop(ui().StringGrid->viewport(), gridCell(1, GridColumn::effect(1)), effects->viewport(),
                QPoint(10, 5));
    EXPECT_EQ(fav.FavEffects, std::vector<std::int32_t>{effect.result});
    EXPECT_EQ(effects->model()->rowCount(), 1);
    EXPECT_EQ(effects->currentRow(), 0);
    expectIdle();
}

TEST_F(DragDropTest, ThePictureCarriesTheIngredientItShowsAfterAGridSort) {
    // Sorting by price puts another ingredient on the first row.
    Q_EMIT ui().StringGrid->horizontalHeader()->sectionClicked(GridColumn::Price);
    ui().StringGrid->setCurrentIndex(ui().StringGrid->model()->index(0, GridColumn::Item));
    QApplication::processEvents();
    const int shown = st().session.grid().itemAtRow(1);
    ASSERT_NE(shown, 1);
    showTab(ui().TabSheetAltMake);

    startDrag(ui().Image, ui().Image->rect().center());
    EXPECT_EQ(drag().dragState().DragPayload, shown);
    EXPECT_TRUE(drag().dragState().Dragging);
    ASSERT_NE(drag().imageWindow(), nullptr);
    EXPECT_TRUE(drag().imageWindow()->isVisible());
    QTest::mouseMove(test::altLists(form).chosenItems->viewport(), QPoint(10, 5));
    QTest::mouseRelease(test::altLists(form).chosenItems->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(st().session.alt().AltItems, (std::vector<std::int32_t>{shown}));
    expectIdle();
}

TEST_F(DragDropTest, AnEffectDroppedWithinTheGridExchangesSlotsAndResortsUnlessShift) {
    for (bool shift : {false, true}) {
        SCOPED_TRACE(shift);
        open();
        // Sorted by the second effect column, so the exchange changes the order.
        st().session.editGrid([&](GridState &grid) {
            grid.GridSortCode = GridColumn::effect(2);
            SortGrid(st().Data, st().Strengths, grid);
        });
        const int item = st().session.grid().itemAtRow(1);
        const int effect = st().Data.ItemTable[static_cast<std::size_t>(item)].Eff[0].Effect;
        ASSERT_GT(effect, 0);
        const auto orderBefore = st().session.grid().GridRowOrder;
        std::vector<int> holders;
        for (int i = 1; i <= st().Data.highestItem(); ++i) {
            for (const TItemEffect &slot : st().Data.ItemTable[static_cast<std::size_t>(i)].Eff)
                if (slot.Effect == effect)
                    holders.push_back(i);
        }
        const QPoint to = gridCell(1, GridColumn::effect(2));
        const QPoint from = gridCell(1, GridColumn::effect(1));
        dragAndDrop(ui().StringGrid->viewport(), from, ui().StringGrid->viewport(), to,
                    shift ? Qt::ShiftModifier : Qt::NoModifier);
        for (int i : holders)
            EXPECT_EQ(st().Data.ItemTable[static_cast<std::size_t>(i)].Eff[1].Effect, effect) << i;
        // The strengths moved with their slots.
        EXPECT_EQ(st().Strengths, RecalcItemEffects(st().Data, st().session.skills()));
        EXPECT_EQ(st().Strengths.slot(item, 1).Effect, effect);
        GridState expected = st().session.grid();
        if (shift) {
            EXPECT_EQ(st().session.grid().GridRowOrder, orderBefore);
        } else {
            SortGrid(st().Data, st().Strengths, expected);
            EXPECT_EQ(st().session.grid().GridRowOrder, expected.GridRowOrder);
        }
        expectIdle();
    }
}

TEST_F(DragDropTest, CtrlShiftTakesAnEffectOutOfOneChooserIntoAnother) {
    const int effect = 3;
    search().CbEffect[0]->setCurrentIndex(effect);
    QTest::mousePress(search().CbEffect[0], Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier,
                      search().CbEffect[0]->rect().center());
    // The drag runs at once, and the chooser is already empty.
    EXPECT_TRUE(drag().dragState().Dragging);
    EXPECT_EQ(search().CbEffect[0]->currentIndex(), 0);
    EXPECT_EQ(st().session.conditions().WantedEffect[0], 0);
    QTest::mouseMove(search().CbEffect[1], search().CbEffect[1]->rect().center());
    QTest::mouseRelease(search().CbEffect[1], Qt::LeftButton, {}, search().CbEffect[1]->rect().center());
    EXPECT_EQ(search().CbEffect[1]->currentIndex(), effect);
    EXPECT_EQ(st().session.conditions().WantedEffect[1], effect);
    expectIdle();

    // A filter onto an effect chooser is refused.
    search().CbFilter[2]->setCurrentIndex(2);
    QTest::mousePress(search().CbFilter[2], Qt::LeftButton, Qt::ControlModifier,
                      search().CbFilter[2]->rect().center());
    QTest::mouseMove(search().CbEffect[3], search().CbEffect[3]->rect().center());
    QTest::mouseRelease(search().CbEffect[3], Qt::LeftButton, {}, search().CbEffect[3]->rect().center());
    EXPECT_EQ(search().CbEffect[3]->currentIndex(), 0);
    EXPECT_EQ(search().CbFilter[2]->currentIndex(), 2);
    expectIdle();
}

TEST_F(DragDropTest, EscapeAModalDialogOrAHiddenWindowEndTheDragWithoutADrop) {
    const QPoint from = gridCell(1, GridColumn::effect(1));
    const QPoint onto = search().CbEffect[0]->rect().center();

    startDrag(ui().StringGrid->viewport(), from);
    ASSERT_TRUE(drag().dragState().Dragging);
    QTest::keyClick(ui().StringGrid, Qt::Key_Escape);
    expectIdle();
    QTest::mouseMove(search().CbEffect[0], onto);
    QTest::mouseRelease(search().CbEffect[0], Qt::LeftButton, {}, onto);
    EXPECT_EQ(search().CbEffect[0]->currentIndex(), 0);

    startDrag(ui().StringGrid->viewport(), from);
    ASSERT_TRUE(drag().dragState().Dragging);
    {
        QDialog dialog(form.get());
        dialog.setModal(true);
        dialog.show();
        QApplication::processEvents();
        expectIdle();
    }
    QTest::mouseRelease(search().CbEffect[0], Qt::LeftButton, {}, onto);
    EXPECT_EQ(search().CbEffect[0]->currentIndex(), 0);

    startDrag(ui().StringGrid->viewport(), from);
    ASSERT_TRUE(drag().dragState().Dragging);
    form->hide();
    expectIdle();
    form->show();
    QApplication::processEvents();

    // Released over a refusing control.
    startDrag(ui().StringGrid->viewport(), from);
    QTest::mouseMove(ui().LbItemsInfo->viewport(), QPoint(5, 5));
    QTest::mouseRelease(ui().LbItemsInfo->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    expectIdle();
}

TEST_F(DragDropTest, PressesThatAreNotDrags) {
    // Right press: the chooser goes back to item 0 and runs.
    search().CbFilter[0]->setCurrentIndex(2);
    QTest::mousePress(search().CbFilter[0], Qt::RightButton, {}, search().CbFilter[0]->rect().center());
    EXPECT_EQ(search().CbFilter[0]->currentIndex(), 0);
    EXPECT_EQ(st().session.conditions().FilterCode[0], 0);

    // Ctrl + right press on an effect chooser shows the effect in the grid.
    const int effect = 5;
    search().CbEffect[2]->setCurrentIndex(effect);
    QTest::mousePress(search().CbEffect[2], Qt::RightButton, Qt::ControlModifier,
                      search().CbEffect[2]->rect().center());
    EXPECT_EQ(search().CbEffect[2]->currentIndex(), effect);
    const QModelIndex current = ui().StringGrid->currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(GetGridDataNum(st().Data, st().session.grid(), 1, current.column(), current.row() + 1).result,
              effect);

    // Right press on a radio button chooses it.
    QAbstractButton *radio = search().RadioGroupButtons->buttons().last();
    ASSERT_FALSE(radio->isChecked());
    QTest::mousePress(radio, Qt::RightButton, {}, radio->rect().center());
    EXPECT_TRUE(radio->isChecked());
    EXPECT_EQ(st().session.conditions().ItemsCountMode, search().RadioGroupButtons->id(radio));

    // Right and middle presses toggle a check box.
    QCheckBox *box = search().CBoxNeedCheckCost;
    const bool was = box->isChecked();
    // Each press is released again: a button left held would reach every
    // later click of the test program.
    QTest::mousePress(box, Qt::RightButton, {}, box->rect().center());
    QTest::mouseRelease(box, Qt::RightButton, {}, box->rect().center());
    EXPECT_NE(box->isChecked(), was);
    EXPECT_EQ(st().session.conditions().CheckCost, box->isChecked());
    QTest::mousePress(box, Qt::MiddleButton, {}, box->rect().center());
    QTest::mouseRelease(box, Qt::MiddleButton, {}, box->rect().center());
    EXPECT_EQ(box->isChecked(), was);

    // A middle press focuses a list.
    form->activateWindow();
    QApplication::processEvents();
    QTest::mousePress(ui().LBPotion->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    QTest::mouseRelease(ui().LBPotion->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), ui().LBPotion);
    expectIdle();
}

TEST_F(DragDropTest, DragCommandsAreEnabledClampedAndKept) {
    DialogProvider &dialogs = form->dialogs();
    for (const char *name : {"MenuDragTranspatenrMode", "MenuDragBlend", "MenuDragImageSize",
                             "MenuDragShowShadow", "MenuDragFontColor", "MenuFontDrag"})
        EXPECT_TRUE(form->action(QString::fromLatin1(name))->isEnabled()) << name;
    dialogs.setNextAnswer(QStringLiteral("300"));
    test::useCommand(*form, "MenuDragBlend");
    dialogs.setNextAnswer(QStringLiteral("5"));
    test::useCommand(*form, "MenuDragImageSize");
    dialogs.setNextColor(QColor(10, 20, 30));
    test::useCommand(*form, "MenuDragFontColor");
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(15);
    dialogs.setNextFont(font);
    test::useCommand(*form, "MenuFontDrag");
    const bool shadow = st().session.block().get(Setting.DragShadow);
    test::useCommand(*form, "MenuDragShowShadow");
    test::useCommand(*form, "MenuDragTranspatenrMode");

    const auto check = [&](const SettingsBlock &b, const MainSettings &s) {
        EXPECT_EQ(b.get(Setting.DragBlend), 255);
        EXPECT_EQ(b.get(Setting.DragImageSize), 24);
        EXPECT_EQ(b.get(Setting.DragTextColor), 10 | (20 << 8) | (30 << 16));
        EXPECT_EQ(s.font(SettingsFont::DragText).name, QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(s.font(SettingsFont::DragText).size, 15);
        EXPECT_EQ(b.get(Setting.DragShadow), !shadow);
        EXPECT_TRUE(b.get(Setting.DragShapedMode));
    };
    check(st().session.block(), st().session.settings());
    form.reset();
    open();
    check(st().session.block(), st().session.settings());
    EXPECT_TRUE(form->action(QStringLiteral("MenuDragTranspatenrMode"))->isChecked());

    // The picture takes the new look: shaped, so the shadow is a silhouette.
    startDrag(ui().StringGrid->viewport(), gridCell(1, GridColumn::Item));
    ASSERT_NE(drag().imageWindow(), nullptr);
    const QImage &picture = drag().imageWindow()->dragWindow()->bitmap();
    EXPECT_EQ(picture.height(), 24); // the picture size, no frame
    QTest::keyClick(ui().StringGrid, Qt::Key_Escape);
    expectIdle();
}

} // namespace
} // namespace qor
