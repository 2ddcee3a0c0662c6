// Effect discovery as the player meets it: the switch in "Разное" draws
// unknown effects as "?", the reference table's context menu marks effects,
// the window plans experiments and marks a step, and a damaged Known.ini is
// reported and kept.

#include "discovery/ui/discovery_window.h"
#include "gui_test_support.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace qor {
namespace {

class DiscoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        form->resize(1280, 900);
        QApplication::processEvents();
        grid = test::ui(form).StringGrid;
        form->dialogs().clearRecord();
    }

    // Clicks an item of an open menu (opening a submenu when it has one).
    static void clickIn(QMenu *menu, const QString &name) {
        ASSERT_NE(menu, nullptr);
        // A submenu opens after the menu's short delay.
        for (int wait = 0; wait < 100 && !menu->isVisible(); ++wait)
            QTest::qWait(20);
        ASSERT_TRUE(menu->isVisible()) << name.toStdString();
        for (QAction *act : menu->actions()) {
            if (act->objectName() == name || (act->menu() != nullptr && act->menu()->objectName() == name)) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(act).center());
                QApplication::processEvents();
                return;
            }
        }
        FAIL() << name.toStdString();
    }
    void clickMisc(const char *name) {
        QMenuBar *bar = form->menuBar();
        for (QAction *top : bar->actions()) {
            if (top->text() == QStringLiteral("Разное")) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
                QApplication::processEvents();
                clickIn(top->menu(), QString::fromLatin1(name));
                return;
            }
        }
        FAIL() << "no menu Разное";
    }
    // A right click on the cell, then the item of the submenu "Изученные эффекты".
    void markInGrid(int row, int column, const char *name) {
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        const QPoint at = grid->visualRect(index).center();
        // The press selects nothing; the window system's context-menu event opens the menu.
        QContextMenuEvent press(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &press);
        QApplication::processEvents();
        QMenu *menu = test::ui(form).PopupMenuGrid;
        clickIn(menu, QStringLiteral("PopupMenuGridKnown"));
        clickIn(menu->findChild<QMenu *>(QStringLiteral("PopupMenuGridKnown")), QString::fromLatin1(name));
        menu->hide();
    }
    QString cellText(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    KnownEffects onDisk() const {
        KnownEffects known;
        EXPECT_TRUE(ReadKnown(KnownFilePath(data.dir()), form->state().Data.itemRecordCount(), known).ok());
        return known;
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
    QTableView *grid = nullptr;
};

TEST_F(DiscoveryTest, TheSwitchHidesUnknownEffectsAndTheMenusMarkThem) {
    const int effect1 = GridColumn::effect(1);
    const QString shown = cellText(0, effect1);
    ASSERT_NE(shown, QStringLiteral("?"));
    clickMisc("MenuShowOnlyKnown");
    EXPECT_TRUE(onDisk().showOnlyKnown);
    EXPECT_EQ(cellText(0, effect1), QStringLiteral("?"));
    EXPECT_EQ(cellText(0, GridColumn::power(1)), QStringLiteral("?"));
    EXPECT_NE(cellText(0, GridColumn::Price), QStringLiteral("?"));

    markInGrid(0, effect1, "PMenuGridKnownEffect");
    EXPECT_EQ(cellText(0, effect1), shown);
    EXPECT_EQ(cellText(0, GridColumn::effect(2)), QStringLiteral("?"));
    const int item0 = form->state().session.grid().itemAtRow(1);
    const int item1 = form->state().session.grid().itemAtRow(2);
    EXPECT_EQ(onDisk().slots[std::size_t(item0)], 1);
    markInGrid(1, GridColumn::Price, "PMenuGridKnownItem");
    EXPECT_EQ(onDisk().slots[std::size_t(item1)], filledSlots(form->state().Data, item1));
    markInGrid(0, effect1, "PMenuGridKnownEffect"); // toggles back
    EXPECT_EQ(cellText(0, effect1), QStringLiteral("?"));
    markInGrid(0, GridColumn::Item, "PMenuGridKnownAll");
    EXPECT_NE(cellText(0, effect1), QStringLiteral("?"));
    markInGrid(0, GridColumn::Item, "PMenuGridKnownNone");
    EXPECT_EQ(cellText(0, effect1), QStringLiteral("?"));

    // Off again: the table looks as it always did.
    clickMisc("MenuShowOnlyKnown");
    EXPECT_EQ(cellText(0, effect1), shown);
    EXPECT_FALSE(onDisk().showOnlyKnown);
    EXPECT_TRUE(form->dialogs().messages().empty());
}

// With the switch on, the strip frames the name of each effect the current
// recipe would teach, in the muted grey of the table's "?"; once all is
// known, and with the switch off, it looks as it always did.
TEST_F(DiscoveryTest, TheRecipeStripMarksTheEffectsTheRecipeWouldTeach) {
    // A filter choice fills the recipe list.
    test::effectSearch(form).CbFilter[0]->setCurrentIndex(2);
    auto *list = test::ui(form).LBPotion;
    ASSERT_GT(form->state().session.recipes().PotionCount(), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(list->viewport()->width() / 2, list->itemHeight() / 2));
    QApplication::processEvents();
    EffectInfoList *strip = test::ui(form).LbEffectInfo;
    const TPotionRec &cur = form->state().session.recipes().CurPotion;
    ASSERT_GT(cur.Effects[0].Effect, 0);
    const auto picture = [strip] { return strip->viewport()->grab().toImage(); };
    // The frame goes round the effect's name, the sixth column.
    int nameLeft = 0;
    for (int k = 0; k < 5; ++k)
        nameLeft += test::ui(form).HeaderEffInfo->sectionSize(k);
    const auto corner = [&](int row) {
        return strip->visualRect(strip->model()->index(row, 0)).topLeft() + QPoint(nameLeft, 0);
    };
    const auto frameCorner = [&](const QImage &image) { return image.pixelColor(corner(0)); };
    const QImage plain = picture();
    const QColor grey(128, 128, 128);
    ASSERT_NE(frameCorner(plain), grey);

    clickMisc("MenuShowOnlyKnown"); // nothing is known: every effect teaches
    const QImage marked = picture();
    EXPECT_EQ(frameCorner(marked), grey);
    for (int row = 0; row < EffectInfoList::kRows; ++row)
        EXPECT_EQ(marked.pixelColor(corner(row)) == grey, cur.Effects[std::size_t(row)].Effect > 0) << row;
    markInGrid(0, GridColumn::Item, "PMenuGridKnownAll");
    EXPECT_EQ(picture(), plain);
    markInGrid(0, GridColumn::Item, "PMenuGridKnownNone");
    EXPECT_EQ(picture(), marked);
    clickMisc("MenuShowOnlyKnown");
    EXPECT_EQ(picture(), plain);
}

TEST_F(DiscoveryTest, TheWindowPlansAndMarksAStep) {
    // Everything known but two ingredients keeps the plan small.
    KnownEffects known = KnownEffects::empty(form->state().Data.itemRecordCount());
    markAllKnown(form->state().Data, known);
    known.slots[1] = 0;
    known.slots[2] = 0;
    // One window at a time: the picture library is the program's.
    form.reset();
    ASSERT_TRUE(WriteKnown(KnownFilePath(data.dir()), known).ok());
    form = test::openForm(data);
    clickMisc("MenuDiscovery");
    auto *window = form->findChild<DiscoveryWindow *>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    // The window plans in the background as soon as it opens.
    QSignalSpy finished(window, &DiscoveryWindow::planFinished);
    if (window->isSolving()) {
        ASSERT_TRUE(finished.wait(60000));
    }
    auto *plan = window->findChild<QListWidget *>(QStringLiteral("DiscoveryPlan"));
    auto *best = window->findChild<QListWidget *>(QStringLiteral("DiscoveryBest"));
    ASSERT_TRUE(plan && best);
    ASSERT_GT(plan->count(), 0);
    EXPECT_GT(best->count(), 0);
    const int steps = plan->count();
    const QString first = plan->item(0)->text();
    EXPECT_TRUE(first.startsWith(QStringLiteral("1. Сварить "))) << first.toStdString();

    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("DiscoveryApply")), Qt::LeftButton);
    const KnownEffects after = onDisk();
    EXPECT_NE(after.slots[1] | after.slots[2], 0);
    EXPECT_EQ(plan->count(), steps - 1);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST(DiscoveryFile, ADamagedFileIsReportedAndKeptAsABackupAtTheFirstChange) {
    test::ScratchData data;
    const QString path = KnownFilePath(data.dir());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("QOR-KNOWN 1\r\n1 9\r\n");
    }
    auto form = test::openForm(data);
    ASSERT_EQ(form->dialogs().messages().size(), 1u);
    EXPECT_TRUE(form->dialogs().messages()[0].text.contains(
        QStringLiteral("Файл изученных эффектов повреждён (строка 2)")));
    EXPECT_EQ(test::readAll(path), QByteArray("QOR-KNOWN 1\r\n1 9\r\n"));
    form->findChild<QAction *>(QStringLiteral("MenuShowOnlyKnown"))->trigger();
    EXPECT_EQ(test::readAll(path + QStringLiteral(".bak")), QByteArray("QOR-KNOWN 1\r\n1 9\r\n"));
    EXPECT_EQ(test::readAll(path), serializeKnown([&] {
                  KnownEffects k = KnownEffects::empty(form->state().Data.itemRecordCount());
                  k.showOnlyKnown = true;
                  return k;
              }()));
}

} // namespace
} // namespace qor
