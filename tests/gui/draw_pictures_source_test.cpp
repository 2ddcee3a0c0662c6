// The views' picture access over the program's ingredient pictures: row
// pictures follow the row height and the three row colours.

#include "draw_support.h"

#include "game_data/data_loader.h"
#include "recipe_list/ui/item_pictures_source.h"
#include "visuals/ui/item_pictures.h"
#include "visuals/ui/picture_library.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::drawtest;

namespace {

int countRgb(const QImage &img, QRgb c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFFu) == (c & 0xFFFFFFu) ? 1 : 0;
    return n;
}

TEST(PicturesSource, RowPicturesFollowTheRowHeightAndTheRowColours) {
    ensureApp();
    const QString dir = QStringLiteral(QOR_BUILD_DATA_DIR);
    GameData data;
    if (loadGameData(dir, data).has_value())
        GTEST_SKIP() << "no data folder in the build";
    PictureLibrary library;
    if (!library.load(dir))
        GTEST_SKIP() << "picture library not built";
    ItemPictures pictures;
    pictures.cutAll(library, dir, data.itemRecordCount());
    ASSERT_TRUE(pictures.hasItemPictures());
    ItemPicturesSource source(pictures);
    EXPECT_EQ(source.rowPicture(1, RowPicture::Odd), nullptr) << "nothing built yet";

    const QColor even(255, 255, 255), odd1(200, 210, 220), odd2(150, 160, 170), sel(0, 0, 128);
    source.ensureRowPictures(25, even, odd1, sel);
    const QImage *pic = source.rowPicture(1, RowPicture::Odd);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->size(), QSize(25, 25));
    const int background = countRgb(*pic, odd1.rgb());
    ASSERT_GT(background, 0);

    // A new odd-row colour rebuilds the pictures with it baked in.
    source.ensureRowPictures(25, even, odd2, sel);
    pic = source.rowPicture(1, RowPicture::Odd);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(countRgb(*pic, odd2.rgb()), background);
    EXPECT_EQ(countRgb(*pic, odd1.rgb()), 0);

    // A new row height rebuilds them at that size.
    source.ensureRowPictures(31, even, odd2, sel);
    ASSERT_NE(source.rowPicture(1, RowPicture::Selected), nullptr);
    EXPECT_EQ(source.rowPicture(1, RowPicture::Selected)->size(), QSize(31, 31));
    const QImage *kind = source.kindRowPicture(1, RowPicture::Even);
    if (kind != nullptr) {
        EXPECT_EQ(kind->height(), 31);
    }

    EXPECT_EQ(source.windowPicture(0), nullptr) << "index 0 is never shown";
    EXPECT_NE(source.windowPicture(1), nullptr);
}

TEST(PicturesSource, RowPicturesBuiltElsewhereAreCheckedAgainstTheRowHeightAndColours) {
    ensureApp();
    const QString dir = QStringLiteral(QOR_BUILD_DATA_DIR);
    GameData data;
    if (loadGameData(dir, data).has_value())
        GTEST_SKIP() << "no data folder in the build";
    PictureLibrary library;
    if (!library.load(dir))
        GTEST_SKIP() << "picture library not built";
    ItemPictures pictures;
    pictures.cutAll(library, dir, data.itemRecordCount());
    ASSERT_TRUE(pictures.hasItemPictures());
    ItemPicturesSource source(pictures);

    // Start-up builds the pictures on colours that change before the first paint.
    const QColor even(255, 255, 255), oldOdd(200, 210, 220), odd(150, 160, 170), sel(0, 0, 128);
    pictures.MakePictures(0, 25, even.rgb(), oldOdd.rgb(), sel.rgb());
    const int background = countRgb(*source.rowPicture(1, RowPicture::Odd), oldOdd.rgb());
    ASSERT_GT(background, 0);
    source.ensureRowPictures(25, even, odd, sel);
    EXPECT_EQ(countRgb(*source.rowPicture(1, RowPicture::Odd), odd.rgb()), background);

    // Pictures rebuilt elsewhere at another height are rebuilt for the list's.
    pictures.MakePictures(1, 30, even.rgb(), odd.rgb(), sel.rgb());
    source.ensureRowPictures(25, even, odd, sel);
    EXPECT_EQ(source.rowPicture(1, RowPicture::Even)->size(), QSize(25, 25));

    // A height beyond any row picture drops them: no picture is better than a wrong-sized one.
    source.ensureRowPictures(ItemPictures::kMaxRowHeight + 1, even, odd, sel);
    EXPECT_EQ(source.rowPicture(1, RowPicture::Even), nullptr);
}

} // namespace
