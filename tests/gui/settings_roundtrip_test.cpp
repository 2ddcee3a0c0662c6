// Shutdown writes Main.ini, "Выход без сохранения" leaves it alone, and the
// next start finds the layout, the sort order and the skills again; SIGTERM
// and SIGINT close as the player does, and a failed save offers a retry.

#include "gui_test_support.h"

#include "common_ui/close_on_signal.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace qor {
namespace {

TEST(ShutdownTest, NormalExitAndRestartRestoreTheState) {
    test::ScratchData data;
    const QString ini = data.file(QStringLiteral("Main.ini"));
    int listHeight = 0;
    {
        auto form = test::openForm(data);
        form->resize(1055, 768);
        QApplication::processEvents();
        // As the user drags the dividers: the sizes chosen are the ones kept.
        test::ui(form).MainSplitter->setSizes({180, 230, 120, 200});
        Q_EMIT test::ui(form).MainSplitter->splitterMoved(0, 1);
        QApplication::processEvents();
        listHeight = test::ui(form).PanelLbPotionsMain->height();
        test::ui(form).Header->resizeSection(3, 111);
        Q_EMIT test::ui(form).Header->HeaderSectionClick(PotionColumn::Cost);
        test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
        test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QStringLiteral("64"));
        test::control<QComboBox>(form, QStringLiteral("ComboBoxMainAlchPercCount"))->setCurrentIndex(3);
        test::control<QCheckBox>(form, QStringLiteral("CheckBoxPerkPhysician"))->click();
        test::useCommand(*form, "MenuScrollForLBox");
        test::useCommand(*form, "MenuCanQuickSearsh");
        test::useCommand(*form, "MenuExit");
        EXPECT_TRUE(QFile::exists(ini));
    }
    auto again = test::openForm(data, false);
    again->resize(1055, 768);
    again->show();
    QApplication::processEvents();
    const ProgramState &st = again->state();
    EXPECT_EQ(st.session.skills().AlchemySkill, 64);
    EXPECT_EQ(st.session.skills().AlchemistRanks, 3);
    EXPECT_TRUE(st.session.skills().PerkPhysician);
    EXPECT_EQ(st.session.recipes().PotionSortCode, PotionColumn::Cost);
    EXPECT_EQ(test::ui(again).Header->sectionSize(3), 111);
    EXPECT_EQ(test::ui(again).PanelLbPotionsMain->height(), listHeight);
    EXPECT_TRUE(again->action(QStringLiteral("MenuScrollForLBox"))->isChecked());
    EXPECT_TRUE(test::ui(again).ScrollBarLB->isVisible());
    EXPECT_FALSE(again->action(QStringLiteral("MenuCanQuickSearsh"))->isChecked());
    EXPECT_TRUE(again->action(QStringLiteral("MenuStartSearsh"))->isEnabled());
    test::ui(again).PageControl->setCurrentWidget(test::ui(again).TabSheetSkills);
    EXPECT_EQ(test::control<QLineEdit>(again, QStringLiteral("EditAlchemyValue"))->text(),
              QStringLiteral("64"));
    EXPECT_TRUE(test::control<QCheckBox>(again, QStringLiteral("CheckBoxPerkPhysician"))->isChecked());
}

TEST(ShutdownTest, ExitWithoutSavingLeavesMainIniByteForByte) {
    test::ScratchData data;
    const QString ini = data.file(QStringLiteral("Main.ini"));
    {
        auto form = test::openForm(data);
        form->close();
    }
    const QByteArray before = test::readAll(ini);
    ASSERT_FALSE(before.isEmpty());
    {
        auto form = test::openForm(data);
        Q_EMIT test::ui(form).Header->HeaderSectionClick(PotionColumn::Item1);
        test::ui(form).MainSplitter->setSizes({150, 150, 150, 150});
        test::useCommand(*form, "MenuExitNoSave");
        EXPECT_TRUE(form->state().SkipSaveOnExit);
    }
    EXPECT_EQ(test::readAll(ini), before);
}

TEST(ShutdownTest, TerminationSignalsCloseTheWindowAndSaveAsOnExit) {
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        test::ScratchData data;
        const QString ini = data.file(QStringLiteral("Main.ini"));
        auto form = test::openForm(data);
        const CloseOnSignal closeOnSignal(*form);
        test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
        test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QStringLiteral("57"));
        // A dialog left open is cancelled first.
        QDialog dialog(form.get());
        dialog.setModal(true);
        dialog.show();
        ASSERT_EQ(::raise(signal), 0);
        for (int round = 0; round < 1000 && form->isVisible(); ++round)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(form->isVisible());
        MainSettings saved;
        ASSERT_TRUE(ReadSettings(ini, form->state().Data.itemRecordCount(), saved).ok());
        EXPECT_EQ(saved.block.get(Setting.AlchemySkill), 57);
    }
}

TEST(ShutdownTest, AFailedSaveNamesTheFileOnceAndOffersARetry) {
    test::ScratchData data;
    const QString ini = data.file(QStringLiteral("Main.ini"));
    auto form = test::openForm(data);
    // A folder at the temporary file's name makes every save fail.
    ASSERT_TRUE(QDir().mkdir(ini + QStringLiteral(".tmp")));
    form->dialogs().clearRecord();
    form->dialogs().setNextRetry(true);
    form->close();
    // Tried twice: the retry failed as well and was then given up.
    const auto &messages = form->dialogs().messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const ShownMessage &m : messages) {
        EXPECT_EQ(m.text.count(ini + QStringLiteral(": ")), 1) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(QStringLiteral("Повторить?")));
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
    EXPECT_FALSE(QFile::exists(ini));
}

} // namespace
} // namespace qor
