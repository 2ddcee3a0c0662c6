// Layout modes: row colours, the sliding recipe panel, the minimum region
// sizes and the two full-screen modes.

#include "gui_test_support.h"

#include "main_window/ui/view_commands.h"

#include "common_ui/full_screen_window.h"
#include "main_window/ui/reference_table_panel.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(LayoutTest, MakeColor2RoundsHalfToEvenAndCaps) {
    EXPECT_EQ(MakeColor2(QColor(200, 100, 7), 100), QColor(200, 100, 7));
    EXPECT_EQ(MakeColor2(QColor(100, 100, 100), 300), QColor(255, 255, 255));
    // 5 * 0.5 = 2.5 -> 2 and 7 * 0.5 = 3.5 -> 4.
    EXPECT_EQ(MakeColor2(QColor(5, 7, 0), 50), QColor(2, 4, 0));
    EXPECT_EQ(MakeColor2(QColor(255, 240, 10), 93), QColor(237, 223, 9));
}

TEST(LayoutTest, FirstGeometryIsCentredAndKeepsTheCaptionOnTheScreen) {
    const QSize size(1055, 768);
    EXPECT_EQ(centredWindowRect(size, QRect(0, 0, 1920, 1080)), QRect(432, 156, 1055, 768));
    EXPECT_EQ(centredWindowRect(size, QRect(1920, 30, 1280, 994)), QRect(1920 + 112, 30 + 113, 1055, 768));
    // A screen smaller than the window: the window fits the available area.
    EXPECT_EQ(centredWindowRect(size, QRect(0, 0, 800, 600)), QRect(0, 0, 800, 600));
    EXPECT_EQ(centredWindowRect(size, QRect(0, 0, 1024, 768)), QRect(0, 0, 1024, 768));
    EXPECT_EQ(centredWindowRect(size, QRect(0, 24, 1024, 744)), QRect(0, 24, 1024, 744));
    EXPECT_EQ(centredWindowRect(size, QRect(0, 0, 1280, 700)), QRect(112, 0, 1055, 700));

    test::ScratchData data;
    auto form = test::openForm(data, false);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form->geometry(), centredWindowRect(size, available));
}

// Every child of the search tab inside the tab and no two overlapping
// siblings: at the first size nothing is cut off or drawn over another.
void expectChildrenFit(QWidget *parent) {
    const auto children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (!child->isVisible() || child->isWindow())
            continue;
        EXPECT_TRUE(parent->rect().contains(child->geometry()))
            << child->objectName().toStdString() << " leaves " << parent->objectName().toStdString();
        for (QWidget *other : children) {
            if (other == child || !other->isVisible() || other->isWindow())
                continue;
            EXPECT_FALSE(child->geometry().intersects(other->geometry()))
                << child->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
}

TEST(LayoutTest, AtTheFirstSizeTheTabsFitAndNothingOverlaps) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    QTabBar *tabs = test::ui(form).PageControl->tabBar();
    int needed = 0;
    for (int i = 0; i < tabs->count(); ++i)
        needed += tabs->tabRect(i).width();
    EXPECT_LE(needed, test::ui(form).PageControl->width()) << "the tab bar scrolls at 1055 pixels";
    EXPECT_EQ(tabs->tabRect(tabs->count() - 1).right() < tabs->width(), true);
    for (QWidget *panel :
         {static_cast<QWidget *>(test::effectSearch(form).Panel5), test::effectSearch(form).TabSheet4})
        expectChildrenFit(panel);
}

TEST(LayoutTest, RecipePanelIsAsWideAsTheHeaderAndScrollsFromZero) {
    test::ScratchData data;
    auto form = test::openForm(data);
    for (int k = 0; k < test::ui(form).Header->count(); ++k)
        test::ui(form).Header->resizeSection(k, k < 20 ? 40 : 50);
    EXPECT_EQ(test::ui(form).PanelLBox->width(), 20 * 40 + 6 * 50 + 4);
    EXPECT_EQ(test::ui(form).PanelLBox->y(), test::ui(form).PanelCapLBPotions->height());

    test::useCommand(*form, "MenuScrollForLBox");
    EXPECT_TRUE(test::ui(form).ScrollBarLB->isVisible());
    EXPECT_EQ(test::ui(form).PanelLBox->geometry().bottom() + 1,
              test::ui(form).PanelLbPotionsMain->height() - test::ui(form).ScrollBarLB->height());
    // The range ends with the last column in view left of the row bar.
    const int shown = test::ui(form).PanelLbPotionsMain->width() - test::ui(form).ScrollBarLBVert->width();
    EXPECT_EQ(test::ui(form).ScrollBarLB->maximum(), test::ui(form).PanelLBox->width() - shown);
    test::ui(form).ScrollBarLB->setValue(30);
    EXPECT_EQ(test::ui(form).PanelLBox->x(), -30);
    test::recipes(form).On_Scroll(-5);
    EXPECT_EQ(test::ui(form).PanelLBox->x(), 0);
    test::useCommand(*form, "MenuScrollForLBox");
    EXPECT_FALSE(test::ui(form).ScrollBarLB->isVisible());
}

TEST(LayoutTest, ShrinkingKeepsTheRecipeListAt75BeforeOthersGiveWay) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    test::ui(form).MainSplitter->setSizes({200, 300, 143, 100});
    Q_EMIT test::ui(form).MainSplitter->splitterMoved(0, 1);
    form->resize(1055, 480);
    QApplication::processEvents();
    const QList<int> sizes = test::ui(form).MainSplitter->sizes();
    ASSERT_EQ(sizes.size(), 4);
    EXPECT_GE(sizes[3], 79);
    EXPECT_GE(sizes[1], 75);
    EXPECT_GE(sizes[2], 75);
    // The recipe list gave way first: the strip kept its height while the
    // list still had room above 75.
    if (sizes[1] > 75) {
        EXPECT_EQ(sizes[2], 143);
    }
    // Narrowing: the effect panel gives way, never below 100.
    form->resize(1055, 768);
    QApplication::processEvents();
    test::ui(form).PanelPotionInfo->setSizes({147, 347, 375, 100});
    Q_EMIT test::ui(form).PanelPotionInfo->splitterMoved(0, 1);
    form->resize(640, 768);
    QApplication::processEvents();
    const QList<int> widths = test::ui(form).PanelPotionInfo->sizes();
    ASSERT_EQ(widths.size(), 4);
    EXPECT_GE(widths[2], 100);
    EXPECT_LE(widths[0] + widths[1] + widths[2] + 3 * test::ui(form).PanelPotionInfo->handleWidth(),
              test::ui(form).PanelPotionInfo->width());
    EXPECT_EQ(widths[0], 147);
    form->resize(100, 100);
    QApplication::processEvents();
    EXPECT_GE(form->width(), 640);
    EXPECT_GE(form->height(), 480);
}

TEST(LayoutTest, ASessionInASmallWindowLeavesTheChosenSizesToTheNext) {
    test::ScratchData data;
    const auto openAt = [&data](QSize size) {
        auto form = test::openForm(data);
        form->resize(size);
        QApplication::processEvents();
        return form;
    };
    QList<int> heights;
    QList<int> widths;
    {
        auto form = openAt(QSize(1000, 760));
        heights = test::ui(form).MainSplitter->sizes();
        widths = test::ui(form).PanelPotionInfo->sizes();
        form->state().SkipSaveOnExit = true;
    }
    {
        auto form = openAt(QSize(640, 480));
        EXPECT_LT(test::ui(form).PanelLbPotionsMain->height(), heights[1]);
    }
    auto form = openAt(QSize(1000, 760));
    EXPECT_EQ(test::ui(form).MainSplitter->sizes(), heights);
    EXPECT_EQ(test::ui(form).PanelPotionInfo->sizes(), widths);
}

TEST(LayoutTest, TheGridKeepsItsReservedHeightAndTheEffectPanelItsMinimum) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    // The list and the strip are at their floor: the tabs give way and the
    // grid keeps exactly its reserved 79 pixels (without its caption the
    // grid's own minimum lies below that).
    test::ui(form).PanelCapGrid->setFixedHeight(0);
    test::ui(form).MainSplitter->setSizes({400, 75, 75, 300});
    Q_EMIT test::ui(form).MainSplitter->splitterMoved(0, 1);
    form->resize(1055, 560);
    QApplication::processEvents();
    const QList<int> sizes = test::ui(form).MainSplitter->sizes();
    ASSERT_EQ(sizes.size(), 4);
    EXPECT_EQ(sizes[3], 79);
    EXPECT_EQ(sizes[1], 75);
    EXPECT_EQ(sizes[2], 75);
    EXPECT_LT(sizes[0], 400);

    // Too narrow for the effect panel's share: it stops at exactly 100 and
    // the ingredient panel gives up the rest.
    form->resize(1055, 768);
    QApplication::processEvents();
    test::ui(form).PanelPotionInfo->setSizes({147, 447, 375, 100});
    Q_EMIT test::ui(form).PanelPotionInfo->splitterMoved(0, 1);
    form->resize(640, 768);
    QApplication::processEvents();
    const QList<int> widths = test::ui(form).PanelPotionInfo->sizes();
    ASSERT_EQ(widths.size(), 4);
    EXPECT_EQ(widths[2], 100);
    EXPECT_EQ(widths[0], 147);
    EXPECT_LT(widths[1], 447);
}

TEST(FullScreenTest, F6AndEscapeMoveTheListOutAndBack) {
    test::ScratchData data;
    auto form = test::openForm(data);
    QAction *f6 = form->action(QStringLiteral("MenuLbPotionDirectFloatingMode"));
    QAction *f7 = form->action(QStringLiteral("MenuGridDirectFloatingMode"));
    test::useMenuItem(*form, f6);
    ASSERT_NE(test::ui(form).FullScreen, nullptr);
    EXPECT_TRUE(test::ui(form).FullScreen->isVisible());
    EXPECT_TRUE(f6->isChecked());
    EXPECT_EQ(test::ui(form).PanelLBox->parentWidget(), test::ui(form).FullScreen);
    EXPECT_EQ(test::ui(form).PanelCapLBPotions->parentWidget(), test::ui(form).FullScreen);
    EXPECT_EQ(test::ui(form).ScrollBarLB->parentWidget(), test::ui(form).FullScreen);
    EXPECT_EQ(test::ui(form).FullScreen->windowTitle(), QStringLiteral("QOR Алхимия"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(test::ui(form).LBPotion, &escape);
    EXPECT_FALSE(test::ui(form).FullScreen->isVisible());
    EXPECT_FALSE(f6->isChecked());
    EXPECT_EQ(test::ui(form).PanelLBox->parentWidget(), test::ui(form).PanelLbPotionsMain);
    EXPECT_EQ(test::ui(form).PanelCapLBPotions->parentWidget(), test::ui(form).PanelLbPotionsMain);
    EXPECT_EQ(test::ui(form).ScrollBarLB->parentWidget(), test::ui(form).PanelLbPotionsMain);
    EXPECT_TRUE(test::ui(form).PanelLBox->isVisible());

    // F7 while the list is out only ends that mode.
    test::useMenuItem(*form, f6);
    test::useMenuItem(*form, f7);
    EXPECT_FALSE(test::ui(form).FullScreen->isVisible());
    EXPECT_EQ(test::ui(form).StringGrid->parentWidget(), static_cast<QWidget *>(test::ui(form).PanelGrid));
    EXPECT_EQ(test::ui(form).PanelLBox->parentWidget(), test::ui(form).PanelLbPotionsMain);
    EXPECT_FALSE(f6->isChecked());
    EXPECT_FALSE(f7->isChecked());

    // The table goes out and comes back by the caption double click.
    test::useMenuItem(*form, f7);
    EXPECT_EQ(test::ui(form).StringGrid->parentWidget(), test::ui(form).FullScreen);
    EXPECT_TRUE(f7->isChecked());
    test::doubleClick(test::ui(form).PanelCapGrid);
    EXPECT_EQ(test::ui(form).StringGrid->parentWidget(), static_cast<QWidget *>(test::ui(form).PanelGrid));
    EXPECT_FALSE(f7->isChecked());
}

} // namespace
} // namespace qor
