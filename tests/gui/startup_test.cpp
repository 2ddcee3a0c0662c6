// Start-up, the dispatcher guard, the broken data folder and the menus.

#include "gui_test_support.h"

#include "common/bad_files.h"
#include "common/file_read.h"

#include "game_data/data_loader.h"
#include "settings/settings_file.h"

#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(StartupTest, FillsChoosersWithoutRunningAnyCommand) {
    test::ScratchData data;
    ASSERT_TRUE(data.valid());
    auto form = test::openForm(data);
    const ProgramState &st = form->state();
    ASSERT_TRUE(form->startupError().isEmpty()) << form->startupError().toStdString();
    ASSERT_GT(st.Data.highestItem(), 10);
    EXPECT_TRUE(st.Gate.ready());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("QOR Алхимия"));
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(test::effectSearch(form).CbEffect[k]->count(), st.Data.EffectNames.size());
        EXPECT_EQ(test::effectSearch(form).CbEffect[k]->currentIndex(), 0);
        EXPECT_EQ(test::effectSearch(form).CbFilter[k]->count(), st.Data.FilterList.size());
        EXPECT_EQ(test::effectSearch(form).CbFilter[k]->itemText(1), QStringLiteral("Нет / Любой"));
        EXPECT_TRUE(test::effectSearch(form).CBoxEnableEff[k]->isChecked());
    }
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(test::effectSearch(form).CbPrioriryIngredient[k]->count(), st.Data.itemRecordCount());
        EXPECT_EQ(test::effectSearch(form).CbPrioriryIngredient[k]->itemText(st.Data.highestItem()),
                  QStringLiteral("*"));
    }
    EXPECT_EQ(test::effectSearch(form).ComboBoxCost_Min->count(), static_cast<int>(st.Data.CostList.size()));
    EXPECT_EQ(test::effectSearch(form).ComboBoxCost_Max->currentIndex(), 0);
    // Filling fired every chooser's change event, yet no search ran.
    EXPECT_EQ(st.LastSearchType, SearchType::None);
    EXPECT_EQ(st.session.recipes().PotionCount(), 0);
    EXPECT_EQ(test::ui(form).PanelCount->text(), QStringLiteral(" Всего: 0"));
    EXPECT_EQ(test::ui(form).StringGrid->model()->rowCount(), st.Data.highestItem());
    EXPECT_EQ(test::ui(form).CentralStack->currentWidget(), test::ui(form).MainSplitter);
}

TEST(StartupTest, DispatcherIgnoresEventsWhileNotReadyOrSuppressed) {
    test::ScratchData data;
    auto form = test::openForm(data);
    ProgramState &st = form->state();
    st.Gate.setReady(false);
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(1);
    EXPECT_EQ(st.session.conditions().WantedEffect[0], 0);
    EXPECT_EQ(st.LastSearchType, SearchType::None);
    st.Gate.setReady(true);
    {
        // Nested holds: the inner one's end leaves the outer one in force.
        const CommandGate::Scope outer(st.Gate, CommandGate::Hold::Commands);
        { const CommandGate::Scope inner(st.Gate, CommandGate::Hold::Commands); }
        test::effectSearch(form).CbEffect[0]->setCurrentIndex(2);
        EXPECT_EQ(st.session.conditions().WantedEffect[0], 0);
        EXPECT_EQ(st.LastSearchType, SearchType::None);
    }
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(3);
    EXPECT_EQ(st.session.conditions().WantedEffect[0], 3);
    EXPECT_EQ(st.LastSearchType, SearchType::FromEffects);
}

TEST(StartupTest, BrokenDataFolderShowsTheExplanationAndWritesNothing) {
    test::ScratchData data;
    ASSERT_TRUE(QFile::remove(data.file(QStringLiteral("Items.ini"))));
    auto form = test::openForm(data);
    EXPECT_FALSE(form->state().Gate.ready());
    EXPECT_EQ(test::ui(form).CentralStack->currentWidget(), test::ui(form).StartupFailurePage);
    EXPECT_TRUE(test::ui(form).StartupFailurePage->text().contains(QStringLiteral("Items.ini")));
    EXPECT_TRUE(test::ui(form).StartupFailurePage->text().contains(
        QDir::toNativeSeparators(data.dir()).toHtmlEscaped()));
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    EXPECT_EQ(form->dialogs().messages().front().caption, QStringLiteral("QOR Алхимия"));
    EXPECT_EQ(form->dialogs().messages().front().icon, MessageIcon::Warning);
    EXPECT_TRUE(form->dialogs().messages().front().text.contains(QStringLiteral("Items.ini")));
    // Only the two exits remain usable.
    EXPECT_TRUE(form->action(QStringLiteral("MenuExit"))->isEnabled());
    EXPECT_FALSE(form->action(QStringLiteral("MenuCanQuickSearsh"))->isEnabled());
    test::useCommand(*form, "MenuExit");
    EXPECT_FALSE(form->isVisible());
    form.reset();
    EXPECT_FALSE(QFile::exists(data.file(QStringLiteral("Main.ini"))));
}

TEST(StartupTest, DamagedSettingsFileStopsStartUpAndStaysUntouched) {
    test::ScratchData data;
    QFile ini(data.file(QStringLiteral("Main.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("26\r\n40\r\nnot a number\r\n");
    ini.close();
    const QByteArray before = test::readAll(data.file(QStringLiteral("Main.ini")));
    auto form = test::openForm(data);
    EXPECT_FALSE(form->state().Gate.ready());
    EXPECT_EQ(test::ui(form).CentralStack->currentWidget(), test::ui(form).StartupFailurePage);
    EXPECT_TRUE(test::ui(form).StartupFailurePage->text().contains(QStringLiteral("Main.ini")));
    form->close();
    form.reset();
    EXPECT_EQ(test::readAll(data.file(QStringLiteral("Main.ini"))), before);
}

TEST(StartupTest, SettingsThatAreNoFileStopStartUpWithTheReason) {
    for (const test::BadFile bad : test::kBadFiles) {
        SCOPED_TRACE(test::badFileName(bad));
        test::ScratchData data;
        const QString ini = data.file(QStringLiteral("Main.ini"));
        ASSERT_TRUE(test::makeBadFile(bad, ini, maxFileBytes(FileKind::Settings)));
        const qint64 size = QFileInfo(ini).size();
        {
            const test::AsUnprivileged lesserUser({data.dir()});
            auto form = test::openForm(data);
            EXPECT_FALSE(form->state().Gate.ready());
            EXPECT_TRUE(form->startupError().contains(ini + QStringLiteral(": ") + test::badFileReason(bad)))
                << form->startupError().toStdString();
            form->close();
        }
        EXPECT_EQ(QFileInfo(ini).size(), size);
        EXPECT_FALSE(QFile::exists(ini + QStringLiteral(".tmp")));
    }
}

TEST(StartupTest, AbsurdRegionSizesStillShowEveryRegion) {
    // Block lines 5 to 7 (the heights of the recipe strip, the recipe list and
    // the tabs) at the int32 limit once summed past it and left a blank window.
    test::ScratchData data;
    GameData game;
    ASSERT_FALSE(loadGameData(data.dir(), game));
    MainSettings s = defaultSettings(game.itemRecordCount());
    for (const int line : {Setting.PanelPotionInfoHeight.line, Setting.PanelLbPotionsMainHeight.line,
                           Setting.PageControlHeight.line, Setting.PanelItemDisplayWidth.line,
                           Setting.PanelInfoMainWidth.line, Setting.PanelEffInfoWidth.line})
        s.block.setValue(line, 2147483647);
    s.headerWidths.fill(2147483647);
    s.gridColumnWidths.fill(2147483647);
    ASSERT_TRUE(WriteSettings(data.file(QStringLiteral("Main.ini")), s).ok());
    auto form = test::openForm(data);
    ASSERT_TRUE(form->startupError().isEmpty()) << form->startupError().toStdString();
    EXPECT_EQ(test::ui(form).CentralStack->currentWidget(), test::ui(form).MainSplitter);
    for (const QWidget *region : {static_cast<QWidget *>(test::ui(form).PageControl),
                                  static_cast<QWidget *>(test::ui(form).PanelLbPotionsMain)}) {
        EXPECT_TRUE(region->isVisible()) << region->objectName().toStdString();
        EXPECT_GT(region->height(), 0) << region->objectName().toStdString();
        EXPECT_LE(region->height(), test::ui(form).MainSplitter->height());
    }
    for (const int size : test::ui(form).MainSplitter->sizes()) {
        EXPECT_GE(size, 0);
        EXPECT_LE(size, test::ui(form).MainSplitter->height());
    }
}

struct ExpectedMenuItem {
    const char *name;
    QKeySequence shortcut;
    bool checkable;
    bool checked;
};

TEST(MenuTest, ItemsCarryTheirShortcutsAndCheckStates) {
    test::ScratchData data;
    auto form = test::openForm(data);
    const ExpectedMenuItem items[] = {
        {"MenuExit", QKeySequence(Qt::ALT | Qt::Key_X), false, false},
        {"MenuExitNoSave", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_X), false, false},
        {"MenuLbPotionDirectFloatingMode", QKeySequence(Qt::Key_F6), true, false},
        {"MenuGridDirectFloatingMode", QKeySequence(Qt::Key_F7), true, false},
        {"MenuShowFormFavorites", QKeySequence(Qt::Key_F8), true, false},
        {"MenuShowUsedItemsList", QKeySequence(Qt::Key_F12), true, false},
        {"MenuFindInPotions", QKeySequence(Qt::CTRL | Qt::Key_F), false, false},
        {"MenuFindNext", QKeySequence(Qt::Key_F3), false, false},
        {"MenuStartSearsh", QKeySequence(Qt::Key_F5), false, false},
        {"MenuCanQuickSearsh", QKeySequence(Qt::SHIFT | Qt::Key_F5), true, true},
        {"MenuSearshSave", QKeySequence(Qt::Key_F10), false, false},
        {"MenuSearshRestore", QKeySequence(Qt::Key_F9), false, false},
        {"MenuSearshSaveToSlot", QKeySequence(Qt::CTRL | Qt::Key_F10), false, false},
        {"MenuSearshRestoreFromSlot", QKeySequence(Qt::CTRL | Qt::Key_F9), false, false},
        {"MenuClearLbPotionBeforeSearsh", {}, true, true},
        {"MenuDebug", QKeySequence(Qt::Key_F11), false, false},
        {"PMenuShowDetailInfo", QKeySequence(Qt::CTRL | Qt::Key_I), false, false},
        {"PMenuLbGoToNum", QKeySequence(Qt::ALT | Qt::Key_N), false, false},
        {"PMenuDeletePotion", QKeySequence(Qt::Key_Delete), false, false},
        {"PMenuRenameFavoriteItem", QKeySequence(Qt::Key_F2), false, false},
        {"PMenuSetGridMarker4", {}, true, false},
        {"PMenuLocatFont", {}, false, false},
    };
    for (const ExpectedMenuItem &expected : items) {
        QAction *act = form->action(QString::fromLatin1(expected.name));
        ASSERT_NE(act, nullptr) << expected.name;
        EXPECT_EQ(act->shortcut(), expected.shortcut) << expected.name;
        EXPECT_EQ(act->isCheckable(), expected.checkable) << expected.name;
        EXPECT_EQ(act->isChecked(), expected.checked) << expected.name;
    }
    EXPECT_EQ(form->action(QStringLiteral("PMenuShowDetailInfo"))->text(),
              QStringLiteral("Детальная информацмя"));
    // The grid's marker items wait for a right press on an effect cell.
    EXPECT_FALSE(form->action(QStringLiteral("PMenuSetGridMarker1"))->isEnabled());
    // Quick search on: the explicit search is disabled.
    EXPECT_FALSE(form->action(QStringLiteral("MenuStartSearsh"))->isEnabled());

    // The recipe context menu in order, separators included.
    QStringList layout;
    for (QAction *act : test::ui(form).PopupMenuLB->actions())
        layout << (act->isSeparator() ? QStringLiteral("-") : act->menu() ? act->text() : act->objectName());
    EXPECT_EQ(layout, (QStringList{QStringLiteral("PMenuShowDetailInfo"), QStringLiteral("PMenuLbGoToNum"),
                                   QStringLiteral("PMenuPotionAddToFavorites"), QStringLiteral("-"),
                                   QStringLiteral("PMenuDelPotionsWithCurElement"),
                                   QStringLiteral("PMenuShowLbPotionsCountCurElement"),
                                   QStringLiteral("MenuDisableItemFromUsedList"), QStringLiteral("Разное"),
                                   QStringLiteral("-"), QStringLiteral("PMenuLbPotionMarkerSetToItem"),
                                   QStringLiteral("PMenuLbPotionMarkerSetToEffect"),
                                   QStringLiteral("PMenuLbPotionMarkerSetToGoodEffect"),
                                   QStringLiteral("PMenuLbPotionMarkerSetToPoisonEffect"),
                                   QStringLiteral("PMenuLbPotionMarkersOff"), QStringLiteral("-"),
                                   QStringLiteral("PMenuLbBrewed")}));
}

TEST(MenuTest, DebugCommandGreetsOnlyItsWord) {
    test::ScratchData data;
    auto form = test::openForm(data);
    DialogProvider &dialogs = form->dialogs();
    dialogs.clearRecord();
    dialogs.setNextAnswer(QStringLiteral("  qOr "));
    test::useCommand(*form, "MenuDebug");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().back().text, QStringLiteral("Привет Хозяин     "));
    EXPECT_EQ(dialogs.messages().back().icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs.prompts().back(), QStringLiteral("Выполнить команду отладки"));
    dialogs.setNextAnswer(QStringLiteral("QORR"));
    test::useCommand(*form, "MenuDebug");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

} // namespace
} // namespace qor
