// The lists of the two tool windows: the ingredient picture in a square of
// the row height (the full-size picture once the row is higher than the
// small one), the name two pixels after it, the highlight colours, and the
// check marks of the ingredients at hand.

#include "draw_support.h"

#include "favorites/favorites_model.h"
#include "favorites/ui/favorite_index_list.h"
#include "favorites/ui/used_items_list.h"
#include "favorites/used_items_model.h"
#include "session/session.h"

#include <QAbstractItemModelTester>
#include <QPainter>

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::drawtest;

namespace {

// ColourPictures with a full-size picture of a colour of its own.
class SourcePictures : public ColourPictures {
  public:
    static QColor sourceColour() { return {40, 200, 90}; }
    SourcePictures() : m_source(60, 50, QImage::Format_ARGB32) { m_source.fill(sourceColour()); }
    const QImage *sourcePicture(int item) const override { return item > 0 ? &m_source : nullptr; }

  private:
    QImage m_source;
};

bool isText(QColor p, const QColor &bg) {
    return p.rgb() != bg.rgb();
}

class ToolListsDraw : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApp();
        colors = testColors();
        data = testData();
        session.editFavorites([](FavoritesModel &fav) {
            fav.FavItems = {2, 9}; // 9 lies beyond the tables: no picture, "-"
            fav.FavEffects = {3};
        });
    }
    ViewColors colors;
    GameData data;
    Session session;
    SourcePictures pictures;
};

TEST_F(ToolListsDraw, FavouriteIngredientsShowTheirPictureSquareThenTheName) {
    FavoriteIndexList items(FavoriteIndexList::Kind::Items, session, data, colors, &pictures);
    QAbstractItemModelTester tester(items.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(items.model()->rowCount(), 2);
    EXPECT_EQ(items.elementAt(1), 9);
    EXPECT_EQ(items.elementAt(2), 0);

    // Row 20 high: the small picture stretched into a 20 x 20 square, then
    // two background columns before the name.
    const QImage row = paintListRow(items, 0, {}, QSize(200, 20));
    EXPECT_EQ(countColour(row, QRect(0, 0, 20, 20), ColourPictures::smallColour()), 20 * 20);
    EXPECT_EQ(countColour(row, QRect(20, 0, 2, 20), colors.Window), 2 * 20);
    EXPECT_GT(countPixels(row, QRect(22, 0, 178, 20), [this](QColor p) { return isText(p, colors.Window); }),
              0);

    // Row 40 high, above the small picture: the full-size one.
    const QImage high = paintListRow(items, 0, {}, QSize(200, 40));
    EXPECT_EQ(countColour(high, QRect(0, 0, 40, 40), SourcePictures::sourceColour()), 40 * 40);

    // Without a picture the name starts 2 pixels from the left edge.
    const QImage bare = paintListRow(items, 1, QStyle::State_Selected, QSize(200, 20));
    EXPECT_EQ(countColour(bare, QRect(0, 0, 2, 20), colors.Highlight), 2 * 20);
    EXPECT_EQ(countColour(bare, QRect(2, 0, 198, 20), ColourPictures::smallColour()), 0);
    EXPECT_GT(countColour(bare, QRect(2, 0, 198, 20), colors.HighlightText), 0);
    EXPECT_EQ(px(bare, 199, 0), colors.Highlight);
}

TEST_F(ToolListsDraw, FavouriteEffectsShowTheNameOnly) {
    FavoriteIndexList effects(FavoriteIndexList::Kind::Effects, session, data, colors, &pictures);
    EXPECT_EQ(effects.objectName(), QStringLiteral("ListBoxFavoriteEffects"));
    const QImage row = paintListRow(effects, 0, {}, QSize(200, 20));
    EXPECT_EQ(countColour(row, row.rect(), ColourPictures::smallColour()), 0);
    EXPECT_EQ(countColour(row, QRect(0, 0, 2, 20), colors.Window), 2 * 20);
    EXPECT_GT(countColour(row, row.rect(), colors.WindowText), 0);
}

TEST_F(ToolListsDraw, IngredientsAtHandShowACheckPerIngredientAndTheirPictures) {
    UsedItemsModel sets;
    sets.resize(data.itemRecordCount());
    sets.UsedItemsSets[0] = {0, 1, 0, 1};
    sets.MakeUsedItems();
    UsedItemsList list(sets, data, colors, &pictures);
    QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(list.model()->rowCount(), 3); // ingredients 1..3
    EXPECT_TRUE(list.isChecked(0));
    EXPECT_FALSE(list.isChecked(1));
    EXPECT_TRUE(list.isChecked(2));
    EXPECT_FALSE(list.isChecked(3));

    const QSize size(200, 24);
    const QRect check = list.checkRect(QRect(QPoint(0, 0), size));
    const QImage on = paintListRow(list, 0, {}, size);
    const QImage off = paintListRow(list, 1, {}, size);
    EXPECT_NE(on.copy(check), off.copy(check)); // the check mark
    const QRect square(check.right() + 4, 0, 24, 24);
    EXPECT_EQ(countColour(on, square, ColourPictures::smallColour()), 24 * 24);
    EXPECT_GT(countColour(on, QRect(square.right() + 3, 0, 100, 24), colors.WindowText), 0);
    EXPECT_EQ(px(paintListRow(list, 2, QStyle::State_Selected, size), 199, 0), colors.Highlight);

    // A check follows ItemAvailable after the set changes.
    sets.UsedItemsSetIndex = 1;
    sets.MakeUsedItems();
    EXPECT_FALSE(list.isChecked(0));
}

} // namespace
