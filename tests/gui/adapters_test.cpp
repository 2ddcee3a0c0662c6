// The platform seams: scripted dialogs, the tick counter, the drop-down
// check, the font look-alikes; and the guards around code that fills
// controls itself.

#include "gui_test_support.h"

#include "recipe_list/ui/chooser_combo.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(DialogProviderTest, ScriptedAnswersAreTakenInOrderAndMessagesRecorded) {
    test::ensureApplication();
    DialogProvider dialogs;
    dialogs.setScripted(true);
    dialogs.setNextAnswer(QStringLiteral("12"));
    dialogs.setNextCancel();
    EXPECT_EQ(dialogs.inputText(nullptr, QStringLiteral("a"), QString()), QStringLiteral("12"));
    EXPECT_FALSE(dialogs.inputText(nullptr, QStringLiteral("b"), QString()).has_value());
    // Nothing queued counts as cancelled.
    EXPECT_FALSE(dialogs.inputText(nullptr, QStringLiteral("c"), QString()).has_value());
    EXPECT_EQ(dialogs.prompts(),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_FALSE(dialogs.chooseColor(nullptr, Qt::red).has_value());
    dialogs.setNextColor(Qt::blue);
    EXPECT_EQ(dialogs.chooseColor(nullptr, Qt::red), QColor(Qt::blue));
    dialogs.setNextFont(QFont(QStringLiteral("Courier"), 11));
    ASSERT_TRUE(dialogs.chooseFont(nullptr, QFont()).has_value());
    dialogs.message(nullptr, QStringLiteral("text"));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().caption, QStringLiteral("QOR Алхимия"));
    EXPECT_EQ(dialogs.messages().front().icon, MessageIcon::Information);
}

TEST(PlatformAdapterTest, TickClockCanBeDriven) {
    TickClock clock;
    clock.setFixed(1000);
    EXPECT_EQ(clock.ticks(), 1000);
    clock.advance(250);
    EXPECT_EQ(clock.ticks(), 1250);
}

TEST(PlatformAdapterTest, LinuxLacksTheWindowsFontsButDrawsLookAlikes) {
    test::ensureApplication();
    for (const char *name : {"Tahoma", "MS Sans Serif", "Monotype Corsiva", "Courier"}) {
        const QStringList subs = QFont::substitutes(QString::fromLatin1(name));
        EXPECT_FALSE(subs.isEmpty()) << name;
        // The font keeps its name for the settings file.
        EXPECT_EQ(QFont(QString::fromLatin1(name)).family(), QString::fromLatin1(name));
    }
    EXPECT_TRUE(QFontInfo(QFont(QStringLiteral("Courier"))).fixedPitch());
}

TEST(PlatformAdapterTest, DropDownOpenIsSeenOnlyWhileShowing) {
    test::ScratchData data;
    auto form = test::openForm(data);
    EXPECT_FALSE(isDropDownOpen(form.get()));
    test::effectSearch(form).CbEffect[0]->showPopup();
    QApplication::processEvents();
    EXPECT_TRUE(isDropDownOpen(form.get()));
    test::effectSearch(form).CbEffect[0]->hidePopup();
    QApplication::processEvents();
    EXPECT_FALSE(isDropDownOpen(form.get()));
    EXPECT_FALSE(isDropDownOpen(nullptr));
}

TEST(GuardTest, FillingTheSkillsTabRunsNoCorrectionAndNoSearch) {
    test::ScratchData data;
    auto form = test::openForm(data);
    ProgramState &st = form->state();
    // A value beyond the edit's range, as a hand-edited settings file may hold.
    SkillSettings skills = st.session.skills();
    skills.AlchemySkill = 250;
    st.session.setSkills(skills);
    const std::int32_t power = st.Strengths.slot(1, 0).Power;
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->text(),
              QStringLiteral("250"));
    EXPECT_EQ(st.session.skills().AlchemySkill, 250);
    EXPECT_EQ(st.Strengths.slot(1, 0).Power, power);
    EXPECT_EQ(st.LastSearchType, SearchType::None);
    // Entering again fills nothing: the user's text stays.
    test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->setText(QStringLiteral("30"));
    test::ui(form).PageControl->setCurrentIndex(0);
    test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetSkills);
    EXPECT_EQ(test::control<QLineEdit>(form, QStringLiteral("EditAlchemyValue"))->text(),
              QStringLiteral("30"));
}

TEST(GuardTest, ShowingTheWindowAgainKeepsTheFirstShowState) {
    test::ScratchData data;
    auto form = test::openForm(data);
    EXPECT_TRUE(form->state().ShownOnce);
    test::ui(form).MainSplitter->setSizes({150, 250, 150, 150});
    const QList<int> sizes = test::ui(form).MainSplitter->sizes();
    form->hide();
    form->show();
    QApplication::processEvents();
    // The saved region sizes are applied at the first show only.
    EXPECT_EQ(test::ui(form).MainSplitter->sizes(), sizes);
}

} // namespace
} // namespace qor
