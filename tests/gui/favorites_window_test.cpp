// The favourites window: showing and hiding with its menu check, the popup
// commands of both lists and drops into the lists.

#include "gui_test_support.h"

#include "favorites/ui/form_favorites.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qor {
namespace {

using Kind = FavoriteIndexList::Kind;
using Ints = std::vector<std::int32_t>;

class FavoritesWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        ASSERT_TRUE(form->startupError().isEmpty());
        st().session.editFavorites([](FavoritesModel &fav) {
            fav.FavItems = {3, 5, 7};
            fav.FavEffects = {2, 4, 6};
        });
    }
    ProgramState &st() { return form->state(); }
    DialogProvider &dialogs() { return form->dialogs(); }
    QAction *act(const char *name) { return form->action(QString::fromLatin1(name)); }
    TFormFavorites *window() { return FormMainTestAccess::toolWindows(*form).favorites(); }
    TFormFavorites *open() {
        if (!act("MenuShowFormFavorites")->isChecked())
            test::useCommand(*form, "MenuShowFormFavorites");
        QApplication::processEvents();
        return window();
    }

    // A right click on the first row of a list, then on the item.
    void rightClick(FavoriteIndexList *list, QAction *item) {
        test::clickContextMenuItem(list->viewport(), QPoint(5, 5), item);
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(FavoritesWindowTest, MenuButtonAndEscShowAndHideOneWindow) {
    EXPECT_EQ(window(), nullptr); // created on first showing only
    test::useCommand(*form, "MenuShowFormFavorites");
    TFormFavorites *first = window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Избранное"));
    EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(first->ListBoxFavoriteItems->count(), 3);
    EXPECT_EQ(first->ListBoxFavoriteEffects->count(), 3);

    // Esc in a list hides the window and clears the menu check.
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(first->ListBoxFavoriteItems, &esc);
    EXPECT_FALSE(first->isVisible());
    EXPECT_FALSE(act("MenuShowFormFavorites")->isChecked());

    // The speed button runs the menu item: the same window comes back.
    test::effectSearch(form).ButtFormFavorites->click();
    EXPECT_TRUE(act("MenuShowFormFavorites")->isChecked());
    EXPECT_EQ(window(), first);
    EXPECT_TRUE(first->isVisible());
    test::useCommand(*form, "MenuShowFormFavorites");
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(window(), first);

    // Closing by the close box also clears the check, and the flag.
    test::useCommand(*form, "MenuShowFormFavorites");
    first->close();
    EXPECT_FALSE(act("MenuShowFormFavorites")->isChecked());
    EXPECT_FALSE(st().session.block().get(Setting.MenuShowFormFavorites));

    // The window and the item follow the flag wherever it changes.
    st().session.setSetting(Setting.MenuShowFormFavorites, true);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(act("MenuShowFormFavorites")->isChecked());
}

TEST_F(FavoritesWindowTest, DeleteKeepsTheRowOrMovesUpFromTheLast) {
    TFormFavorites *w = open();
    FavoriteIndexList *items = w->ListBoxFavoriteItems;
    w->preparePopup(Kind::Items);
    EXPECT_FALSE(w->PMenuItemDel->isEnabled()); // nothing selected
    w->deleteSelected(Kind::Items);
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{3, 5, 7}));

    items->setCurrentRow(1); // the middle row: the next one moves into it
    EXPECT_TRUE(w->PMenuItemDel->isEnabled());
    w->activateWindow();
    items->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), items);
    QTest::keyClick(items, Qt::Key_Delete);
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{3, 7}));
    EXPECT_EQ(items->currentRow(), 1);
    EXPECT_EQ(items->count(), 2);
    QTest::keyClick(items, Qt::Key_Delete); // the last row: the selection moves up
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{3}));
    EXPECT_EQ(items->currentRow(), 0);
    QTest::keyClick(items, Qt::Key_Delete); // the only row
    EXPECT_TRUE(st().session.favorites().FavItems.empty());
    EXPECT_EQ(items->currentRow(), -1);
    EXPECT_FALSE(w->PMenuItemDel->isEnabled());

    // The effects list has its own popup and leaves the ingredients alone.
    w->ListBoxFavoriteEffects->setCurrentRow(0);
    rightClick(w->ListBoxFavoriteEffects, w->PMenuEffDel);
    EXPECT_EQ(st().session.favorites().FavEffects, (Ints{4, 6}));
    EXPECT_EQ(w->ListBoxFavoriteEffects->currentRow(), 0);
}

TEST_F(FavoritesWindowTest, FontAndRowHeightReachBothListsAndTheSettings) {
    TFormFavorites *w = open();
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(15);
    dialogs().setNextFont(chosen);
    rightClick(w->ListBoxFavoriteEffects, w->PMenuEffFont);
    for (FavoriteIndexList *list : {w->ListBoxFavoriteItems, w->ListBoxFavoriteEffects}) {
        EXPECT_EQ(list->font().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(list->font().pointSize(), 15);
    }
    rightClick(w->ListBoxFavoriteItems, w->PMenuItemFont); // cancelled: nothing changes
    EXPECT_EQ(w->ListBoxFavoriteEffects->font().pointSize(), 15);

    dialogs().clearRecord();
    dialogs().setNextAnswer(QStringLiteral("35"));
    rightClick(w->ListBoxFavoriteItems, w->PMenuItemItemHeinght);
    EXPECT_EQ(dialogs().prompts().value(0), QStringLiteral("Высота строк"));
    EXPECT_EQ(w->ListBoxFavoriteItems->itemHeight(), 35);
    EXPECT_EQ(w->ListBoxFavoriteEffects->itemHeight(), 35);
    dialogs().setNextAnswer(QStringLiteral("99")); // clamped to the range
    rightClick(w->ListBoxFavoriteEffects, w->PMenuEffItemHeight);
    EXPECT_EQ(w->ListBoxFavoriteEffects->itemHeight(), 50);
    dialogs().setNextAnswer(QStringLiteral("abc")); // not a number: ignored
    rightClick(w->ListBoxFavoriteEffects, w->PMenuEffItemHeight);
    dialogs().setNextAnswer(QStringLiteral("3"));
    rightClick(w->ListBoxFavoriteEffects, w->PMenuEffItemHeight);
    EXPECT_EQ(w->ListBoxFavoriteItems->itemHeight(), 10);

    st().session.editSettings([&](MainSettings &s) { FormMainTestAccess::toolWindows(*form).collect(s); });
    EXPECT_EQ(st().session.settings().font(SettingsFont::FavoritesLists),
              (FontSetting{QStringLiteral("DejaVu Serif"), 15}));
    EXPECT_EQ(st().session.block().get(Setting.FavoritesItemHeight), 10);
}

TEST_F(FavoritesWindowTest, MainFontAndSplitterThicknessReachTheWindow) {
    TFormFavorites *w = open();
    dialogs().setNextAnswer(QStringLiteral("11"));
    test::useCommand(*form, "MenuSplitterHeight");
    EXPECT_EQ(w->Splitter1->handleWidth(), 11);

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(14);
    dialogs().setNextFont(chosen);
    test::useCommand(*form, "MenuFontMainForm");
    EXPECT_EQ(w->font().pointSize(), 14);
    EXPECT_EQ(w->GroupBoxEff->font().pointSize(), 14);
}

TEST_F(FavoritesWindowTest, DropsInsertNewEntriesAndMoveOwnOnes) {
    TFormFavorites *w = open();
    // An ingredient already in the list changes nothing.
    EXPECT_EQ(w->dropElement(Kind::Items, 5, 0), -1);
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{3, 5, 7}));
    // A new one between two rows goes there and is selected.
    EXPECT_EQ(w->dropElement(Kind::Items, 9, 1), 1);
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{3, 9, 5, 7}));
    EXPECT_EQ(w->ListBoxFavoriteItems->currentRow(), 1);
    EXPECT_EQ(w->ListBoxFavoriteItems->count(), 4);
    // Below the last row: appended.
    const QPoint below(5, w->ListBoxFavoriteEffects->viewport()->height() - 1);
    const int row = w->ListBoxFavoriteEffects->dropRowAt(below);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(w->dropElement(Kind::Effects, 8, row), 3);
    EXPECT_EQ(st().session.favorites().FavEffects, (Ints{2, 4, 6, 8}));
    // Reordering: the first to below the last row.
    EXPECT_EQ(w->moveElement(Kind::Items, 0, 10), 3);
    EXPECT_EQ(st().session.favorites().FavItems, (Ints{9, 5, 7, 3}));
    EXPECT_EQ(w->ListBoxFavoriteItems->currentRow(), 3);
    EXPECT_EQ(w->moveElement(Kind::Items, 7, 0), -1);
}

} // namespace
} // namespace qor
