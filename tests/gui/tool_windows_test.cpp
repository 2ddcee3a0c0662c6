// Both tool windows together: the bounds rule, damaged saved values, and
// their state across a restart.

#include "gui_test_support.h"

#include "favorites/ui/form_favorites.h"
#include "favorites/ui/form_used_items.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ToolWindowBounds, RectanglesNearOrBeyondTheEdgesAreCentred) {
    const QSize screen(1000, 800);
    const QRect centred(333, 200, 334, 400);
    EXPECT_EQ(toolWindowRect({100, 100, 979, 779}, screen), QRect(100, 100, 879, 679));
    EXPECT_EQ(toolWindowRect({100, 100, 981, 500}, screen), centred); // right edge
    EXPECT_EQ(toolWindowRect({100, 100, 500, 781}, screen), centred); // bottom edge
    EXPECT_EQ(toolWindowRect({0, 0, 0, 0}, screen), centred);         // empty
    EXPECT_EQ(toolWindowRect({-900, -900, -600, -600}, screen), centred);
    // The centred place moves sideways off a tool window that is already
    // open there; a saved place is kept.
    // (the screen leaves no room beside it: the least overlap, on the screen)
    EXPECT_EQ(toolWindowRect({0, 0, 0, 0}, screen, centred), QRect(666, 200, 334, 400));
    EXPECT_EQ(toolWindowRect({100, 100, 500, 500}, screen, centred), QRect(100, 100, 400, 400));
    const QSize small(640, 480);
    const QRect first = toolWindowRect({0, 0, 0, 0}, small);
    const QRect second = toolWindowRect({0, 0, 0, 0}, small, first);
    EXPECT_TRUE(QRect(QPoint(0, 0), small).contains(second));
    EXPECT_LT(second.intersected(first).width(), first.width() / 10);
}

// A Main.ini with damaged window values: the windows still open on the
// screen at a usable size and row height.
TEST(ToolWindowsDamagedSettings, OpenAtASanePlace) {
    test::ScratchData data;
    int records = 0;
    {
        auto probe = test::openForm(data, false);
        records = probe->state().Data.itemRecordCount();
        probe->state().SkipSaveOnExit = true;
    }
    MainSettings s = defaultSettings(records);
    s.favoritesWindowBounds = {-50000, -50000, -49000, -49000};
    s.usedItemsWindowBounds = {500, 500, 400, 400};
    s.block.set(Setting.FavoritesItemHeight, -7);
    s.block.set(Setting.FavoritesEffGroupHeight, 1000000);
    s.block.set(Setting.UsedItemsItemHeight, 5000);
    s.font(SettingsFont::FavoritesLists) = {QStringLiteral("No Such Font At All"), 9999};
    s.font(SettingsFont::UsedItemsList) = {QString(), -3};
    s.block.set(Setting.MenuShowFormFavorites, true);
    s.block.set(Setting.MenuShowUsedItemsList, true);
    ASSERT_TRUE(WriteSettings(data.file(QStringLiteral("Main.ini")), s).ok());

    auto form = test::openForm(data);
    ASSERT_TRUE(form->startupError().isEmpty());
    ToolWindows &tools = FormMainTestAccess::toolWindows(*form);
    ASSERT_NE(tools.favorites(), nullptr);
    ASSERT_NE(tools.usedItems(), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (QWidget *w :
         {static_cast<QWidget *>(tools.favorites()), static_cast<QWidget *>(tools.usedItems())}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(screen.contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_GE(w->width(), 100);
        EXPECT_GE(w->height(), 100);
    }
    EXPECT_EQ(tools.favorites()->ListBoxFavoriteItems->itemHeight(), 10);
    EXPECT_EQ(tools.usedItems()->CLbUsedItems->itemHeight(), 50);
    EXPECT_LT(tools.favorites()->GroupBoxEff->height(), tools.favorites()->height());
    form->state().SkipSaveOnExit = true;
}

// A window open at exit opens again at the next start where it was, with
// its font, row height and group height; Main.ini then reads back byte for
// byte.
TEST(ToolWindowsRestart, OpenWindowsComeBackAsTheyWere) {
    test::ScratchData data;
    const QString ini = data.file(QStringLiteral("Main.ini"));
    FavoritesWindowState before;
    QRect usedBounds;
    {
        auto form = test::openForm(data);
        test::useCommand(*form, "MenuShowFormFavorites");
        test::useCommand(*form, "MenuShowUsedItemsList");
        QApplication::processEvents();
        ToolWindows &tools = FormMainTestAccess::toolWindows(*form);
        TFormFavorites *fav = tools.favorites();
        fav->setBounds(QRect(120, 90, 260, 420));
        QApplication::processEvents();
        fav->Splitter1->setSizes({123, fav->Splitter1->height() - 123 - fav->Splitter1->handleWidth()});
        QFont chosen(QStringLiteral("DejaVu Sans Mono"));
        chosen.setPointSize(12);
        form->dialogs().setNextFont(chosen);
        fav->promptFont();
        form->dialogs().setNextAnswer(QStringLiteral("27"));
        fav->promptRowHeight(fav->PMenuItemItemHeinght);
        tools.usedItems()->setBounds(QRect(450, 80, 240, 380));
        form->dialogs().setNextAnswer(QStringLiteral("Мой набор"));
        tools.usedItems()->renameSet();
        QApplication::processEvents();
        before = fav->state();
        usedBounds = tools.usedItems()->bounds();
        EXPECT_EQ(before.groupHeight, 123);
    }
    const QByteArray first = test::readAll(ini);
    ASSERT_FALSE(first.isEmpty());
    {
        auto form = test::openForm(data);
        ToolWindows &tools = FormMainTestAccess::toolWindows(*form);
        ASSERT_NE(tools.favorites(), nullptr);
        ASSERT_NE(tools.usedItems(), nullptr);
        EXPECT_TRUE(tools.favorites()->isVisible());
        EXPECT_TRUE(tools.usedItems()->isVisible());
        EXPECT_TRUE(form->action(QStringLiteral("MenuShowFormFavorites"))->isChecked());
        EXPECT_EQ(tools.favorites()->state(), before);
        EXPECT_EQ(tools.favorites()->GroupBoxEff->height(), 123);
        EXPECT_EQ(tools.favorites()->ListBoxFavoriteEffects->font().family(),
                  QStringLiteral("DejaVu Sans Mono"));
        EXPECT_EQ(tools.favorites()->ListBoxFavoriteEffects->itemHeight(), 27);
        EXPECT_EQ(tools.usedItems()->bounds(), usedBounds);
        EXPECT_EQ(tools.usedItems()->ComboBoxUsedItemsFilter->currentText(), QStringLiteral("Мой набор"));
    }
    EXPECT_EQ(test::readAll(ini), first);
}

} // namespace
} // namespace qor
