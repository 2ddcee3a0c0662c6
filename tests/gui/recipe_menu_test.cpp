// The recipe list's context menu: preparation for the cell under the mouse
// and its commands.

#include "gui_test_support.h"

#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/potion_list_ops.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

class RecipeMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        form->resize(1280, 900);
        QApplication::processEvents();
        // Every two-effect potion: "Любой" on two lines.
        test::effectSearch(form).CbFilter[0]->setCurrentIndex(2);
        test::effectSearch(form).CbFilter[1]->setCurrentIndex(2);
        ASSERT_GE(st().session.recipes().PotionCount(), 3);
        dialogs().clearRecord();
    }
    ProgramState &st() { return form->state(); }
    DialogProvider &dialogs() { return form->dialogs(); }
    // Row 0 in the middle of a column.
    QPoint cellPoint(int column) {
        return {test::ui(form).Header->sectionPosition(column) +
                    test::ui(form).Header->sectionSize(column) / 2,
                test::ui(form).LBPotion->itemHeight() / 2};
    }
    // A left press there: the current cell; then the context menu opened
    // there and closed again, as a right click does.
    void pressOn(int column) {
        const QPoint pos = cellPoint(column);
        QMouseEvent press(QEvent::MouseButtonPress, pos,
                          test::ui(form).LBPotion->viewport()->mapToGlobal(pos), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(test::ui(form).LBPotion->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, pos,
                            test::ui(form).LBPotion->viewport()->mapToGlobal(pos), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(test::ui(form).LBPotion->viewport(), &release);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, pos,
                                    test::ui(form).LBPotion->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(test::ui(form).LBPotion->viewport(), &menuEvent);
        QMenu *menu = test::ui(form).PopupMenuLB;
        ASSERT_TRUE(menu->isVisible());
        menu->hide();
    }
    // The press and the double click of a player's double click.
    void doubleClickOn(int column) {
        pressOn(column);
        test::doubleClick(test::ui(form).LBPotion->viewport(), cellPoint(column));
    }
    void run(const char *name) { form->action(QString::fromLatin1(name))->trigger(); }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(RecipeMenuTest, PreparationFollowsTheCellUnderTheMouse) {
    pressOn(PotionColumn::Item1);
    ASSERT_EQ(test::ui(form).LBPotion->currentRow(), 0);
    const int item = st().session.recipes()[0].Items[0];
    const QString name = st().Data.ItemNames[item];
    EXPECT_EQ(form->action(QStringLiteral("MenuDisableItemFromUsedList"))->text(),
              QStringLiteral("Отключить ингредиент \"%1\" из списка возможных").arg(name));
    EXPECT_TRUE(form->action(QStringLiteral("PMenuLbPotionMarkerSetToItem"))->isEnabled());
    EXPECT_FALSE(form->action(QStringLiteral("PMenuLbPotionMarkerSetToEffect"))->isEnabled());
    EXPECT_EQ(form->action(QStringLiteral("PMenuShowLbPotionsCountCurElement"))->text(),
              QStringLiteral("Показать кол-во элементов \"%1\" в списке").arg(name));
    EXPECT_TRUE(form->action(QStringLiteral("PMenuDeletePotion"))->isEnabled());

    pressOn(PotionColumn::Cost);
    EXPECT_FALSE(form->action(QStringLiteral("MenuDisableItemFromUsedList"))->isEnabled());
    EXPECT_FALSE(form->action(QStringLiteral("PMenuDelPotionsWithCurElement"))->isEnabled());
    EXPECT_EQ(form->action(QStringLiteral("PMenuDelPotionsWithCurElement"))->text(),
              QStringLiteral("Удалить все рецепты содержащие: \" \""));
}

TEST_F(RecipeMenuTest, DetailsAndCountMessages) {
    pressOn(PotionColumn::effect(1));
    run("PMenuShowDetailInfo");
    ASSERT_EQ(dialogs().messages().size(), 1u);
    EXPECT_EQ(dialogs().messages().back().caption, QStringLiteral("Эффекты компонентов"));
    EXPECT_EQ(dialogs().messages().back().icon, MessageIcon::None);
    EXPECT_EQ(dialogs().messages().back().text, potionDetailsText(st().Data, st().session.recipes()[0]));

    run("PMenuShowLbPotionsCountCurElement");
    ASSERT_EQ(dialogs().messages().size(), 2u);
    const int effect = st().session.recipes()[0].Effects[0].Effect;
    int expected = 0;
    for (const TPotionRec &rec : st().session.recipes().Potions())
        for (int s = 0; s < rec.EffCount; ++s)
            if (rec.Effects[static_cast<std::size_t>(s)].Effect == effect) {
                ++expected;
                break;
            }
    EXPECT_EQ(dialogs().messages().back().text,
              QStringLiteral("%1: %2     ").arg(st().Data.EffectNames[effect]).arg(expected));
}

TEST_F(RecipeMenuTest, GoToNumberAndDeletions) {
    const int count = st().session.recipes().PotionCount();
    dialogs().setNextAnswer(QStringLiteral("0"));
    run("PMenuLbGoToNum");
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), -1);
    dialogs().setNextAnswer(QString::number(count + 50));
    run("PMenuLbGoToNum");
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), count - 1);
    EXPECT_EQ(st().session.recipes().CurPotion, st().session.recipes()[count - 1]);

    // Deleting the last recipe selects the new last one.
    run("PMenuDeletePotion");
    EXPECT_EQ(st().session.recipes().PotionCount(), count - 1);
    EXPECT_EQ(test::ui(form).LBPotion->currentRow(), count - 2);
    EXPECT_EQ(test::ui(form).PanelCount->text(), panelCountText(count - 1));

    // Deleting every recipe with the first ingredient of the pressed row.
    pressOn(PotionColumn::Item1);
    ASSERT_GE(test::ui(form).LBPotion->currentRow(), 0);
    const int item = st().session.recipes()[test::ui(form).LBPotion->currentRow()].Items[0];
    run("PMenuDelPotionsWithCurElement");
    for (const TPotionRec &rec : st().session.recipes().Potions())
        for (int k = 0; k < rec.ItemCount; ++k)
            EXPECT_NE(rec.Items[static_cast<std::size_t>(k)], item);
    EXPECT_EQ(test::ui(form).PanelCount->text(), panelCountText(st().session.recipes().PotionCount()));
}

TEST_F(RecipeMenuTest, DeletingTheOnlyRecipeClearsTheStrip) {
    while (st().session.recipes().PotionCount() > 1) {
        test::ui(form).LBPotion->setCurrentRow(0);
        run("PMenuDeletePotion");
    }
    test::ui(form).LBPotion->setCurrentRow(0);
    EXPECT_FALSE(test::ui(form).LabelAddInfo->text().isEmpty());
    run("PMenuDeletePotion");
    EXPECT_EQ(st().session.recipes().PotionCount(), 0);
    EXPECT_TRUE(test::ui(form).LabelAddInfo->text().isEmpty());
    EXPECT_EQ(st().session.recipes().CurPotion, TPotionRec{});
}

TEST_F(RecipeMenuTest, FavouritesMarkersAndTheAvailableSet) {
    pressOn(PotionColumn::Item1);
    const TPotionRec rec = st().session.recipes()[0];
    const int item = rec.Items[0];
    run("PMenuPotionAddToFavorites");
    EXPECT_EQ(st().session.favorites().potionCount(), 0); // cancelled
    dialogs().setNextAnswer(QStringLiteral("Мой рецепт"));
    run("PMenuPotionAddToFavorites");
    EXPECT_EQ(dialogs().prompts().back(), QStringLiteral("Название текущего зелья"));
    ASSERT_EQ(st().session.favorites().potionCount(), 1);
    EXPECT_EQ(st().session.favorites().FavPotionNames[0], QStringLiteral("Мой рецепт"));
    EXPECT_EQ(st().session.favorites().FavPotions[0], rec);

    dialogs().setNextColor(QColor(10, 20, 30));
    run("PMenuLbPotionMarkerSetToItem");
    EXPECT_TRUE(st().Data.ItemTable[static_cast<std::size_t>(item)].Marked);
    EXPECT_EQ(st().Data.ItemTable[static_cast<std::size_t>(item)].MarkerColor, 10 | (20 << 8) | (30 << 16));
    run("PMenuLbPotionMarkerSetToItem");
    EXPECT_FALSE(st().Data.ItemTable[static_cast<std::size_t>(item)].Marked);
    dialogs().setNextColor(Qt::red);
    run("PMenuLbPotionMarkerSetToPoisonEffect");
    for (const TEffectRec &effect : st().Data.EffectTable)
        EXPECT_EQ(effect.Marked, effect.Harmful == 1);
    run("PMenuLbPotionMarkersOff");
    for (const TEffectRec &effect : st().Data.EffectTable)
        EXPECT_FALSE(effect.Marked);

    run("MenuDisableItemFromUsedList");
    EXPECT_EQ(st().session.ingredientSets().ItemAvailable[static_cast<std::size_t>(item)], 0);
    for (const TPotionRec &rec2 : st().session.recipes().Potions())
        for (int k = 0; k < rec2.ItemCount; ++k)
            EXPECT_NE(rec2.Items[static_cast<std::size_t>(k)], item);
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST_F(RecipeMenuTest, FavouritesTabShowsRenamesAndDeletes) {
    for (int row = 0; row < 3; ++row) {
        test::ui(form).LBPotion->setCurrentRow(row);
        dialogs().setNextAnswer(QStringLiteral("fav%1").arg(row));
        run("PMenuPotionAddToFavorites");
    }
    const FavoritesModel &fav = st().session.favorites();
    ASSERT_EQ(fav.potionCount(), 3);
    FavoritesList *list = test::favoritesList(form);
    ASSERT_EQ(test::ui(form).TabSheetFavorites->findChild<FavoritesList *>(QStringLiteral("LBFavorites")),
              list);
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetFavorites);
    QApplication::processEvents();
    ASSERT_EQ(list->model()->rowCount(), 3);

    const QPoint row1 = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row1);
    ASSERT_EQ(st().session.recipes().PotionCount(), 1);
    EXPECT_EQ(st().session.recipes().CurPotion, fav.FavPotions[1]);
    EXPECT_TRUE(form->action(QStringLiteral("PMenuDeleteFavoriteItem"))->isEnabled());

    // A right click opens the list's own menu.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, row1, list->viewport()->mapToGlobal(row1));
    QApplication::sendEvent(list->viewport(), &menuEvent);
    EXPECT_TRUE(test::ui(form).PopupMenuLBFavorites->isVisible());
    test::ui(form).PopupMenuLBFavorites->hide();

    run("PMenuFavoritesShowAllToLbpotions");
    EXPECT_EQ(st().session.recipes().PotionCount(), 3);
    EXPECT_EQ(test::ui(form).PanelCount->text(), panelCountText(3));

    dialogs().setNextAnswer(QStringLiteral("новое имя"));
    run("PMenuRenameFavoriteItem");
    EXPECT_EQ(fav.FavPotionNames[1], QStringLiteral("новое имя"));

    // Deleting the last favourite moves the selection up and shows it.
    test::favoritesList(form)->setCurrentRow(2);
    run("PMenuDeleteFavoriteItem");
    ASSERT_EQ(fav.potionCount(), 2);
    EXPECT_EQ(test::favoritesList(form)->currentRow(), 1);
    ASSERT_EQ(st().session.recipes().PotionCount(), 1);
    EXPECT_EQ(st().session.recipes().CurPotion, fav.FavPotions[1]);
}

} // namespace
} // namespace qor

namespace qor {
namespace {

// A double click on the recipe list shows the ingredient or effect of the
// cell in the reference table; with Ctrl it shows the cell's text.
TEST_F(RecipeMenuTest, DoubleClickShowsTheCellsElementInTheGrid) {
    const TPotionRec rec = st().session.recipes()[0];
    doubleClickOn(PotionColumn::Item1);
    const QModelIndex ingredientCell = test::ui(form).StringGrid->currentIndex();
    ASSERT_TRUE(ingredientCell.isValid());
    EXPECT_EQ(st().session.grid().itemAtRow(ingredientCell.row() + 1), rec.Items[0]);
    EXPECT_EQ(ingredientCell.column(), 1);

    doubleClickOn(PotionColumn::effect(1));
    const QModelIndex effectCell = test::ui(form).StringGrid->currentIndex();
    const int item = st().session.grid().itemAtRow(effectCell.row() + 1);
    const int slot = (effectCell.column() - 7) / 6;
    ASSERT_GE(slot, 0);
    ASSERT_LT(slot, 4);
    EXPECT_EQ((effectCell.column() - 7) % 6, 0);
    EXPECT_EQ(st().Data.ItemTable[static_cast<std::size_t>(item)].Eff[static_cast<std::size_t>(slot)].Effect,
              rec.Effects[0].Effect);
    EXPECT_TRUE(dialogs().prompts().isEmpty());
}

TEST_F(RecipeMenuTest, DoubleClickOnTheGridShowsTheCellTextUnderItsCaption) {
    QAbstractItemModel *model = test::ui(form).StringGrid->model();
    QTableView *grid = test::ui(form).StringGrid;
    grid->setCurrentIndex(model->index(2, 1));
    test::doubleClick(grid->viewport(), grid->visualRect(model->index(2, 1)).center());
    ASSERT_EQ(dialogs().prompts().size(), 1);
    EXPECT_EQ(dialogs().prompts().front(), model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString());
    EXPECT_EQ(dialogs().presetTexts().front(), model->data(model->index(2, 1)).toString());
    // The picture column cannot become the current cell.
    test::ui(form).StringGrid->setCurrentIndex(model->index(2, 0));
    EXPECT_EQ(test::ui(form).StringGrid->currentIndex().column(), 1);
}

} // namespace
} // namespace qor
