// The brewing plan opens from the last item of the menu "Разное", once, and
// keeps a stock file it cannot use rather than overwrite it.

#include "brewing_plan/ui/brewing_plan_window.h"
#include "common/bad_files.h"
#include "common/file_read.h"
#include "gui/gui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

QAction *planItem(TFormMain &form) {
    for (QAction *top : form.menuBar()->actions()) {
        if (top->text() == QStringLiteral("Разное") && !top->menu()->actions().isEmpty())
            return top->menu()->actions().back();
    }
    return nullptr;
}

// Types a count into a row of the stock list as the player does: F2 on the
// count, the number, Enter.
void typeCount(QTableWidget *table, int row, const QString &count) {
    table->window()->activateWindow();
    table->setFocus();
    table->setCurrentCell(row, 1);
    QTest::keyClick(table, Qt::Key_F2);
    // The editor of an earlier edit may still wait for its deletion, hidden.
    QLineEdit *editor = nullptr;
    for (QLineEdit *open : table->viewport()->findChildren<QLineEdit *>()) {
        if (open->isVisible())
            editor = open;
    }
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, count);
    QTest::keyClick(editor, Qt::Key_Return);
    // The list takes the typed text in a queued call.
    QApplication::processEvents();
}

TEST(BrewingPlanMenu, AStockThatIsNoFileIsRefusedAndKeptAsABackup) {
    for (const test::BadFile bad : test::kBadFiles) {
        SCOPED_TRACE(test::badFileName(bad));
        test::ScratchData data;
        const QString path = StockFilePath(data.dir());
        ASSERT_TRUE(test::makeBadFile(bad, path, maxFileBytes(FileKind::Stock)));
        const bool wasFolder = QFileInfo(path).isDir();
        const bool wasLink = QFileInfo(path).isSymLink();
        const qint64 size = QFileInfo(path).size();
        auto form = test::openForm(data);
        form->dialogs().clearRecord();
        BrewingPlanWindow *window = nullptr;
        {
            const test::AsUnprivileged lesserUser({data.dir()});
            test::clickMenuItem(*form, planItem(*form));
            window = form->findChild<BrewingPlanWindow *>();
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(window->isVisible());
            ASSERT_EQ(form->dialogs().messages().size(), 1u);
            const QString text = form->dialogs().messages()[0].text;
            EXPECT_TRUE(text.contains(path + QStringLiteral(": ") + test::badFileReason(bad)))
                << text.toStdString();
            EXPECT_TRUE(text.contains(StockBackupPath(path))) << text.toStdString();

            // The first edit moves the old file aside and saves a readable one.
            auto *table = window->findChild<QTableWidget *>(QStringLiteral("StockTable"));
            ASSERT_NE(table, nullptr);
            typeCount(table, 0, QStringLiteral("7"));
            EXPECT_EQ(window->stock()[1], 7);
        }
        EXPECT_EQ(form->dialogs().messages().size(), 1u);
        const QFileInfo backup(StockBackupPath(path));
        EXPECT_EQ(backup.isDir(), wasFolder);
        EXPECT_EQ(backup.isSymLink(), wasLink);
        EXPECT_EQ(backup.size(), size);
        StockCounts onDisk;
        ASSERT_TRUE(ReadStock(path, form->state().Data.itemRecordCount(), onDisk).ok());
        EXPECT_EQ(onDisk[1], 7);
        window->close();
    }
}

TEST(BrewingPlanMenu, AFailedSaveMarksTheCountsUnsaved) {
    test::ScratchData data;
    auto form = test::openForm(data);
    test::clickMenuItem(*form, planItem(*form));
    auto *window = form->findChild<BrewingPlanWindow *>();
    ASSERT_NE(window, nullptr);
    auto *box = window->findChild<QGroupBox *>(QStringLiteral("StockBox"));
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("StockTable"));
    ASSERT_TRUE(box && table);
    // A folder at the temporary file's name makes every save fail.
    const QString temp = StockFilePath(data.dir()) + QStringLiteral(".tmp");
    ASSERT_TRUE(QDir().mkdir(temp));
    typeCount(table, 0, QStringLiteral("3"));
    EXPECT_EQ(box->title(), QStringLiteral("Запас ингредиентов (не сохранён)"));
    ASSERT_FALSE(form->dialogs().messages().empty());
    EXPECT_TRUE(form->dialogs().messages().back().text.contains(temp))
        << form->dialogs().messages().back().text.toStdString();
    ASSERT_TRUE(QDir().rmdir(temp));
    typeCount(table, 0, QStringLiteral("4"));
    EXPECT_EQ(box->title(), QStringLiteral("Запас ингредиентов"));
    window->close();
}

TEST(BrewingPlanMenu, LastItemOfMiscOpensOneWindow) {
    test::ScratchData data;
    // A damaged stock file is reported through the main window's message box.
    QFile stock(StockFilePath(data.dir()));
    ASSERT_TRUE(stock.open(QIODevice::WriteOnly));
    stock.write("broken");
    stock.close();

    auto form = test::openForm(data);
    QAction *item = planItem(*form);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->objectName(), QStringLiteral("MenuBrewingPlan"));
    EXPECT_EQ(item->text(), QStringLiteral("План варки"));
    EXPECT_TRUE(item->isEnabled());

    form->dialogs().clearRecord();
    test::clickMenuItem(*form, item);
    test::clickMenuItem(*form, item);
    const auto windows = form->findChildren<BrewingPlanWindow *>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_EQ(windows[0]->stock().size(), std::size_t(form->state().Data.itemRecordCount()));
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    EXPECT_TRUE(form->dialogs().messages()[0].text.contains(QStringLiteral("Файл запаса повреждён")));
}

} // namespace
} // namespace qor
