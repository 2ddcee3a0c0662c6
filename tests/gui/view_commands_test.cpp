// The view-setting commands: number prompts clamp to each setting's range,
// a cancelled prompt or a text that is no number changes nothing.

#include "gui_test_support.h"

#include "main_window/ui/view_commands.h"

#include "settings/effect_symbol.h"

#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/potion_list_view.h"
#include "recipe_list/ui/recipe_info_lists.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>

#include "recipe_list/ui/chooser_combo.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class ViewCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::openForm(data);
        dialogs().clearRecord();
    }
    DialogProvider &dialogs() { return form->dialogs(); }
    void answer(const char *menu, const QString &text) {
        dialogs().setNextAnswer(text);
        test::useCommand(*form, menu);
    }

    test::ScratchData data;
    std::unique_ptr<TFormMain> form;
};

TEST_F(ViewCommandTest, RowAndCaptionHeightsArePulledIntoTheirRanges) {
    answer("MenuLbPotionItemHeight", QStringLiteral("5"));
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 10);
    EXPECT_EQ(dialogs().prompts().back(), QStringLiteral("Высота строк"));
    answer("MenuLbPotionItemHeight", QStringLiteral("500"));
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 100);
    answer("MenuLbPotionItemHeight", QStringLiteral("abc"));
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 100);
    dialogs().setNextCancel();
    test::useCommand(*form, "MenuLbPotionItemHeight");
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 100);
    EXPECT_TRUE(dialogs().messages().empty());

    // A caption height is limited to 0..50 after the answer.
    answer("MenuHeightCap1", QStringLiteral("-7"));
    EXPECT_EQ(test::ui(form).PanelCapLBPotions->height(), 0);
    EXPECT_EQ(test::ui(form).PanelLBox->y(), 0);
    answer("MenuHeightCap1", QStringLiteral("80"));
    EXPECT_EQ(test::ui(form).PanelCapLBPotions->height(), 50);
    EXPECT_EQ(test::ui(form).PanelLBox->y(), 50);
    answer("MenuHeightCap3", QStringLiteral("33"));
    EXPECT_EQ(test::ui(form).PanelCapGrid->height(), 33);
}

// The lists follow their row-height lines: the command only stores the value.
TEST_F(ViewCommandTest, ListsFollowTheirRowHeightLines) {
    answer("MenuItemHeightAltLBoxs", QStringLiteral("60"));
    EXPECT_EQ(form->state().session.block().get(Setting.AltListsItemHeight), 50);
    EXPECT_EQ(test::altLists(form).items->itemHeight(), 50);
    EXPECT_EQ(test::altLists(form).chosenEffects->itemHeight(), 50);
    answer("MenuLbFavoritesItemHeight", QStringLiteral("22"));
    EXPECT_EQ(test::favoritesList(form)->itemHeight(), 22);
    form->state().session.setSetting(Setting.GridRowHeight, 30);
    EXPECT_EQ(test::ui(form).StringGrid->verticalHeader()->defaultSectionSize(), 30);
    // The recipe region's heights and the captions follow theirs as well.
    form->state().session.setSetting(Setting.LbPotionItemHeight, 41);
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 41);
    form->state().session.setSetting(Setting.HeaderEffInfoHeight, 27);
    EXPECT_EQ(test::ui(form).HeaderEffInfo->height(), 27);
    form->state().session.setSetting(Setting.PanelCapGridHeight, 31);
    EXPECT_EQ(test::ui(form).PanelCapGrid->height(), 31);
}

// Whoever changes a font in the session, the controls that show it follow.
TEST_F(ViewCommandTest, ControlsFollowTheirFontsInTheSession) {
    Session &session = form->state().session;
    const auto check = [](const QWidget *control, const char *family, int points) {
        EXPECT_EQ(control->font().family(), QString::fromLatin1(family))
            << control->objectName().toStdString();
        EXPECT_EQ(control->font().pointSize(), points) << control->objectName().toStdString();
    };
    session.setFont(SettingsFont::LBPotion, QStringLiteral("Liberation Serif"), 13);
    check(test::ui(form).LBPotion, "Liberation Serif", 13);
    session.setFont(SettingsFont::StringGrid, QStringLiteral("Liberation Mono"), 9);
    check(test::ui(form).StringGrid, "Liberation Mono", 9);
    session.setFont(SettingsFont::LbEffectInfo, QStringLiteral("DejaVu Sans"), 10);
    check(test::ui(form).LbEffectInfo, "DejaVu Sans", 10);
    session.setFont(SettingsFont::AltLists, QStringLiteral("DejaVu Serif"), 11);
    check(test::altLists(form).items, "DejaVu Serif", 11);
    check(test::altLists(form).chosenEffects, "DejaVu Serif", 11);
    session.setFont(SettingsFont::LBFavorites, QStringLiteral("Liberation Sans"), 12);
    check(test::favoritesList(form), "Liberation Sans", 12);
    session.setFont(SettingsFont::MainForm, QStringLiteral("Liberation Sans"), 10);
    check(form.get(), "Liberation Sans", 10);
    session.setFont(SettingsFont::DropDown, QStringLiteral("DejaVu Sans Mono"), 8);
    check(test::effectSearch(form).CbFilter[4], "DejaVu Sans Mono", 8);
}

TEST_F(ViewCommandTest, AlternateRowPercentRecomputesTheColour) {
    answer("MenuColor2LBox", QStringLiteral("1000"));
    EXPECT_EQ(form->state().session.block().get(Setting.PotionColor2Percent), 300);
    const QColor window = form->palette().color(QPalette::Base);
    EXPECT_EQ(form->viewColors().PotionColor2, MakeColor2(window, 300));
    answer("MenuColor2LbEff", QStringLiteral("50"));
    EXPECT_EQ(form->viewColors().EffInfoColor2, MakeColor2(window, 50));
}

TEST_F(ViewCommandTest, ReferenceTableDrawsItsRowColourAndEachLineDirection) {
    QTableView *grid = test::ui(form).StringGrid;
    answer("MenuColor2Grid", QStringLiteral("50"));
    const QColor window = grid->palette().color(QPalette::Base);
    const QColor color2 = MakeColor2(window, 50);
    EXPECT_EQ(form->gridColor2(), color2);
    auto shot = [&] {
        QApplication::processEvents();
        return grid->viewport()->grab().toImage();
    };
    // Model row 2 is grid row 3 (odd): alternate colour; model row 1 plain.
    const QRect odd = grid->visualRect(grid->model()->index(2, 5));
    const QRect even = grid->visualRect(grid->model()->index(1, 5));
    QImage image = shot();
    EXPECT_EQ(QColor(image.pixel(odd.right() - 2, odd.top() + 1)), color2);
    EXPECT_EQ(QColor(image.pixel(even.right() - 2, even.top() + 1)), window);
    // Vertical lines on, horizontal off at the start.
    const QColor line = QColor(grid->palette().color(QPalette::Mid).rgb());
    EXPECT_EQ(QColor(image.pixel(even.right(), even.center().y())), line);
    EXPECT_EQ(QColor(image.pixel(even.center().x(), even.bottom())), window);

    test::useCommand(*form, "MenuGridLines_hor");
    test::useCommand(*form, "MenuGridLines_ver");
    image = shot();
    EXPECT_EQ(QColor(image.pixel(even.center().x(), even.bottom())), line);
    EXPECT_EQ(QColor(image.pixel(even.right(), even.center().y())), window);
    // The picture column keeps its lines in both directions.
    const QRect picture = grid->visualRect(grid->model()->index(1, 0));
    EXPECT_EQ(QColor(image.pixel(picture.right(), picture.top() + 1)), line);
}

TEST_F(ViewCommandTest, LookFlagsSetInTheSessionShowAtOnceWithoutTheirMenu) {
    Session &session = form->state().session;
    QTableView *grid = test::ui(form).StringGrid;
    const QRect cell = grid->visualRect(grid->model()->index(1, 5));
    const QColor window = grid->palette().color(QPalette::Base);
    const QColor line = QColor(grid->palette().color(QPalette::Mid).rgb());
    auto pixel = [&](int x, int y) {
        QApplication::processEvents();
        return QColor(grid->viewport()->grab().toImage().pixel(x, y));
    };
    EXPECT_EQ(pixel(cell.center().x(), cell.bottom()), window);

    session.setSetting(Setting.MenuGridLinesHor, true);
    session.setSetting(Setting.MenuScrollForLBox, true);
    session.setSetting(Setting.DrawVertLines, true);
    session.setSetting(Setting.MenuCanGrayedDisabledItem, true);
    session.setSetting(Setting.MenuCanLightLBox, true);
    session.setSetting(Setting.SplitterThickness, 14);
    session.setSetting(Setting.EffColorChar, std::uint8_t{0xA7});
    EXPECT_EQ(pixel(cell.center().x(), cell.bottom()), line);
    EXPECT_TRUE(test::ui(form).ScrollBarLB->isVisible());
    EXPECT_EQ(test::ui(form).PanelLBox->geometry().bottom() + 1,
              test::ui(form).PanelLbPotionsMain->height() - test::ui(form).ScrollBarLB->height());
    EXPECT_TRUE(form->viewColors().DrawVertLines);
    EXPECT_TRUE(form->viewColors().grayDisabledItems);
    EXPECT_EQ(form->viewColors().LightCellMode & 1, 1);
    EXPECT_EQ(test::ui(form).MainSplitter->handleWidth(), 14);
    EXPECT_EQ(form->viewColors().EffColorChar, QChar(0x00A7));
    EXPECT_TRUE(form->action(QStringLiteral("MenuScrollForLBox"))->isChecked());

    // The menu item is only a view of its flag: unchecking it hides the bar.
    test::useCommand(*form, "MenuScrollForLBox");
    EXPECT_FALSE(session.block().get(Setting.MenuScrollForLBox));
    EXPECT_FALSE(test::ui(form).ScrollBarLB->isVisible());
}

TEST_F(ViewCommandTest, SplitterThicknessAndDropDownCount) {
    answer("MenuSplitterHeight", QStringLiteral("12"));
    EXPECT_EQ(form->splitterThickness(), 12);
    EXPECT_EQ(test::ui(form).MainSplitter->handleWidth(), 12);
    EXPECT_EQ(test::ui(form).PanelPotionInfo->handleWidth(), 12);
    answer("MenuSetDropDownCount", QStringLiteral("2"));
    EXPECT_EQ(form->state().session.block().get(Setting.DropDownCount), 5);
    EXPECT_LE(test::effectSearch(form).CbEffect[0]->maxVisibleItems(), 5);
}

TEST_F(ViewCommandTest, ChangedViewSettingsSurviveARestart) {
    answer("MenuLbPotionItemHeight", QStringLiteral("40"));
    answer("MenuHeaderHeight", QStringLiteral("30"));
    answer("MenuSplitterHeight", QStringLiteral("9"));
    test::useCommand(*form, "MenuCanDrawLines");
    EXPECT_TRUE(form->viewColors().DrawVertLines);
    form->close();
    form = test::openForm(data);
    EXPECT_EQ(test::ui(form).LBPotion->itemHeight(), 40);
    EXPECT_EQ(test::ui(form).Header->height(), 30);
    EXPECT_EQ(form->splitterThickness(), 9);
    EXPECT_TRUE(form->action(QStringLiteral("MenuCanDrawLines"))->isChecked());
    EXPECT_TRUE(form->viewColors().DrawVertLines);
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST_F(ViewCommandTest, EffectSymbolTakesTheFirstCharacterAndSurvivesARestart) {
    const QChar before = form->viewColors().EffColorChar;
    answer("MenuCharEffectType", QString());
    EXPECT_EQ(form->viewColors().EffColorChar, before);
    dialogs().setNextCancel();
    test::useCommand(*form, "MenuCharEffectType");
    EXPECT_EQ(form->viewColors().EffColorChar, before);
    ASSERT_EQ(dialogs().presetTexts().size(), 2);
    EXPECT_EQ(dialogs().presetTexts().front(), QString(before));

    answer("MenuCharEffectType", QStringLiteral("§ and more"));
    EXPECT_EQ(form->viewColors().EffColorChar, QChar(0x00A7));
    EXPECT_TRUE(dialogs().messages().empty());

    // A symbol the settings file cannot hold is refused with a message.
    answer("MenuCharEffectType", QStringLiteral("★"));
    EXPECT_EQ(form->viewColors().EffColorChar, QChar(0x00A7));
    ASSERT_EQ(dialogs().messages().size(), 1u);
    EXPECT_EQ(dialogs().messages().front().icon, MessageIcon::Warning);
    answer("MenuCharEffectType", QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(form->viewColors().EffColorChar, QChar(0x00A7));

    form->close();
    form.reset();
    auto again = test::openForm(data);
    EXPECT_EQ(again->viewColors().EffColorChar, QChar(0x00A7));
}

TEST(EffectSymbolCodeTest, OnlyCharactersOfTheCyrillicCodePageHaveAByte) {
    EXPECT_EQ(effColorCharCode(QChar(0x2022)), std::optional<std::uint8_t>(0x95));
    EXPECT_EQ(effColorCharCode(QChar(0x0416)), std::optional<std::uint8_t>(0xC6)); // Ж
    EXPECT_EQ(effColorCharCode(QLatin1Char('?')), std::optional<std::uint8_t>('?'));
    EXPECT_FALSE(effColorCharCode(QChar(0x2605)).has_value());
    EXPECT_FALSE(effColorCharCode(QChar(0xD83D)).has_value());
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST_F(ViewCommandTest, HintsShowOnlyWhileTheirItemIsChecked) {
    QWidget *target = test::ui(form).PanelCount;
    int asked = 0;
    // Each request carries a text of its own: a hint still fading out from
    // the request before cannot pass for a new one.
    auto askForHint = [&] {
        const QString text = QStringLiteral("hint %1").arg(++asked);
        target->setToolTip(text);
        const QPoint pos(2, 2);
        QHelpEvent help(QEvent::ToolTip, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &help);
        const bool shown = QToolTip::isVisible() && QToolTip::text() == text;
        QToolTip::hideText();
        return shown;
    };
    QAction *item = form->action(QStringLiteral("MenuShowHints"));
    ASSERT_TRUE(item->isEnabled());
    if (!item->isChecked())
        test::useMenuItem(*form, item);
    EXPECT_TRUE(askForHint());
    test::useMenuItem(*form, item);
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(askForHint());
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST_F(ViewCommandTest, ColourCommandsTakeOnlyAConfirmedColourAndKeepIt) {
    const QColor before = form->viewColors().CellLightColor;
    test::useCommand(*form, "MenuColorLightLbox"); // cancelled
    EXPECT_EQ(form->viewColors().CellLightColor, before);

    const struct {
        const char *item;
        QColor colour;
    } steps[] = {{"MenuColorLightLbox", QColor(10, 20, 30)},
                 {"MenuColorLBoxLines", QColor(40, 50, 60)},
                 {"MenuColorEffPoison", QColor(70, 80, 90)},
                 {"MenuColorEffGood", QColor(100, 110, 120)}};
    for (const auto &step : steps) {
        ASSERT_TRUE(form->action(QString::fromLatin1(step.item))->isEnabled()) << step.item;
        dialogs().setNextColor(step.colour);
        test::useCommand(*form, step.item);
    }
    EXPECT_EQ(form->viewColors().CellLightColor, QColor(10, 20, 30));
    EXPECT_EQ(form->viewColors().VertLineColor, QColor(40, 50, 60));
    EXPECT_EQ(form->viewColors().PoisonEffColor, QColor(70, 80, 90));
    EXPECT_EQ(form->viewColors().GoodEffColor, QColor(100, 110, 120));

    // The default marker colour applies from the next start, and says so.
    dialogs().setNextColor(QColor(1, 2, 3));
    test::useCommand(*form, "MenuColorMarkerDef");
    ASSERT_EQ(dialogs().messages().size(), 1u);
    EXPECT_EQ(dialogs().messages().front().text,
              QStringLiteral("Изменения вступят после перезапуска программы    "));
    EXPECT_EQ(dialogs().messages().front().icon, MessageIcon::Information);
    EXPECT_NE(form->state().Data.ItemTable[1].MarkerColor, 0x030201);

    form->close();
    form.reset();
    auto again = test::openForm(data);
    EXPECT_EQ(again->viewColors().CellLightColor, QColor(10, 20, 30));
    EXPECT_EQ(again->viewColors().VertLineColor, QColor(40, 50, 60));
    EXPECT_EQ(again->viewColors().PoisonEffColor, QColor(70, 80, 90));
    EXPECT_EQ(again->viewColors().GoodEffColor, QColor(100, 110, 120));
    EXPECT_EQ(again->state().Data.ItemTable[1].MarkerColor, 0x030201);
}

TEST_F(ViewCommandTest, PictureBackgroundColourRepaintsThePicturePanel) {
    dialogs().setNextColor(QColor(0, 0, 128));
    test::useCommand(*form, "MenuColorWndPicBg");
    EXPECT_EQ(test::ui(form).PanelItemDisplay->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(form->state().session.block().get(Setting.PicBgColor), 128 << 16);
}

} // namespace
} // namespace qor

namespace qor {
namespace {

QFont chosenFont(const char *family, int points) {
    QFont f(QString::fromLatin1(family));
    f.setPointSize(points);
    f.setBold(true); // only the face name and the size are taken
    return f;
}

TEST_F(ViewCommandTest, FontCommandsTakeFaceAndSizeAndSurviveARestart) {
    const QFont before = test::ui(form).LBPotion->font();
    test::useCommand(*form, "MenuLbPotionsFont"); // cancelled
    EXPECT_EQ(test::ui(form).LBPotion->font(), before);

    // The dialog opens on the face and size in use; OK on them changes nothing.
    for (const auto &[menu, control] :
         {std::pair{"MenuFontMainForm", static_cast<QWidget *>(form.get())},
          std::pair{"MenuGridFont", static_cast<QWidget *>(test::ui(form).StringGrid)},
          std::pair{"MenuLbPotionsFont", static_cast<QWidget *>(test::ui(form).LBPotion)}}) {
        const QFont inUse = control->font();
        const QFontInfo drawn(inUse);
        dialogs().setNextFontAccepted();
        test::useCommand(*form, menu);
        ASSERT_FALSE(dialogs().presetFonts().isEmpty());
        EXPECT_EQ(dialogs().presetFonts().back().family(), drawn.family()) << menu;
        EXPECT_EQ(qRound(dialogs().presetFonts().back().pointSizeF()), qRound(drawn.pointSizeF())) << menu;
        EXPECT_EQ(control->font(), inUse) << menu;
        EXPECT_EQ(QFontInfo(control->font()).pixelSize(), drawn.pixelSize()) << menu;
    }

    dialogs().setNextFont(chosenFont("Liberation Serif", 15));
    test::useCommand(*form, "MenuLbPotionsFont");
    EXPECT_EQ(test::ui(form).LBPotion->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(test::ui(form).LBPotion->font().pointSize(), 15);
    EXPECT_FALSE(test::ui(form).LBPotion->font().bold());

    dialogs().setNextFont(chosenFont("Liberation Mono", 11));
    test::useCommand(*form, "MenuGridFont");
    EXPECT_EQ(test::ui(form).StringGrid->font().family(), QStringLiteral("Liberation Mono"));

    dialogs().setNextFont(chosenFont("DejaVu Serif", 12));
    test::useCommand(*form, "MenuFontComboBox");
    EXPECT_EQ(test::effectSearch(form).CbEffect[2]->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(test::effectSearch(form).CbEffect[2]->font().pointSize(), 12);

    // The local menu changes the control it was opened on.
    Q_EMIT test::ui(form).PanelCount->customContextMenuRequested(QPoint(2, 2));
    test::ui(form).PopupMenuLocal->hide();
    dialogs().setNextFont(chosenFont("Liberation Sans", 14));
    form->action(QStringLiteral("PMenuLocatFont"))->trigger();
    EXPECT_EQ(test::ui(form).PanelCount->font().pointSize(), 14);

    form->close();
    form.reset();
    auto again = test::openForm(data);
    EXPECT_EQ(test::ui(again).LBPotion->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(test::ui(again).LBPotion->font().pointSize(), 15);
    EXPECT_EQ(test::ui(again).StringGrid->font().family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(test::effectSearch(again).CbEffect[0]->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(test::ui(again).PanelCount->font().pointSize(), 14);
}

} // namespace
} // namespace qor
