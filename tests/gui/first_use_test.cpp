// What a first-time player meets: the restored table sort, the layout at
// every window size, readable default colours, drop-down heights, input box
// widths and the hint in the empty recipe list.

#include "gui_test_support.h"

#include "main_window/ui/view_commands.h"

#include "common_ui/input_box.h"
#include "common_ui/qt_translation.h"
#include "main_window/search_tab_widths.h"
#include "recipe_list/empty_list_hint.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "reference_table/grid_model.h"
#include "reference_table/ui/grid_header_view.h"
#include "visuals/contrast_ratio.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

#include <gtest/gtest.h>

namespace qor {
namespace {

// Sorting by a computed column ("Сила эф. 1") survives a restart: the rows
// come back in that order and the same ingredient is current.
TEST(FirstUseTest, ComputedColumnSortSurvivesARestart) {
    test::ScratchData data;
    int currentItem = 0;
    {
        auto form = test::openForm(data);
        ProgramState &st = form->state();
        st.session.editGrid([&](GridState &grid) {
            grid.GridSortCode = -4;
            SortGrid(st.Data, st.Strengths, grid);
        });
        // The table follows a sort made outside it.
        EXPECT_EQ(static_cast<GridHeaderView *>(test::ui(form).StringGrid->horizontalHeader())->sortCode(),
                  -4);
        test::ui(form).StringGrid->setCurrentIndex(test::ui(form).StringGrid->model()->index(2, 1));
        currentItem = st.session.grid().GridRowOrder[3];
        test::useCommand(*form, "MenuExit");
    }
    auto again = test::openForm(data);
    const ProgramState &st = again->state();
    ASSERT_EQ(st.session.grid().GridSortCode, -4);
    const auto &order = st.session.grid().GridRowOrder;
    ASSERT_GT(order.size(), 10u);
    int distinct = 0;
    for (std::size_t r = 2; r < order.size(); ++r) {
        const int before = st.Strengths.slot(order[r - 1], 0).Power;
        const int after = st.Strengths.slot(order[r], 0).Power;
        EXPECT_GE(before, after) << "row " << r;
        distinct += before != after;
    }
    EXPECT_GT(distinct, 0) << "every strength is equal: the sort saw no computed values";
    ASSERT_TRUE(test::ui(again).StringGrid->currentIndex().isValid());
    EXPECT_EQ(order[static_cast<std::size_t>(test::ui(again).StringGrid->currentIndex().row() + 1)],
              currentItem);
}

bool isControl(const QWidget *w) {
    return w->inherits("QAbstractButton") || w->inherits("QComboBox") || w->inherits("QLabel") ||
           w->inherits("QLineEdit") || w->inherits("QAbstractItemView") || w->inherits("QTabBar");
}

// The visible controls of a tab (not the parts inside a control), each with
// its rectangle in the tab's coordinates.
std::vector<std::pair<QWidget *, QRect>> visibleControls(QWidget *tab) {
    std::vector<std::pair<QWidget *, QRect>> out;
    for (QWidget *w : tab->findChildren<QWidget *>()) {
        if (!w->isVisible() || !isControl(w))
            continue;
        bool inControl = false;
        for (QWidget *p = w->parentWidget(); p && p != tab; p = p->parentWidget())
            inControl = inControl || isControl(p);
        if (!inControl)
            out.emplace_back(w, QRect(w->mapTo(tab, QPoint(0, 0)), w->size()));
    }
    return out;
}

// No control leaves any of its containers (which would cut it off), no two
// overlap, and buttons show their whole caption (unless narrow on purpose).
void expectNothingHidden(QWidget *tab, int windowWidth) {
    const auto controls = visibleControls(tab);
    ASSERT_FALSE(controls.empty());
    for (const auto &[w, rect] : controls) {
        for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
            const QRect box(p->mapTo(tab, QPoint(0, 0)), p->size());
            EXPECT_TRUE(box.contains(rect)) << w->objectName().toStdString() << " is cut off by "
                                            << p->objectName().toStdString() << " at " << windowWidth;
            if (p == tab)
                break;
        }
        if (w->inherits("QAbstractButton") && w->maximumWidth() >= w->sizeHint().width()) {
            EXPECT_GE(w->width(), w->sizeHint().width())
                << w->objectName().toStdString() << " at " << windowWidth;
        }
        for (const auto &[other, otherRect] : controls) {
            if (other != w && w < other) {
                EXPECT_FALSE(rect.intersects(otherRect))
                    << w->objectName().toStdString() << " overlaps " << other->objectName().toStdString()
                    << " at " << windowWidth;
            }
        }
    }
}

// From the least window width up, no control of the input tabs overlaps or
// hides another.
TEST(FirstUseTest, InputTabsFitAtEveryWindowWidth) {
    test::ScratchData data;
    auto form = test::openForm(data);
    for (QWidget *tab :
         {test::ui(form).TabSheet1, test::ui(form).TabSheetSearshFromItem, test::ui(form).TabSheetSkills}) {
        test::ui(form).PageControl->setCurrentWidget(tab);
        for (int width = 640; width <= 1920; width += 40) {
            form->resize(width, width == 640 ? 480 : 768);
            QApplication::processEvents();
            expectNothingHidden(tab, width);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

TEST(FirstUseTest, EffectChoosersGiveWayBeforeFilters) {
    // Room for everything: full widths.
    SearchTabWidths w = fitSearchTab(1200, 400, 44);
    EXPECT_EQ(w.effectChooser, kEffectChooserWidth);
    EXPECT_EQ(w.filterChooser, kFilterChooserWidth);
    EXPECT_EQ(w.effectPanel, kEffectChooserWidth + kFilterChooserWidth + 44);
    // 100 pixels short: only the effect choosers give way.
    w = fitSearchTab(400 + kEffectChooserWidth + kFilterChooserWidth + 44 - 100, 400, 44);
    EXPECT_EQ(w.effectChooser, kEffectChooserWidth - 100);
    EXPECT_EQ(w.filterChooser, kFilterChooserWidth);
    // Past the effect choosers' least width the filters give way.
    w = fitSearchTab(400 + kEffectChooserLeast + kFilterChooserWidth + 44 - 30, 400, 44);
    EXPECT_EQ(w.effectChooser, kEffectChooserLeast);
    EXPECT_EQ(w.filterChooser, kFilterChooserWidth - 30);
    // Never below the least widths; a wide filter caption raises the
    // filters' least width.
    w = fitSearchTab(100, 400, 44);
    EXPECT_EQ(w.effectChooser, kEffectChooserLeast);
    EXPECT_EQ(w.filterChooser, kFilterChooserLeast);
    EXPECT_EQ(w.effectPanel, kEffectChooserLeast + kFilterChooserLeast + 44);
    EXPECT_EQ(fitSearchTab(100, 400, 44, 110).filterChooser, 110);
}

// Shrinking to the minimum and growing back gives the layout of before; while
// small, the recipe's three ingredient rows fit their list.
TEST(FirstUseTest, ShrinkingAndGrowingBackRestoresTheLayout) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    const QList<int> strip = test::ui(form).PanelPotionInfo->sizes();
    const QList<int> regions = test::ui(form).MainSplitter->sizes();
    const QRect listPanel = test::ui(form).PanelLBox->geometry();
    const int rowHeight = test::ui(form).LbItemsInfo->itemHeight();
    const QSize picture = test::ui(form).Image->pixmap().size();
    ASSERT_FALSE(picture.isEmpty());
    form->resize(640, 480);
    QApplication::processEvents();
    EXPECT_LE(3 * test::ui(form).LbItemsInfo->itemHeight(), test::ui(form).LbItemsInfo->viewport()->height());
    EXPECT_GE(4 * test::ui(form).LbItemsInfo->itemHeight(), test::ui(form).LbItemsInfo->viewport()->height());
    EXPECT_EQ(test::ui(form).LbItemsInfo->verticalScrollBar()->maximum(), 0);
    form->resize(1055, 768);
    QApplication::processEvents();
    EXPECT_EQ(test::ui(form).PanelPotionInfo->sizes(), strip);
    EXPECT_EQ(test::ui(form).MainSplitter->sizes(), regions);
    EXPECT_EQ(test::ui(form).PanelLBox->geometry(), listPanel);
    EXPECT_EQ(test::ui(form).LbItemsInfo->itemHeight(), rowHeight);
    EXPECT_EQ(test::ui(form).Image->pixmap().size(), picture);
}

// The recipe list's scroll range ends at its last column, and the bar of
// its rows stays inside the region at every position.
TEST(FirstUseTest, RecipeListScrollsToItsLastColumnWithTheRowBarInView) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    test::useCommand(*form, "MenuScrollForLBox");
    test::effectSearch(form).CbEffect[0]->setCurrentIndex(1);
    QApplication::processEvents();
    ASSERT_GT(test::ui(form).LBPotion->verticalScrollBar()->maximum(), 0);
    QWidget *region = test::ui(form).PanelLbPotionsMain;
    QScrollBar *rows = test::ui(form).ScrollBarLBVert;
    const int shown = region->width() - rows->width();
    for (const int position :
         {0, test::ui(form).ScrollBarLB->maximum() / 2, test::ui(form).ScrollBarLB->maximum()}) {
        test::ui(form).ScrollBarLB->setValue(position);
        EXPECT_TRUE(rows->isVisible());
        EXPECT_TRUE(region->rect().contains(rows->geometry()));
    }
    EXPECT_EQ(test::ui(form).PanelLBox->x() + test::ui(form).PanelLBox->width(), shown)
        << "blank after the last column";
    test::recipes(form).On_Scroll(test::ui(form).ScrollBarLB->maximum() + 500);
    EXPECT_EQ(test::ui(form).PanelLBox->x() + test::ui(form).PanelLBox->width(), shown);
    EXPECT_EQ(rows->maximum(), test::ui(form).LBPotion->verticalScrollBar()->maximum());
    rows->setValue(3);
    EXPECT_EQ(test::ui(form).LBPotion->topIndex(), 3);
}

// Every chooser opens a list of at most the drop-down row setting (32).
TEST(FirstUseTest, DropDownsHonourTheRowSetting) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    for (ChooserComboBox *combo :
         {test::effectSearch(form).CbEffect[0], test::effectSearch(form).CbPrioriryIngredient[0]}) {
        ASSERT_GT(combo->count(), 40) << combo->objectName().toStdString();
        EXPECT_LE(combo->maxVisibleItems(), 32);
        combo->showPopup();
        QApplication::processEvents();
        const int listHeight = combo->view()->height();
        EXPECT_LE(listHeight, combo->maxVisibleItems() * kChooserItemHeight + 8)
            << combo->objectName().toStdString();
        combo->hidePopup();
    }
}

// The default lit-cell colour reads on both row colours and on the
// selection; the default marker colour reads as text on the rows and takes
// a readable text colour as a background.
TEST(FirstUseTest, DefaultHighlightColoursAreReadable) {
    test::ScratchData data;
    auto form = test::openForm(data);
    const ViewColors &colors = form->viewColors();
    const auto code = [](const QColor &c) { return static_cast<std::uint32_t>(c.rgb() & 0xFFFFFFu); };
    const std::uint32_t lit = code(colors.CellLightColor);
    const std::uint32_t marker =
        code(colorFromCode(form->state().session.block().get(Setting.DefMarkerColor), colors));
    const std::uint32_t gridRow2 =
        code(MakeColor2(colors.Window, form->state().session.block().get(Setting.GridColor2Percent)));
    for (const QColor &bg : {colors.Window, colors.PotionColor2, colors.Highlight}) {
        EXPECT_GE(contrastRatio(lit, code(bg)), kReadableContrast) << bg.name().toStdString();
        EXPECT_GE(contrastRatio(marker, code(bg)), kReadableContrast) << bg.name().toStdString();
    }
    EXPECT_GE(contrastRatio(marker, gridRow2), kReadableContrast);
    EXPECT_GE(contrastRatio(marker, readableTextOn(marker)), kReadableContrast);
}

TEST(FirstUseTest, QtOwnTextsAreRussian) {
    test::ensureApplication();
    QTranslator *translator = installQtRussianTranslation(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Russian translation is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// An input box shows the whole text it opens with, within the screen.
TEST(FirstUseTest, InputBoxesAreAsWideAsTheirText) {
    test::ensureApplication();
    const QString name =
        QStringLiteral("Сила 12, Время 40 | Восстановление здоровья + Настройки = Усиление торговли");
    auto box = makeInputBox(nullptr, QStringLiteral("QOR Алхимия"), QStringLiteral("Название"), name);
    box->show();
    QApplication::processEvents();
    const QLineEdit *edit = box->findChild<QLineEdit *>();
    ASSERT_NE(edit, nullptr);
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(name));
    box->close();

    auto huge =
        makeInputBox(nullptr, QStringLiteral("QOR Алхимия"), QString(), QString(3000, QLatin1Char('W')));
    huge->show();
    QApplication::processEvents();
    EXPECT_LE(huge->frameGeometry().width(), QGuiApplication::primaryScreen()->availableGeometry().width());
    huge->close();
}

// The picture panel's border is not drawn in the lime text colour, and the
// potion-kind picture shows the panel's colour around its shape.
TEST(FirstUseTest, PicturePanelsShowNoLimeBorderAndNoWhiteSquare) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    const QImage panel = test::ui(form).PanelItemDisplay->grab().toImage();
    ASSERT_FALSE(panel.isNull());
    for (const QPoint p : {QPoint(0, 0), QPoint(panel.width() / 2, 0), QPoint(0, panel.height() / 2)})
        EXPECT_NE(panel.pixelColor(p), QColor(0, 255, 0));

    test::effectSearch(form).CbEffect[0]->setCurrentIndex(1);
    QApplication::processEvents();
    ASSERT_GT(form->state().session.recipes().PotionCount(), 0);
    const QPixmap kind = test::ui(form).ImagePotionType->pixmap();
    ASSERT_FALSE(kind.isNull());
    EXPECT_EQ(kind.toImage().pixelColor(0, 0).alpha(), 0);
}

// The empty list says what to do, or which condition empties it.
TEST(FirstUseTest, EmptyRecipeListExplainsItself) {
    test::ScratchData data;
    auto form = test::openForm(data);
    form->resize(1055, 768);
    QApplication::processEvents();
    EXPECT_EQ(test::ui(form).LBPotion->emptyHint(), kHintChooseCondition);
    // The line is drawn: the empty list is not all background.
    const QImage empty = test::ui(form).LBPotion->viewport()->grab().toImage();
    const QColor window = form->viewColors().Window;
    int inked = 0;
    for (int x = 0; x < std::min(empty.width(), test::ui(form).PanelLbPotionsMain->width()); ++x)
        inked += empty.pixelColor(x, empty.height() / 2) != window;
    EXPECT_GT(inked, 0);

    test::effectSearch(form).CbEffect[0]->setCurrentIndex(1);
    EXPECT_GT(form->state().session.recipes().PotionCount(), 0);
    test::effectSearch(form).CBoxNeedCheckCost->click();
    test::effectSearch(form).ComboBoxCost_Min->setCurrentIndex(0);
    test::effectSearch(form).ComboBoxCost_Max->setCurrentIndex(0);
    EXPECT_EQ(form->state().session.recipes().PotionCount(), 0);
    EXPECT_EQ(test::ui(form).LBPotion->emptyHint(), kHintPriceBoundsZero);
    test::effectSearch(form).CBoxNeedCheckCost->click();

    // Five different effects asked of two ingredients.
    for (int k = 0; k < 5; ++k)
        test::effectSearch(form).CbEffect[k]->setCurrentIndex(k + 1);
    EXPECT_EQ(form->state().session.recipes().PotionCount(), 0);
    EXPECT_EQ(test::ui(form).LBPotion->emptyHint(), kHintPairsTooFewEffects);
    for (int k = 0; k < 5; ++k)
        test::effectSearch(form).CbEffect[k]->setCurrentIndex(0);
    EXPECT_EQ(test::ui(form).LBPotion->emptyHint(), kHintChooseCondition);
}

} // namespace
} // namespace qor
