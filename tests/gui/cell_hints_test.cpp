// Cell hints in the window: which cut-off cells show their whole text, where
// the hint window lies, that staying in one cell does not put it up again,
// and the menu's hint switch.

#include "gui_test_support.h"

#include "favorites/ui/form_used_items.h"
#include "favorites/ui/used_items_list.h"
#include "hints/ui/cell_hints.h"
#include "main_window/ui/tool_windows.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

#include <gtest/gtest.h>

namespace qor {
namespace {

class CellHintsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        form->resize(1000, 760);
        QApplication::processEvents();
        QAction *hints = form->action(QStringLiteral("MenuShowHints"));
        if (!hints->isChecked())
            test::useMenuItem(*form, hints);
        test::effectSearch(form).CbFilter[0]->setCurrentIndex(2);
        test::effectSearch(form).CbFilter[1]->setCurrentIndex(2);
        ASSERT_GE(form->state().session.recipes().PotionCount(), 3);
    }
    CellHints &hints() { return FormMainTestAccess::cellHints(*form); }
    FormControls &ui() { return test::ui(form); }
    const SearchInputs::Controls &search() { return test::effectSearch(form); }
    QWidget *viewport() { return ui().LBPotion->viewport(); }
    // The middle of a recipe cell, in the list's viewport.
    QPoint recipeCell(int column, int row) {
        return {ui().Header->sectionLeft(column) + ui().Header->sectionSize(column) / 2,
                row * ui().LBPotion->itemHeight() + ui().LBPotion->itemHeight() / 2};
    }
    QString itemName(int row, int slot) {
        return form->state().Data.ItemNames.value(form->state().session.recipes()[row].Items[slot]);
    }
    int width(QWidget *w, const QString &text) { return QFontMetrics(w->font()).horizontalAdvance(text); }
    void moveOver(QWidget *eventWidget, const QPoint &pos) {
        QMouseEvent move(QEvent::MouseMove, pos, eventWidget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(eventWidget, &move);
    }
    bool shown() { return hints().hintVisible(); }
    QString hintText() { return hints().hintWindow() ? hints().hintWindow()->text() : QString(); }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(CellHintsTest, IngredientCellCountsThePictureAndTheHintLiesOverTheCellRightOfIt) {
    const int rowHeight = ui().LBPotion->itemHeight();
    const QString name = itemName(1, 0);
    const int textWidth = width(ui().LBPotion, name);
    // Wide enough for the text alone, not for picture and text.
    ui().Header->resizeSection(PotionColumn::Item1, textWidth + rowHeight / 2);
    QApplication::processEvents();
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 1));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), name);
    const QPoint cellOrigin =
        viewport()->mapToGlobal(QPoint(ui().Header->sectionLeft(PotionColumn::Item1), 0));
    const QRect hint = hints().hintWindow()->geometry();
    EXPECT_EQ(hint.topLeft(), cellOrigin + QPoint(rowHeight - 1, rowHeight));
    EXPECT_EQ(hint.height(), rowHeight);
    EXPECT_EQ(hints().hintWindow()->font(), ui().LBPotion->font());
    EXPECT_EQ(hints().HintControl(), ui().LBPotion);

    // The window changes size: the cell is no longer under the hint.
    form->resize(form->width() - 40, form->height() - 30);
    QApplication::processEvents();
    EXPECT_FALSE(shown());
    form->resize(1000, 760);
    QApplication::processEvents();

    // Room for picture and text: the hint goes.
    ui().Header->resizeSection(PotionColumn::Item1, textWidth + rowHeight + 4);
    QApplication::processEvents();
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 1));
    EXPECT_FALSE(shown());
}

TEST_F(CellHintsTest, StayingInOneCellDoesNotPutTheHintUpAgain) {
    ui().Header->resizeSection(PotionColumn::Item1, 30);
    QSignalSpy spy(&hints(), &CellHints::hintShown);
    QPoint pos = recipeCell(PotionColumn::Item1, 0);
    moveOver(viewport(), pos);
    ASSERT_TRUE(shown());
    const QRect first = hints().hintWindow()->geometry();
    moveOver(viewport(), pos + QPoint(3, 2));
    moveOver(viewport(), pos + QPoint(-2, 4));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(hints().hintWindow()->geometry(), first);
    // The next row's cell puts it up again, one row lower.
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 1));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(hints().hintWindow()->geometry().top(), first.top() + ui().LBPotion->itemHeight());
    // A press hides it.
    QMouseEvent press(QEvent::MouseButtonPress, pos, viewport()->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport(), &press);
    EXPECT_FALSE(shown());
}

TEST_F(CellHintsTest, MouseOnTheHintReachesTheListBeneath) {
    ui().Header->resizeSection(PotionColumn::Item1, 30);
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 2));
    ASSERT_TRUE(shown());
    TQORHintWindow *window = hints().hintWindow();
    // Where the window system hands the hint the mouse, a move over the
    // hint still reaches the list's hint builder and lit-cell tracking ...
    const QPoint inside(window->width() - 3, window->height() / 2);
    QMouseEvent move(QEvent::MouseMove, inside, window->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    EXPECT_TRUE(shown());
    // ... and a click selects the row under it.
    ASSERT_NE(ui().LBPotion->currentRow(), 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, window->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    EXPECT_FALSE(shown());
    EXPECT_EQ(ui().LBPotion->currentRow(), 2);
}

TEST_F(CellHintsTest, CellScrolledPartlyOutToTheLeftAlwaysHints) {
    for (int k = 0; k < ui().Header->count(); ++k)
        ui().Header->resizeSection(k, 150);
    QApplication::processEvents();
    // Cost: short numbers that fit a 150-pixel column.
    const int column = PotionColumn::Cost;
    moveOver(viewport(), recipeCell(column, 0));
    EXPECT_FALSE(shown());
    ASSERT_GT(ui().ScrollBarLB->maximum(), ui().Header->sectionLeft(column) + 10);
    ui().ScrollBarLB->setValue(ui().Header->sectionLeft(column) + 10);
    QApplication::processEvents();
    moveOver(viewport(), recipeCell(column, 0) + QPoint(20, 0));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(),
              GetPotionCellText(form->state().Data, form->state().session.recipes(), 0, column, false));
    EXPECT_EQ(hints().hintWindow()->x(),
              viewport()->mapToGlobal(QPoint(ui().Header->sectionLeft(column) - 1, 0)).x());
}

TEST_F(CellHintsTest, HeadersHintBelowTheirRow) {
    // The recipe list's header: a caption cut short.
    const int column = PotionColumn::effect(1);
    ui().Header->resizeSection(column, 12);
    QWidget *headerPort = ui().Header->viewport();
    moveOver(headerPort, QPoint(ui().Header->sectionLeft(column) + 6, 5));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), potionColumnCaption(column));
    EXPECT_EQ(hints().hintWindow()->pos(),
              headerPort->mapToGlobal(QPoint(ui().Header->sectionLeft(column), ui().Header->height() + 5)));

    // The reference table's header row.
    QHeaderView *gridHeader = ui().StringGrid->horizontalHeader();
    gridHeader->resizeSection(2, 10);
    QApplication::processEvents();
    const int left = gridHeader->sectionViewportPosition(2);
    moveOver(gridHeader->viewport(), QPoint(left + 5, gridHeader->height() / 2));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), ui().StringGrid->model()->headerData(2, Qt::Horizontal).toString());
    EXPECT_EQ(hints().hintWindow()->pos(),
              gridHeader->viewport()->mapToGlobal(QPoint(left - 1, gridHeader->height() + 5)));
    EXPECT_EQ(hints().hintWindow()->height(), ui().StringGrid->verticalHeader()->defaultSectionSize());

    // A table cell that fits: nothing; one cut short: over the cell.
    gridHeader->resizeSection(1, 300);
    QApplication::processEvents();
    const QModelIndex cell = ui().StringGrid->model()->index(0, 1);
    const QRect rect = ui().StringGrid->visualRect(cell);
    moveOver(ui().StringGrid->viewport(), rect.center());
    EXPECT_FALSE(shown());
    gridHeader->resizeSection(1, 30);
    QApplication::processEvents();
    const QRect narrow = ui().StringGrid->visualRect(cell);
    moveOver(ui().StringGrid->viewport(), narrow.center());
    ASSERT_TRUE(shown());
    EXPECT_EQ(hints().hintWindow()->pos(),
              ui().StringGrid->viewport()->mapToGlobal(narrow.topLeft() - QPoint(1, 0)));
}

TEST_F(CellHintsTest, RecipeStripListsHintOverTheirRows) {
    ui().LBPotion->setCurrentRow(0);
    QApplication::processEvents();
    const TPotionRec &cur = form->state().session.recipes().CurPotion;
    ASSERT_GT(cur.Items[0], 0);

    // The ingredient list: the name right of the picture's square.
    ItemsInfoList *items = ui().LbItemsInfo;
    const int side = items->itemHeight();
    const QString name = form->state().Data.ItemNames.value(cur.Items[0]);
    const QRect row0 = items->visualRect(items->model()->index(0, 0));
    items->setFixedWidth(side + width(items, name) + 30);
    QApplication::processEvents();
    moveOver(items->viewport(), row0.center());
    EXPECT_FALSE(shown());
    items->setFixedWidth(side + width(items, name) / 2);
    QApplication::processEvents();
    moveOver(items->viewport(), row0.center());
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), name);
    EXPECT_EQ(hints().hintWindow()->pos(), items->viewport()->mapToGlobal(QPoint(side - 1, row0.top())));
    EXPECT_EQ(hints().hintWindow()->height(), side);

    // The effect list: the base cost cut by a narrow section.
    EffectInfoList *effects = ui().LbEffectInfo;
    PotionHeader *header = ui().HeaderEffInfo;
    const int column = 1;
    header->resizeSection(column, 12);
    QApplication::processEvents();
    const int left = header->sectionLeft(column);
    const QRect effectRow = effects->visualRect(effects->model()->index(0, 0));
    // A locale changed during the run leaves the separator as the window
    // took it at its start, the same as the reference table's weights.
    const QLocale saved;
    const QString point = form->state().DecimalPoint;
    QLocale::setDefault(point == QStringLiteral(".") ? QLocale(QLocale::Russian, QLocale::Russia)
                                                     : QLocale::c());
    moveOver(effects->viewport(), QPoint(left + 6, effectRow.center().y()));
    const QString weight =
        ui().StringGrid->model()->index(0, GridColumn::Weight).data(Qt::DisplayRole).toString();
    QLocale::setDefault(saved);
    ASSERT_TRUE(shown());
    const QString baseCost = GetPotEffDataStr(form->state().Data, cur, 1, column, point);
    EXPECT_EQ(hintText(), baseCost);
    EXPECT_EQ(baseCost.contains(QLatin1Char('.')) || baseCost.contains(QLatin1Char(',')),
              baseCost.contains(point));
    EXPECT_FALSE(weight.contains(point == QStringLiteral(".") ? QLatin1Char(',') : QLatin1Char('.')));
    EXPECT_EQ(hints().hintWindow()->pos(),
              effects->viewport()->mapToGlobal(QPoint(left - 1, effectRow.top())));
    // Its header hints the caption below itself; a border hints nothing.
    moveOver(header->viewport(), QPoint(left + 6, 3));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), potEffColumnCaption(column));
    moveOver(header->viewport(), QPoint(left, 3));
    EXPECT_FALSE(shown());
}

TEST_F(CellHintsTest, ChooserHintsOnlyWhenItsTextIsCut) {
    ChooserComboBox *effect = search().CbEffect[2];
    // The longest effect name.
    int longest = 1;
    for (int k = 1; k < effect->count(); ++k) {
        if (effect->itemText(k).size() > effect->itemText(longest).size())
            longest = k;
    }
    effect->setCurrentIndex(longest);
    effect->setFixedWidth(width(effect, effect->itemText(longest)) + 80);
    QApplication::processEvents();
    moveOver(effect, QPoint(10, 5));
    EXPECT_FALSE(shown());

    effect->setFixedWidth(60);
    QApplication::processEvents();
    moveOver(effect, QPoint(10, 5));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), effect->itemText(longest));
    EXPECT_EQ(hints().hintWindow()->pos(), effect->mapToGlobal(QPoint(0, effect->height() + 2)));
}

TEST_F(CellHintsTest, HintSwitchTurnsThemOffAndListsJoinThroughOneCall) {
    ui().Header->resizeSection(PotionColumn::Item1, 30);
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 0));
    ASSERT_TRUE(shown());
    test::useCommand(*form, "MenuShowHints"); // off
    EXPECT_FALSE(shown());
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 1));
    EXPECT_FALSE(shown());
    test::useCommand(*form, "MenuShowHints"); // on
    moveOver(viewport(), recipeCell(PotionColumn::Item1, 1));
    EXPECT_TRUE(shown());

    // A list of another window joins with its row texts.
    QListWidget list;
    list.resize(80, 100);
    list.addItems({QStringLiteral("кратко"), QStringLiteral("очень длинная строка, которая не помещается")});
    list.show();
    QApplication::processEvents();
    hints().addList(&list, [&list](int row) { return list.item(row)->text(); });
    const QRect row0 = list.visualRect(list.model()->index(0, 0));
    const QRect row1 = list.visualRect(list.model()->index(1, 0));
    moveOver(list.viewport(), row0.center());
    EXPECT_FALSE(shown());
    moveOver(list.viewport(), row1.center());
    ASSERT_TRUE(shown());
    EXPECT_EQ(hints().HintControl(), &list);
    EXPECT_EQ(hints().hintWindow()->pos(), list.viewport()->mapToGlobal(row1.topLeft() - QPoint(1, 0)));
    EXPECT_EQ(hints().hintWindow()->height(), row1.height());
}

// Each part registers its own choosers and lists: every chooser of the
// window and the help list hint once their text is cut.
TEST_F(CellHintsTest, EveryChooserOfTheWindowAndTheHelpListHint) {
    // The ingredient choosers and the help list are filled on their page's
    // first entry.
    for (QWidget *page : {ui().TabSheetSearshFromItem, ui().TabSheetHelp}) {
        ui().PageControl->setCurrentWidget(page);
        QApplication::processEvents();
    }
    const QList<ChooserComboBox *> choosers = form->findChildren<ChooserComboBox *>();
    ASSERT_GE(choosers.size(), 18);
    for (ChooserComboBox *chooser : choosers) {
        int longest = 0;
        for (int k = 1; k < chooser->count(); ++k) {
            if (chooser->itemText(k).size() > chooser->itemText(longest).size())
                longest = k;
        }
        // An ingredient chooser draws the name of its row's ingredient.
        ASSERT_GT(chooser->count(), 1) << chooser->objectName().toStdString();
        chooser->setCurrentIndex(chooser->kind() == ChooserComboBox::Kind::Ingredient ? 1 : longest);
        chooser->setFixedWidth(30);
        hints().HideCellHint();
        moveOver(chooser, QPoint(10, 5));
        EXPECT_TRUE(shown()) << chooser->objectName().toStdString();
        EXPECT_EQ(hints().HintControl(), chooser) << chooser->objectName().toStdString();
    }

    QListWidget *help = ui().LbHelp;
    ASSERT_GT(help->count(), 0);
    help->setFixedWidth(40);
    QApplication::processEvents();
    const QRect row0 = help->visualRect(help->model()->index(0, 0));
    ASSERT_GT(width(help, help->item(0)->text()), help->viewport()->width());
    hints().HideCellHint();
    moveOver(help->viewport(), row0.center());
    ASSERT_TRUE(shown());
    EXPECT_EQ(hints().HintControl(), help);
    EXPECT_EQ(hintText(), help->item(0)->text());
}

TEST_F(CellHintsTest, ToolWindowListsHintTheirCutNamesAfterThePicture) {
    test::useCommand(*form, "MenuShowUsedItemsList");
    TFormUsedItems *window = FormMainTestAccess::toolWindows(*form).usedItems();
    ASSERT_NE(window, nullptr);
    UsedItemsList *list = window->CLbUsedItems;
    const QString name = list->rowText(0);
    const int indent = list->textIndent(0);
    // Room for the picture and half the name: the name is cut.
    window->resize(indent + width(list, name) / 2 + list->verticalScrollBar()->sizeHint().width() + 8,
                   window->height());
    QApplication::processEvents();
    const QRect row0 = list->visualRect(list->model()->index(0, 0));
    moveOver(list->viewport(), QPoint(indent + 4, row0.center().y()));
    ASSERT_TRUE(shown());
    EXPECT_EQ(hintText(), name);
    EXPECT_EQ(hints().HintControl(), list);

    // Wide enough for every name: no hint.
    window->resize(indent + width(list, name) + 200, window->height());
    QApplication::processEvents();
    moveOver(list->viewport(), QPoint(indent + 4, row0.center().y() + list->itemHeight()));
    EXPECT_FALSE(shown());
}

} // namespace
} // namespace qor
