// The help page (read on the first entry, the topic of the selected title,
// its two commands) and the find dialog over the recipe list.

#include "gui_test_support.h"

#include "common/bad_files.h"
#include "common/file_read.h"

#include "help/help_file.h"
#include "help/ui/help_panel.h"
#include "input/ui/find_dialog.h"
#include "recipe_list/potion_cells.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "settings/settings_block.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace qor {
namespace {

QString shown(const QString &body) {
    QString text = body;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

class HelpPageTest : public ::testing::Test {
  protected:
    void enterHelp(TFormMain &form) {
        test::ui(&form).PageControl->setCurrentWidget(test::ui(&form).TabSheetHelp);
    }
    void leaveHelp(TFormMain &form) { test::ui(&form).PageControl->setCurrentIndex(0); }

    test::ScratchData data;
};

TEST_F(HelpPageTest, BundledFileListsEveryTopicWithItsOwnText) {
    const HelpPage page = parseHelpFile(test::readAll(QStringLiteral(QOR_SOURCE_DATA_DIR "Help.ini")));
    EXPECT_TRUE(page.wellFormed);
    ASSERT_GE(page.topicCount(), 10);
    for (int i = 0; i < page.topicCount(); ++i) {
        EXPECT_FALSE(page.Titles[i].trimmed().isEmpty()) << i;
        EXPECT_GT(page.body(i).trimmed().size(), 40) << page.Titles[i].toStdString();
    }
    // The titles use the window's own words ("Фильтр" for the ingredient sets).
    for (const char *topic : {"Клавиатура", "Быстрый поиск", "Закладки", "Избранное", "Слоты поиска",
                              "Фильтры ингредиентов", "Перетаскивание"})
        EXPECT_TRUE(page.Titles.contains(QString::fromUtf8(topic))) << topic;
}

TEST_F(HelpPageTest, FirstEntryReadsTheFileAndShowsTheSelectedTopic) {
    auto form = test::openForm(data);
    FormControls &ui = test::ui(form);
    EXPECT_EQ(ui.LbHelp->count(), 0);
    const HelpPage page = parseHelpFile(test::readAll(data.file(QStringLiteral("Help.ini"))));
    enterHelp(*form);
    ASSERT_EQ(ui.LbHelp->count(), page.topicCount());
    EXPECT_EQ(ui.LbHelp->currentRow(), 0);
    EXPECT_EQ(ui.MemoHelp->toPlainText(), shown(page.body(0)));
    ui.LbHelp->setCurrentRow(3);
    EXPECT_EQ(ui.MemoHelp->toPlainText(), shown(page.body(3)));
    EXPECT_EQ(ui.LbHelp->visualItemRect(ui.LbHelp->item(1)).height(),
              form->state().session.block().clamped(Setting.HelpItemHeight));

    // A second entry reads nothing again and keeps the selection, even when
    // the file has gone meanwhile.
    leaveHelp(*form);
    QFile::remove(data.file(QStringLiteral("Help.ini")));
    enterHelp(*form);
    EXPECT_EQ(ui.LbHelp->count(), page.topicCount());
    EXPECT_EQ(ui.LbHelp->currentRow(), 3);
    EXPECT_TRUE(form->dialogs().messages().empty());
}

TEST_F(HelpPageTest, TitleListTakesAtMostHalfThePageAndKeepsTheChosenWidth) {
    auto form = test::openForm(data);
    FormControls &ui = test::ui(form);
    const int chosen = form->state().session.block().get(Setting.HelpListWidth);
    form->resize(640, 480);
    QApplication::processEvents();
    enterHelp(*form);
    QApplication::processEvents();
    const int half = (ui.HelpSplitter->width() - ui.HelpSplitter->handleWidth()) / 2;
    ASSERT_LT(half, chosen) << "the window is too wide for this test";
    EXPECT_EQ(ui.LbHelp->width(), half);
    EXPECT_GE(ui.MemoHelp->width(), half);

    // Room again: the chosen width comes back, and it is what is kept.
    form->resize(1400, 900);
    QApplication::processEvents();
    EXPECT_EQ(ui.LbHelp->width(),
              std::min(chosen, (ui.HelpSplitter->width() - ui.HelpSplitter->handleWidth()) / 2));
    form->resize(640, 480);
    QApplication::processEvents();
    form->close();
    EXPECT_EQ(form->state().session.block().get(Setting.HelpListWidth), chosen);
}

TEST_F(HelpPageTest, MissingFileIsReportedAndTriedAgainAtTheNextEntry) {
    const QString path = data.file(QStringLiteral("Help.ini"));
    const QByteArray bytes = test::readAll(path);
    ASSERT_TRUE(QFile::remove(path));
    auto form = test::openForm(data);
    FormControls &ui = test::ui(form);
    enterHelp(*form);
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    EXPECT_TRUE(form->dialogs().messages().front().text.contains(QStringLiteral("Help.ini")));
    EXPECT_EQ(ui.LbHelp->count(), 0);

    leaveHelp(*form);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Topic\r\nText\r\n//***\r\nOther\r\n");
    file.close();
    enterHelp(*form);
    ASSERT_EQ(ui.LbHelp->count(), 2);
    // The unclosed last topic keeps its own (empty) body.
    ui.LbHelp->setCurrentRow(1);
    EXPECT_EQ(ui.MemoHelp->toPlainText(), QString());
    ui.LbHelp->setCurrentRow(0);
    EXPECT_EQ(ui.MemoHelp->toPlainText(), QStringLiteral("Text\n"));
    EXPECT_EQ(form->dialogs().messages().size(), 1u);
    Q_UNUSED(bytes);
}

TEST_F(HelpPageTest, AnEmptyFileSaysSo) {
    const QString path = data.file(QStringLiteral("Help.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    auto form = test::openForm(data);
    enterHelp(*form);
    EXPECT_EQ(test::ui(form).LbHelp->count(), 0);
    EXPECT_EQ(test::ui(form).MemoHelp->toPlainText(),
              QStringLiteral("Файл справки %1 пуст.").arg(QDir::toNativeSeparators(path)));
}

TEST(HelpPage, AHelpFileThatIsNoFileIsReported) {
    for (const test::BadFile bad : test::kBadFiles) {
        SCOPED_TRACE(test::badFileName(bad));
        test::ScratchData data;
        const QString path = data.file(QStringLiteral("Help.ini"));
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(test::makeBadFile(bad, path, maxFileBytes(FileKind::Help)));
        auto form = test::openForm(data);
        form->dialogs().clearRecord();
        {
            const test::AsUnprivileged lesserUser({data.dir()});
            test::ui(form).PageControl->setCurrentWidget(test::ui(form).TabSheetHelp);
        }
        ASSERT_EQ(form->dialogs().messages().size(), 1u);
        const QString text = form->dialogs().messages().front().text;
        EXPECT_TRUE(text.contains(path + QStringLiteral(": ") + test::badFileReason(bad)))
            << text.toStdString();
        EXPECT_EQ(test::ui(form).LbHelp->count(), 0);
    }
}

TEST_F(HelpPageTest, RowHeightAndFontCommandsChangeTheListAndAreKept) {
    auto form = test::openForm(data);
    FormControls &ui = test::ui(form);
    enterHelp(*form);
    QAction *height = form->action(QStringLiteral("MenuHelpItemHeight"));
    ASSERT_TRUE(height->isEnabled());
    form->dialogs().setNextAnswer(QStringLiteral("31"));
    test::useMenuItem(*form, height);
    EXPECT_EQ(ui.LbHelp->visualItemRect(ui.LbHelp->item(0)).height(), 31);
    EXPECT_EQ(form->state().session.block().get(Setting.HelpItemHeight), 31);

    QAction *font = form->action(QStringLiteral("MenuHelpFont"));
    ASSERT_TRUE(font->isEnabled());
    QFont chosen(QStringLiteral("Courier"));
    chosen.setPointSize(15);
    form->dialogs().setNextFont(chosen);
    test::useMenuItem(*form, font);
    EXPECT_EQ(ui.LbHelp->font().pointSize(), 15);
    EXPECT_EQ(ui.MemoHelp->font(), ui.LbHelp->font());
    EXPECT_EQ(form->state().session.settings().font(SettingsFont::LbHelp).size, 15);
}

class FindDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(data.valid());
        form = test::openForm(data);
        for (int e = 1; e <= form->state().Data.highestEffect() && rows() < 6; ++e)
            test::effectSearch(form).CbEffect[0]->setCurrentIndex(e);
        ASSERT_GE(rows(), 6);
    }
    int rows() { return form->state().session.recipes().PotionCount(); }
    QString cell(int row) {
        const ProgramState &st = form->state();
        return GetPotionCellText(st.Data, st.session.recipes(), row,
                                 st.session.block().get(Setting.PotionFindCol), true);
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(FindDialogTest, FindsDownAndUpFromTheSelectedRow) {
    RecipeFinder &finder = FormMainTestAccess::finder(*form);
    PotionListView *list = test::ui(form).LBPotion;
    list->setCurrentRow(0);
    test::useCommand(*form, "MenuFindInPotions");
    ASSERT_NE(finder.dialog(), nullptr);
    EXPECT_TRUE(finder.dialog()->isVisible());
    EXPECT_EQ(finder.dialog()->text().toUpper(), cell(0));

    // The text of row 0 again: downwards the next row that begins with it.
    const QString text = cell(0).left(3);
    int next = -1;
    for (int r = 1; r < rows() && next < 0; ++r)
        if (cell(r).startsWith(text))
            next = r;
    finder.dialog()->setText(text.toLower());
    finder.dialog()->find();
    EXPECT_EQ(list->currentRow(), next < 0 ? 0 : next);
    if (next > 0) {
        EXPECT_EQ(form->state().session.recipes().CurPotion, form->state().session.recipes()[next]);
    }

    // Upwards from the last row: the nearest row above it with the text.
    list->setCurrentRow(rows() - 1);
    finder.dialog()->setDown(false);
    test::useCommand(*form, "MenuFindNext");
    int above = -1;
    for (int r = rows() - 2; r >= 0 && above < 0; --r)
        if (cell(r).startsWith(text))
            above = r;
    EXPECT_EQ(list->currentRow(), above);
}

TEST_F(FindDialogTest, ClosesItselfOnAnEmptyRecipeList) {
    RecipeFinder &finder = FormMainTestAccess::finder(*form);
    test::useCommand(*form, "MenuFindInPotions");
    ASSERT_TRUE(finder.dialog()->isVisible());
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(0);
    ASSERT_EQ(rows(), 0);
    finder.dialog()->find();
    EXPECT_FALSE(finder.dialog()->isVisible());
    // With no recipes the commands open nothing.
    test::useCommand(*form, "MenuFindNext");
    EXPECT_FALSE(finder.dialog()->isVisible());
}

} // namespace
} // namespace qor
