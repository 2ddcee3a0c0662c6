// Cutting the picture strips into ingredient and potion-kind pictures, the
// derived pictures, and what stays absent when a step fails.

#include "visuals/ui/item_pictures.h"
#include "visuals_test_util.h"

namespace qor::test {
namespace {

constexpr QRgb kEven = 0xFFFFFFFFu;
constexpr QRgb kOdd = 0xFFE0F0E0u;
constexpr QRgb kSelected = 0xFF3050A0u;

class ItemPicturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        loadBuiltLibrary(m_library);
    }
    QString dataDir() const { return m_dir.path() + QLatin1Char('/'); }
    void writeData(const char *name, const QImage &strip) {
        ASSERT_TRUE(writeBytes(dataDir() + QString::fromLatin1(name), packBytes(strip)));
    }
    // Data1: `items` cells of w x cell (every cell's last row a padding row
    // in the key colour), Data2: two w2 x h2 cells.
    void writeBoth(int items, int w = 10, int cell = 9) {
        QImage strip = makeStrip(w, cell, items);
        for (int i = 0; i < items; ++i)
            for (int x = 0; x < w; ++x) {
                strip.setPixel(x, i * cell + cell - 1, KeyColor);
                strip.setPixel(x, i * cell, KeyColor); // key in the picture's top row
            }
        writeData("Data1.bmc", strip);
        writeData("Data2.bmc", makeStrip(6, 4, 2));
    }

    QTemporaryDir m_dir;
    PictureLibrary m_library;
    ItemPictures m_pictures;
};

TEST_F(ItemPicturesTest, CutsOnePictureOfCellMinusOneRowsPerIngredient) {
    // 5 records (4 ingredients) from a strip of 4 cells of 7 rows plus 3
    // extra rows: H = 31, cell = 31 div 4 = 7.
    writeData("Data1.bmc", makeStrip(10, 7, 4, 3));
    ASSERT_TRUE(m_pictures.cutData1(m_library, dataDir() + QStringLiteral("Data1.bmc"), 5));
    ASSERT_EQ(m_pictures.itemCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const QImage *pic = m_pictures.picSource(i);
        ASSERT_NE(pic, nullptr);
        ASSERT_EQ(pic->size(), QSize(10, 6));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(pic->pixel(x, y), i == 0 ? qRgb(0, 0, 0) : cellColor(i - 1, y, x)) << i;
    }
    // PicBits gives the same pixels row after row.
    const auto bits = m_pictures.picBits(3);
    ASSERT_EQ(bits.size(), 60u);
    EXPECT_EQ(bits[2 * 10 + 4], cellColor(2, 2, 4));
}

TEST_F(ItemPicturesTest, ExtraRowsAtTheBottomAreIgnored) {
    // H = 3 * 8 + 7 = 31 with 3 ingredients: cell = 10, not 8 - the strip's
    // rows are shared out evenly and the rest is left over.
    writeData("Data1.bmc", makeStrip(4, 8, 3, 7));
    ASSERT_TRUE(m_pictures.cutData1(m_library, dataDir() + QStringLiteral("Data1.bmc"), 4));
    ASSERT_EQ(m_pictures.picSource(1)->size(), QSize(4, 9));
    EXPECT_EQ(m_pictures.picSource(2)->pixel(1, 0), cellColor(1, 2, 1)); // row 10 of the strip
    // The last picture ends at row 29; the white rows beyond are not used.
    EXPECT_EQ(m_pictures.picSource(3)->pixel(0, 8), 0xFFFFFFFFu); // row 28: extra row, inside
    EXPECT_EQ(m_pictures.picSource(3)->pixel(0, 0), cellColor(2, 4, 0));
}

TEST_F(ItemPicturesTest, TooShortAStripGivesNoPictures) {
    // 4 ingredients from 7 rows: cells of one row would hold no picture.
    writeData("Data1.bmc", makeStrip(4, 1, 7));
    EXPECT_FALSE(m_pictures.cutData1(m_library, dataDir() + QStringLiteral("Data1.bmc"), 5));
    EXPECT_FALSE(m_pictures.hasItemPictures());
    EXPECT_EQ(m_pictures.picSource(1), nullptr);
    EXPECT_FALSE(m_pictures.cutData1(m_library, dataDir() + QStringLiteral("Data1.bmc"), 1));
    EXPECT_FALSE(m_pictures.cutData1(m_library, dataDir() + QStringLiteral("Data1.bmc"), 0));
}

TEST_F(ItemPicturesTest, PotionKindsAreTwoFullCells) {
    writeData("Data2.bmc", makeStrip(6, 4, 2, 1)); // H = 9: cells of 4
    ASSERT_TRUE(m_pictures.cutData2(m_library, dataDir() + QStringLiteral("Data2.bmc")));
    for (int kind = 0; kind < 2; ++kind) {
        const QImage *src = m_pictures.potionKindSource(kind);
        ASSERT_NE(src, nullptr);
        ASSERT_EQ(src->size(), QSize(6, 4));
        for (int y = 0; y < 4; ++y)
            ASSERT_EQ(src->pixel(5, y), cellColor(kind, y, 5));
    }
    EXPECT_EQ(m_pictures.potionKindSource(2), nullptr);
    EXPECT_EQ(m_pictures.potionKindSource(-1), nullptr);
}

TEST_F(ItemPicturesTest, MissingData1LeavesIngredientsAbsentButKindsCut) {
    writeData("Data2.bmc", makeStrip(6, 4, 2));
    m_pictures.cutAll(m_library, dataDir(), 5);
    EXPECT_FALSE(m_pictures.hasItemPictures());
    EXPECT_NE(m_pictures.potionKindSource(0), nullptr);
    m_pictures.MakePictures(0, 20, kEven, kOdd, kSelected);
    m_pictures.MakePicturesDisplay(0, -1, kEven, kEven);
    EXPECT_EQ(m_pictures.rowHeight(), 0);
    EXPECT_EQ(m_pictures.potionKindFull(0), nullptr);
    EXPECT_EQ(m_pictures.potionKindRow(0, RowBg::Even), nullptr);
    EXPECT_EQ(m_pictures.GetItemPicture(1, 1), nullptr);
    EXPECT_EQ(m_pictures.picSmall(1), nullptr);
}

TEST_F(ItemPicturesTest, MissingData2LeavesOnlyTheKindsAbsent) {
    writeBoth(3);
    QFile::remove(dataDir() + QStringLiteral("Data2.bmc"));
    m_pictures.cutAll(m_library, dataDir(), 4);
    ASSERT_TRUE(m_pictures.hasItemPictures());
    m_pictures.MakePictures(0, 20, kEven, kOdd, kSelected);
    EXPECT_NE(m_pictures.picRow(2, RowBg::Odd), nullptr);
    EXPECT_NE(m_pictures.picSmall(2), nullptr);
    EXPECT_EQ(m_pictures.potionKindSource(0), nullptr);
    EXPECT_EQ(m_pictures.potionKindFull(1), nullptr);
    EXPECT_EQ(m_pictures.potionKindRow(1, RowBg::Selected), nullptr);
}

TEST_F(ItemPicturesTest, DamagedFilesAndAMissingLibraryLeaveEverythingAbsent) {
    writeBoth(3);
    QByteArray damaged = packBytes(makeStrip(6, 4, 2));
    damaged.chop(5);
    ASSERT_TRUE(writeBytes(dataDir() + QStringLiteral("Data2.bmc"), damaged));
    m_pictures.cutAll(m_library, dataDir(), 4);
    EXPECT_TRUE(m_pictures.hasItemPictures());
    EXPECT_EQ(m_pictures.potionKindSource(0), nullptr);

    ASSERT_TRUE(writeBytes(dataDir() + QStringLiteral("Data1.bmc"), QByteArray("QBMC garbage")));
    m_pictures.cutAll(m_library, dataDir(), 4);
    EXPECT_FALSE(m_pictures.hasItemPictures());

    writeBoth(3);
    PictureLibrary none;
    EXPECT_FALSE(none.load(dataDir()));
    m_pictures.cutAll(none, dataDir(), 4);
    EXPECT_FALSE(m_pictures.hasItemPictures());
    EXPECT_EQ(m_pictures.potionKindSource(0), nullptr);
    m_pictures.MakePictures(0, 20, kEven, kOdd, kSelected);
    m_pictures.MakePicturesDisplay(0, -1, kEven, kEven);
    EXPECT_EQ(m_pictures.GetItemPicture(1, 2), nullptr);
}

TEST_F(ItemPicturesTest, Data2IsCutFromTheSameContextAfterData1) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    ASSERT_TRUE(m_pictures.hasItemPictures());
    ASSERT_NE(m_pictures.potionKindSource(1), nullptr);
    // The context keeps the last file (Data2) until shutdown.
    EXPECT_EQ(m_library.headerSize(), QSize(6, 8));
}

TEST_F(ItemPicturesTest, SmallPicturesAre32SquareWithTheKeyTransparent) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePictures(2, 20, kEven, kOdd, kSelected);
    EXPECT_EQ(m_pictures.picRow(1, RowBg::Even), nullptr); // mode 2: small only
    const QImage *small = m_pictures.picSmall(1);
    ASSERT_NE(small, nullptr);
    ASSERT_EQ(small->size(), QSize(32, 32));
    EXPECT_TRUE(small->hasAlphaChannel());
    EXPECT_EQ(qAlpha(small->pixel(5, 0)), 0); // the key top row
    EXPECT_EQ(qAlpha(small->pixel(5, 31)), 255);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_NE(small->pixel(x, y), KeyColor);
    // The full-size transparent picture is made when asked for.
    const QImage *full = m_pictures.picSourceTransparent(1);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->size(), m_pictures.picSource(1)->size());
    EXPECT_EQ(qAlpha(full->pixel(5, 0)), 0);
    EXPECT_EQ(full->pixel(5, 3), cellColor(0, 3, 5));
}

TEST_F(ItemPicturesTest, RowPicturesBakeTheKeyIntoTheThreeBackgrounds) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePictures(1, 20, kEven, kOdd, kSelected);
    EXPECT_EQ(m_pictures.picSmall(1), nullptr); // mode 1: rows only
    EXPECT_EQ(m_pictures.rowHeight(), 20);
    const std::array<std::pair<RowBg, QRgb>, 3> variants{
        {{RowBg::Even, kEven}, {RowBg::Odd, kOdd}, {RowBg::Selected, kSelected}}};
    for (const auto &[bg, colour] : variants) {
        const QImage *row = m_pictures.picRow(2, bg);
        ASSERT_NE(row, nullptr);
        ASSERT_EQ(row->size(), QSize(20, 20));
        EXPECT_EQ(row->pixel(3, 0), colour);
        EXPECT_EQ(row->pixel(3, 19), cellColor(1, 7, 1)); // bottom row of the picture
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_NE(row->pixel(x, y), KeyColor);
    }
}

TEST_F(ItemPicturesTest, ChangingTheRowHeightRebuildsTheRowPictures) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePictures(0, 20, kEven, kOdd, kSelected);
    const QImage *small = m_pictures.picSmall(1);
    m_pictures.MakePictures(1, 31, kEven, kOdd, kSelected);
    EXPECT_EQ(m_pictures.picRow(1, RowBg::Odd)->size(), QSize(31, 31));
    EXPECT_EQ(m_pictures.potionKindRow(0, RowBg::Odd)->size(), QSize(31, 31));
    EXPECT_EQ(m_pictures.picSmall(1), small);
    // An absurd height builds no row pictures rather than huge ones.
    m_pictures.MakePictures(1, 100000, kEven, kOdd, kSelected);
    EXPECT_EQ(m_pictures.rowHeight(), 0);
    EXPECT_EQ(m_pictures.picRow(1, RowBg::Odd), nullptr);
    m_pictures.MakePictures(1, 0, kEven, kOdd, kSelected);
    EXPECT_EQ(m_pictures.potionKindRow(0, RowBg::Odd), nullptr);
}

TEST_F(ItemPicturesTest, PotionKindRowPictureIsScaledAndPlacedByTheRule) {
    writeBoth(3);
    // A 30 x 20 potion (3 x 2 units): left, middle and right thirds in three
    // colours; the poison below it is the same with a key right half.
    QImage strip(30, 40, QImage::Format_RGB32);
    strip.fill(KeyColor);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < (y < 20 ? 30 : 15); ++x)
            strip.setPixel(x, y, x < 10 ? qRgb(255, 0, 0) : x < 20 ? qRgb(0, 255, 0) : qRgb(0, 0, 255));
    writeData("Data2.bmc", strip);
    m_pictures.cutAll(m_library, dataDir(), 4);
    ASSERT_NE(m_pictures.potionKindSource(1), nullptr);
    ASSERT_EQ(m_pictures.potionKindSource(1)->size(), QSize(30, 20));
    m_pictures.MakePictures(0, 25, kEven, kOdd, kSelected);

    // Width 38 at x = -8: column 0 shows scaled column 8, i.e. source
    // column 6 (red); column 12 source 16 (green); column 24 source 25 (blue).
    const QImage *potion = m_pictures.potionKindRow(0, RowBg::Even);
    ASSERT_NE(potion, nullptr);
    ASSERT_EQ(potion->size(), QSize(25, 25));
    EXPECT_EQ(potion->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(potion->pixel(12, 12), qRgb(0, 255, 0));
    EXPECT_EQ(potion->pixel(24, 24), qRgb(0, 0, 255));
    // The poison's key half is baked to each row background.
    EXPECT_EQ(m_pictures.potionKindRow(1, RowBg::Selected)->pixel(24, 3), kSelected);
    EXPECT_EQ(m_pictures.potionKindRow(1, RowBg::Odd)->pixel(24, 3), kOdd);
    EXPECT_EQ(m_pictures.potionKindRow(1, RowBg::Odd)->pixel(5, 3), qRgb(0, 255, 0)); // source column 10
    // Full: the source at full size with the key baked to the window colour.
    const QImage *full = m_pictures.potionKindFull(1);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->size(), QSize(30, 20));
    EXPECT_EQ(full->pixel(29, 0), kEven);
    EXPECT_EQ(full->pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(ItemPicturesTest, NarrowPotionKindLeavesRowBackgroundAtItsSides) {
    writeBoth(3);
    // 10 x 20 cells (1 x 2): width 12 (12.5 to even) at x = 12 - 6 - 1 = 5.
    QImage strip(10, 40, QImage::Format_RGB32);
    strip.fill(qRgb(7, 7, 7));
    writeData("Data2.bmc", strip);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePictures(1, 25, kEven, kOdd, kSelected);
    const QImage *poison = m_pictures.potionKindRow(1, RowBg::Selected);
    ASSERT_NE(poison, nullptr);
    for (int x = 0; x < 25; ++x)
        EXPECT_EQ(poison->pixel(x, 10), x >= 5 && x < 17 ? qRgb(7, 7, 7) : kSelected) << x;
}

TEST_F(ItemPicturesTest, DisplayPicturesForOneIngredientWindowPicturesForAll) {
    writeBoth(4);
    m_pictures.cutAll(m_library, dataDir(), 5);
    m_pictures.MakePicturesDisplay(0, 2, qRgb(1, 1, 1), qRgb(2, 2, 2));
    EXPECT_EQ(m_pictures.picDisplay(1), nullptr);
    ASSERT_NE(m_pictures.picDisplay(2), nullptr);
    EXPECT_EQ(m_pictures.picDisplay(2)->pixel(0, 0), qRgb(1, 1, 1));
    EXPECT_EQ(m_pictures.picDisplay(2)->size(), QSize(10, 8));
    for (int i = 1; i <= 4; ++i) {
        ASSERT_NE(m_pictures.picWindow(i), nullptr);
        EXPECT_EQ(m_pictures.picWindow(i)->pixel(0, 0), qRgb(2, 2, 2));
    }
    // Mode 1 touches only display pictures; mode 2 only window pictures.
    m_pictures.MakePicturesDisplay(1, -1, qRgb(3, 3, 3), qRgb(4, 4, 4));
    EXPECT_EQ(m_pictures.picDisplay(4)->pixel(0, 0), qRgb(3, 3, 3));
    EXPECT_EQ(m_pictures.picWindow(4)->pixel(0, 0), qRgb(2, 2, 2));
    m_pictures.MakePicturesDisplay(2, -1, qRgb(5, 5, 5), qRgb(6, 6, 6));
    EXPECT_EQ(m_pictures.picDisplay(4)->pixel(0, 0), qRgb(3, 3, 3));
    EXPECT_EQ(m_pictures.picWindow(4)->pixel(0, 0), qRgb(6, 6, 6));
}

TEST_F(ItemPicturesTest, GetItemPictureBuildsOnDemandAndRefusesBadIndices) {
    writeBoth(4);
    m_pictures.cutAll(m_library, dataDir(), 5);
    m_pictures.MakePicturesDisplay(1, 1, qRgb(1, 1, 1), qRgb(2, 2, 2));
    EXPECT_EQ(m_pictures.picDisplay(3), nullptr);
    const QImage *display = m_pictures.GetItemPicture(3, 1);
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display, m_pictures.picDisplay(3));
    EXPECT_EQ(display->pixel(0, 0), qRgb(1, 1, 1));
    EXPECT_EQ(display->pixel(0, 1), cellColor(2, 1, 0));
    const QImage *window = m_pictures.GetItemPicture(3, 2);
    ASSERT_NE(window, nullptr);
    // Display mode builds no window picture but keeps the window colour for them.
    EXPECT_EQ(window->pixel(0, 0), qRgb(2, 2, 2));

    for (const int bad : {0, -1, 5, 1000})
        EXPECT_EQ(m_pictures.GetItemPicture(bad, 1), nullptr) << bad;
    EXPECT_EQ(m_pictures.GetItemPicture(2, 3), nullptr);
}

TEST_F(ItemPicturesTest, RebuildsRewriteTheSamePictureObjects) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePicturesDisplay(0, -1, qRgb(1, 1, 1), qRgb(2, 2, 2));
    const QImage *display = m_pictures.GetItemPicture(2, 1);
    const uchar *bits = display->constBits();
    m_pictures.MakePicturesDisplay(1, -1, qRgb(9, 9, 9), qRgb(2, 2, 2));
    EXPECT_EQ(m_pictures.GetItemPicture(2, 1), display);
    EXPECT_EQ(display->constBits(), bits);
    EXPECT_EQ(display->pixel(0, 0), qRgb(9, 9, 9));
}

TEST_F(ItemPicturesTest, APictureBuiltOnAnOlderBackgroundIsRebuiltWhenAskedFor) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePicturesDisplay(1, -1, qRgb(1, 1, 1), 0);
    // Only ingredient 1 follows the new background at once.
    m_pictures.MakePicturesDisplay(1, 1, qRgb(8, 8, 8), 0);
    EXPECT_EQ(m_pictures.GetItemPicture(3, 1)->pixel(0, 0), qRgb(8, 8, 8));
}

TEST_F(ItemPicturesTest, ReleaseFreesEverything) {
    writeBoth(3);
    m_pictures.cutAll(m_library, dataDir(), 4);
    m_pictures.MakePictures(0, 20, kEven, kOdd, kSelected);
    m_pictures.release();
    EXPECT_FALSE(m_pictures.hasItemPictures());
    EXPECT_EQ(m_pictures.picSource(1), nullptr);
    EXPECT_EQ(m_pictures.potionKindFull(0), nullptr);
    EXPECT_EQ(m_pictures.rowHeight(), 0);
}

} // namespace
} // namespace qor::test
