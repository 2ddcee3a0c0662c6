// The bundled picture files: one picture per bundled ingredient, each one
// different, and the two potion kinds.

#include "game_data/data_loader.h"
#include "visuals/ui/item_pictures.h"
#include "visuals_test_util.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSet>

namespace qor::test {
namespace {

const QString kDataDir = QStringLiteral(QOR_SOURCE_DATA_DIR);

TEST(BundledPictures, Data1HasOneDistinctPicturePerIngredient) {
    if (!QFileInfo::exists(kDataDir + QStringLiteral("Data1.bmc")))
        GTEST_SKIP() << "no bundled Data1.bmc";
    GameData data;
    const auto error = loadGameData(kDataDir, data);
    ASSERT_FALSE(error.has_value()) << qPrintable(error->toText());
    const int records = data.itemRecordCount();
    ASSERT_GE(records, 2);

    PictureLibrary library;
    loadBuiltLibrary(library);
    ItemPictures pictures;
    ASSERT_TRUE(pictures.cutData1(library, kDataDir + QStringLiteral("Data1.bmc"), records));
    // Exactly N - 1 cells: a picture more or less would shift every cell.
    const QSize strip = library.headerSize();
    const int cell = strip.height() / (records - 1);
    EXPECT_EQ(strip.height(), cell * (records - 1));
    EXPECT_GT(cell, 32);

    QSet<QByteArray> seen;
    for (int i = 1; i < records; ++i) {
        const QImage *pic = pictures.picSource(i);
        ASSERT_NE(pic, nullptr) << i;
        int key = 0;
        for (const QRgb p : pictures.picBits(i))
            key += p == KeyColor ? 1 : 0;
        const int total = pic->width() * pic->height();
        // Drawn on the key colour, and neither empty nor a full square.
        EXPECT_GT(key, total / 20) << "ingredient " << i;
        EXPECT_LT(key, total * 19 / 20) << "ingredient " << i;
        EXPECT_EQ(pic->pixel(0, 0), KeyColor) << "ingredient " << i;
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char *>(pic->constBits()), pic->sizeInBytes()),
            QCryptographicHash::Sha1);
        EXPECT_FALSE(seen.contains(digest)) << "ingredient " << i << " repeats another picture";
        seen.insert(digest);
    }
}

TEST(BundledPictures, Data2HoldsTwoDifferentPotionKinds) {
    if (!QFileInfo::exists(kDataDir + QStringLiteral("Data2.bmc")))
        GTEST_SKIP() << "no bundled Data2.bmc";
    PictureLibrary library;
    loadBuiltLibrary(library);
    ItemPictures pictures;
    ASSERT_TRUE(pictures.cutData2(library, kDataDir + QStringLiteral("Data2.bmc")));
    ASSERT_NE(pictures.potionKindSource(0), nullptr);
    ASSERT_NE(pictures.potionKindSource(1), nullptr);
    EXPECT_NE(*pictures.potionKindSource(0), *pictures.potionKindSource(1));
    EXPECT_EQ(pictures.potionKindSource(0)->pixel(0, 0), KeyColor);
}

} // namespace
} // namespace qor::test
