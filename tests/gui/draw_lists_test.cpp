// The small owner-drawn lists and the choosers: current recipe ingredients
// and effects, alternative-making lists, favourites, chooser items.

#include "draw_support.h"

#include "engine/alt_making.h"
#include "favorites/favorites_model.h"
#include "favorites/ui/favorites_list.h"
#include "recipe_list/ui/alt_lists.h"
#include "recipe_list/ui/chooser_combo.h"
#include "recipe_list/ui/potion_header.h"
#include "recipe_list/ui/recipe_info_lists.h"
#include "session/session.h"

#include <QAbstractItemModelTester>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

using namespace qor;
using namespace qor::drawtest;

namespace {

bool isGood(QColor p) {
    return p.green() > 150 && p.red() < 80 && p.blue() < 80;
}
bool isPoison(QColor p) {
    return p.red() > 180 && p.green() < 80 && p.blue() < 80;
}
bool isBlueText(QColor p) {
    return p.blue() > 150 && p.red() < 110 && p.green() < 110;
}
bool isGrayish(QColor p) {
    return p.rgb() != qRgb(255, 255, 255) && std::abs(p.red() - p.green()) < 12 &&
           std::abs(p.green() - p.blue()) < 12;
}

class ListsDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApp();
        colors = testColors();
        data = testData();
    }
    ViewColors colors;
    GameData data;
    PotionList list;
};

TEST_F(ListsDraw, EffectInfoShowsFiveRowsWithKindColourUnderlineAndBlankSlots) {
    PotionHeader header(PotionHeader::Kind::EffectInfo, PotionHeader::effectInfoCaptions(), colors, nullptr);
    const QString decimalPoint = QStringLiteral(".");
    EffectInfoList view(data, list, colors, header, decimalPoint);
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(view.model()->rowCount(), 5);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(420, 5 * 17);
    list.CurPotion = twoEffectRecipe(40);
    list.CurPotion.MainEffSlot = 1;
    const QImage img = render(view);
    const int h = 17;
    auto rowRect = [&](int r) { return QRect(0, r * h, 420, h); };
    auto cellRect = [&](int k, int r) {
        return QRect(header.sectionLeft(k), r * h, header.sectionSize(k), h);
    };
    // Odd rows in EffInfoColor2, beyond the columns too; empty slots blank.
    EXPECT_EQ(px(img, 400, 0 * h + 3), colors.Window);
    EXPECT_EQ(px(img, 400, 1 * h + 3), colors.EffInfoColor2);
    for (int r = 2; r < 5; ++r) {
        const QColor bg = r % 2 ? colors.EffInfoColor2 : colors.Window;
        EXPECT_EQ(countColour(img, rowRect(r), bg), 420 * h) << "row " << r;
    }
    // "Тип": beneficial in GoodEffColor, harmful in PoisonEffColor.
    EXPECT_GT(countPixels(img, cellRect(0, 0), isGood), 0);
    EXPECT_EQ(countPixels(img, cellRect(0, 0), isPoison), 0);
    EXPECT_GT(countPixels(img, cellRect(0, 1), isPoison), 0);
    EXPECT_GT(countPixels(img, cellRect(5, 0), isBlueText), 0);

    // The main effect's name is underlined: moving the main slot moves the line.
    const int ink0 = countPixels(img, cellRect(5, 0), isBlueText);
    list.CurPotion.MainEffSlot = 2;
    const QImage img2 = render(view);
    EXPECT_LT(countPixels(img2, cellRect(5, 0), isBlueText), ink0);
    EXPECT_GT(countPixels(img2, cellRect(5, 1), isBlueText), countPixels(img, cellRect(5, 1), isBlueText));

    // A column narrower than 5 pixels is only filled.
    header.resizeSection(5, 4);
    const QImage img3 = render(view);
    EXPECT_EQ(countColour(img3, cellRect(5, 0), colors.Window), 4 * h);

    // No recipe: every row blank.
    list.CurPotion = TPotionRec{};
    const QImage blank = render(view);
    EXPECT_EQ(countPixels(blank, blank.rect(),
                          [&](QColor p) { return p != colors.Window && p != colors.EffInfoColor2; }),
              0);
}

TEST_F(ListsDraw, ItemsInfoStretchesTheWindowPictureIntoASquareOfTheRowHeight) {
    ColourPictures pictures;
    ItemsInfoList view(data, list, colors, &pictures);
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(view.model()->rowCount(), 3);
    view.setFrameShape(QFrame::NoFrame);
    view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setItemHeight(30);
    view.resize(200, 90);
    list.CurPotion = twoEffectRecipe(40, 2, 3);
    view.setCurrentRow(0); // selection is never shown
    const QImage img = render(view);
    EXPECT_EQ(view.visualRect(view.model()->index(1, 0)).height(), 30);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(px(img, 0, r * 30), ColourPictures::windowColour());
        EXPECT_EQ(px(img, 29, r * 30 + 29), ColourPictures::windowColour());
        EXPECT_EQ(px(img, 30, r * 30 + 5), colors.Window);
        EXPECT_GT(countPixels(img, QRect(32, r * 30, 160, 30), isBlueText), 0);
    }
    EXPECT_EQ(countColour(img, QRect(0, 60, 200, 30), colors.Window), 200 * 30);
    EXPECT_EQ(countColour(img, img.rect(), colors.Highlight), 0);
}

TEST_F(ListsDraw, IngredientChooserDrawsTheIngredientNameAndThumbnail) {
    ColourPictures pictures;
    ChooserComboBox combo(ChooserComboBox::Kind::Ingredient, data, colors, &pictures);
    for (int i = 0; i < data.itemRecordCount(); ++i)
        combo.addItem(QStringLiteral("*"));
    const QSize size(200, kChooserItemHeight);
    auto paint = [&](int row, bool selected) {
        QImage img(size, QImage::Format_RGB32);
        QPainter p(&img);
        p.setFont(combo.font());
        combo.paintChooserItem(p, img.rect(), row, selected);
        return img;
    };
    const QImage item = paint(2, false);
    EXPECT_EQ(px(item, 0, 0), ColourPictures::smallColour());
    EXPECT_EQ(px(item, 18, 18), ColourPictures::smallColour());
    EXPECT_EQ(px(item, 19, 5), colors.Window);

    // The text is the ingredient's name at left + side + 2, not the item's "*".
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(colors.Window);
    {
        QPainter p(&expected);
        p.setFont(combo.font());
        p.setPen(colors.WindowText);
        const QFontMetrics fm(combo.font());
        p.drawText(kChooserItemHeight + 2, kChooserItemHeight / 2 - fm.height() / 2 + fm.ascent(),
                   data.ItemNames[2]);
    }
    const QRect textArea(kChooserItemHeight, 0, 200 - kChooserItemHeight, kChooserItemHeight);
    EXPECT_EQ(item.copy(textArea), expected.copy(textArea));

    const QImage selected = paint(2, true);
    EXPECT_EQ(px(selected, 150, 2), colors.Highlight);
    const QImage none = paint(0, false);
    EXPECT_EQ(countColour(none, QRect(0, 0, 19, 19), ColourPictures::smallColour()), 0);
}

TEST_F(ListsDraw, ClosedChooserShowsItsCurrentItemTheOwnerDrawnWay) {
    ColourPictures pictures;
    ChooserComboBox combo(ChooserComboBox::Kind::Ingredient, data, colors, &pictures);
    for (int i = 0; i < data.itemRecordCount(); ++i)
        combo.addItem(QStringLiteral("*"));
    combo.resize(220, 24);
    combo.setCurrentIndex(0);
    EXPECT_EQ(countColour(render(combo), QRect(0, 0, 220, 24), ColourPictures::smallColour()), 0);
    combo.setCurrentIndex(3);
    const QImage img = render(combo);
    EXPECT_GT(countColour(img, QRect(0, 0, 220, 24), ColourPictures::smallColour()), 100);
    EXPECT_GT(countPixels(img, QRect(0, 0, 220, 24), isBlueText), 0);
    // The drop-down list's items are all one height.
    QStyleOptionViewItem opt;
    EXPECT_EQ(combo.view()->itemDelegate()->sizeHint(opt, combo.model()->index(1, 0)).height(),
              kChooserItemHeight);
}

TEST_F(ListsDraw, EffectChooserSymbolAndTheGrayRule) {
    ChooserComboBox combo(ChooserComboBox::Kind::Effect, data, colors, nullptr);
    combo.addItems(data.EffectNames);
    bool lineOff = true;
    combo.setGrayPredicate([&lineOff] { return lineOff; });
    auto paint = [&](int row) {
        QImage img(200, kChooserItemHeight, QImage::Format_RGB32);
        QPainter p(&img);
        p.setFont(combo.font());
        combo.paintChooserItem(p, img.rect(), row, false);
        return img;
    };
    const QFontMetrics fm(combo.font());
    const QRect box(2, 0, fm.horizontalAdvance(colors.EffColorChar) + 2, kChooserItemHeight);
    const QRect text(box.right() + 3, 0, 200 - box.right() - 3, kChooserItemHeight);

    colors.grayDisabledItems = false; // unchecked: never gray
    QImage img = paint(1);
    EXPECT_FALSE(combo.isGrayed());
    EXPECT_GT(countPixels(img, box, isGood), 0);
    EXPECT_GT(countPixels(img, text, isBlueText), 0);
    img = paint(2);
    EXPECT_GT(countPixels(img, box, isPoison), 0);
    img = paint(0);
    EXPECT_EQ(countPixels(img, img.rect(), [](QColor p) { return isGood(p) || isPoison(p); }), 0);

    colors.grayDisabledItems = true;
    EXPECT_TRUE(combo.isGrayed());
    img = paint(1);
    EXPECT_EQ(countPixels(img, text, isBlueText), 0);
    EXPECT_GT(countPixels(img, text, isGrayish), 0);
    EXPECT_GT(countPixels(img, box, isGood), 0) << "the symbol keeps its colour";
    lineOff = false;
    img = paint(1);
    EXPECT_GT(countPixels(img, text, isBlueText), 0);

    ChooserComboBox plain(ChooserComboBox::Kind::Text, data, colors, nullptr);
    plain.addItems({QStringLiteral("10"), QStringLiteral("20")});
    EXPECT_FALSE(plain.isGrayed()) << "no predicate: never gray";
}

TEST_F(ListsDraw, AlternativeMakingListsFollowTheirArraysAndColourRules) {
    AltMaking alt;
    alt.AltEffectRows = {{1, true}, {2, false}, {3, true}};
    alt.AltEffects = {2};
    alt.AltCandidates = {1, 3};
    alt.AltItems = {2};
    ColourPictures pictures;
    AltEffectsList available(AltEffectsList::Kind::Available, data, alt, colors);
    AltEffectsList amount(AltEffectsList::Kind::Amount, data, alt, colors);
    AltItemsList candidates(AltItemsList::Kind::Candidates, data, alt, colors, &pictures);
    AltItemsList chosen(AltItemsList::Kind::Amount, data, alt, colors, &pictures);
    QAbstractItemModelTester t1(available.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester t2(candidates.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(available.model()->rowCount(), 3);
    EXPECT_EQ(amount.model()->rowCount(), 1);
    EXPECT_EQ(candidates.model()->rowCount(), 2);
    EXPECT_EQ(chosen.itemAt(0), 2);
    EXPECT_EQ(candidates.itemAt(1), 3);
    EXPECT_EQ(available.effectAt(1), 2);
    EXPECT_EQ(available.effectAt(3), 0);

    const QSize size(200, 17);
    const auto selected = QStyle::State_Selected;
    const auto focused = QStyle::State_Selected | QStyle::State_HasFocus;
    // Available effects: highlight only when selected and focused; unreachable gray.
    EXPECT_EQ(px(paintListRow(available, 0, selected, size), 150, 2), colors.Window);
    EXPECT_EQ(px(paintListRow(available, 0, focused, size), 150, 2), colors.Highlight);
    const QImage unreachable = paintListRow(available, 1, {}, size);
    EXPECT_EQ(countPixels(unreachable, QRect(20, 0, 180, 17), isBlueText), 0);
    EXPECT_GT(countPixels(unreachable, QRect(20, 0, 180, 17), isGrayish), 0);
    EXPECT_GT(countPixels(unreachable, QRect(0, 0, 20, 17), isPoison), 0);
    // Required effects: default colours.
    EXPECT_EQ(px(paintListRow(amount, 0, selected, size), 150, 2), colors.Highlight);

    // Ingredient lists: thumbnail in a square of the row height, then the name.
    const QImage cand = paintListRow(candidates, 1, {}, size);
    EXPECT_EQ(px(cand, 0, 0), ColourPictures::smallColour());
    EXPECT_EQ(px(cand, 16, 16), ColourPictures::smallColour());
    EXPECT_EQ(px(cand, 17, 3), colors.Window);
    EXPECT_GT(countPixels(cand, QRect(19, 0, 180, 17), isBlueText), 0);

    // Changes reach the view through refresh().
    alt.AltCandidates = {1, 2, 3};
    EXPECT_EQ(candidates.model()->rowCount(), 2);
    candidates.refresh();
    EXPECT_EQ(candidates.model()->rowCount(), 3);
    alt.AltCandidates.clear();
    candidates.refresh();
    EXPECT_EQ(candidates.model()->rowCount(), 0);
}

TEST_F(ListsDraw, FavouritesShowThreeThumbnailsThenTheName) {
    Session session;
    ColourPictures pictures;
    FavoritesList view(data, session, colors, &pictures);
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(view.model()->rowCount(), 0);
    // The view follows the session's announcement, without a refresh.
    session.editFavorites([&](FavoritesModel &fav) {
        fav.addPotion(twoEffectRecipe(10, 1, 2), QStringLiteral("Первый"));
        fav.addPotion(twoEffectRecipe(20, 3, 1), QStringLiteral("Второй"));
    });
    EXPECT_EQ(view.model()->rowCount(), 2);
    const QSize size(300, 16);
    const QImage odd = paintListRow(view, 1, {}, size);
    EXPECT_EQ(px(odd, 0, 0), ColourPictures::smallColour());
    EXPECT_EQ(px(odd, 31, 15), ColourPictures::smallColour());
    // The third ingredient is absent: its square shows the row background.
    EXPECT_EQ(countColour(odd, QRect(32, 0, 16, 16), colors.PotionColor2), 16 * 16);
    EXPECT_EQ(px(odd, 299, 1), colors.PotionColor2);
    EXPECT_GT(countPixels(odd, QRect(50, 0, 250, 16), isBlueText), 0);
    EXPECT_EQ(px(paintListRow(view, 1, QStyle::State_Selected, size), 299, 1), colors.Highlight);
    EXPECT_EQ(px(paintListRow(view, 0, {}, size), 299, 1), colors.Window);
}

} // namespace
