// The picture library through its run-time binding: packing and decoding,
// the header block, reloading a context, and every way a load can fail.

#include "visuals_test_util.h"

#include <QLibrary>

#include <zlib.h>

#include <sys/stat.h>

namespace qor::test {
namespace {

class PictureLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        loadBuiltLibrary(m_library);
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QString writeFile(const char *name, const QByteArray &bytes) const {
        const QString p = path(name);
        EXPECT_TRUE(writeBytes(p, bytes));
        return p;
    }
    // LoadBmc must fail, leave the context empty and DecodeBmc must give 0.
    void expectRejected(const QByteArray &bytes, const char *what) {
        const QString p = writeFile("bad.bmc", bytes);
        EXPECT_FALSE(m_library.loadBmc(p)) << what;
        EXPECT_EQ(m_library.context().header, 0u) << what;
        EXPECT_EQ(m_library.context().loaded, 0u) << what;
        EXPECT_TRUE(m_library.decodeBmc().isNull()) << what;
    }
    // LoadBmc accepts the header, DecodeBmc must fail.
    void expectUndecodable(const QByteArray &bytes, const char *what) {
        const QString p = writeFile("bad.bmc", bytes);
        EXPECT_TRUE(m_library.loadBmc(p)) << what;
        EXPECT_TRUE(m_library.decodeBmc().isNull()) << what;
    }

    QTemporaryDir m_dir;
    PictureLibrary m_library;
};

// A payload replaced by `payload`, with a fresh checksum, so that only the
// zlib stream is at fault.
QByteArray withPayload(QByteArray file, const QByteArray &payload) {
    file.truncate(int(bmc::kHeaderSize));
    file.append(payload);
    auto *p = reinterpret_cast<std::uint8_t *>(file.data());
    bmc::writeInt32(p + 15, std::int32_t(payload.size()));
    const std::uint32_t crc =
        crc32(0L, reinterpret_cast<const Bytef *>(payload.constData()), uInt(payload.size()));
    bmc::writeInt32(p + 19, std::int32_t(crc));
    return file;
}

QByteArray zlibOf(const QByteArray &raw) {
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(raw.constData()),
              uLong(raw.size()), 9);
    out.truncate(qsizetype(size));
    return out;
}

TEST_F(PictureLibraryTest, RoundTripKeepsEveryPixelWithBothFilters) {
    QImage strip = makeStrip(7, 5, 3, 2);
    strip.setPixel(0, 0, KeyColor);
    strip.setPixel(6, 16, KeyColor);
    strip.setPixel(3, 3, qRgb(255, 0, 1)); // wraps round in the delta filter
    for (const auto filter : {bmc::Filter::None, bmc::Filter::LeftDelta}) {
        const QString p = writeFile("strip.bmc", packBytes(strip, filter));
        ASSERT_TRUE(m_library.loadBmc(p));
        EXPECT_EQ(m_library.headerSize(), QSize(7, 17));
        const QImage decoded = m_library.decodeBmc();
        ASSERT_EQ(decoded.size(), strip.size());
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                ASSERT_EQ(decoded.pixel(x, y), strip.pixel(x, y)) << x << "," << y;
        // A second decode of the same file gives a fresh, equal bitmap.
        EXPECT_EQ(m_library.decodeBmc(), decoded);
    }
}

TEST_F(PictureLibraryTest, HeaderBlockHoldsWidthAndHeightAtOffsets7And11) {
    const QString p = writeFile("strip.bmc", packBytes(makeStrip(300, 2, 1, 259)));
    ASSERT_TRUE(m_library.loadBmc(p));
    const auto *block = reinterpret_cast<const std::uint8_t *>(m_library.context().header);
    ASSERT_NE(block, nullptr);
    EXPECT_NE(m_library.context().loaded, 0u);
    EXPECT_EQ(bmc::readInt32(block + 7), 300);
    EXPECT_EQ(bmc::readInt32(block + 11), 261);
}

TEST_F(PictureLibraryTest, LoadingASecondFileReplacesTheFirst) {
    const QString a = writeFile("a.bmc", packBytes(makeStrip(4, 3, 1)));
    const QString b = writeFile("b.bmc", packBytes(makeStrip(6, 2, 4)));
    ASSERT_TRUE(m_library.loadBmc(a));
    ASSERT_TRUE(m_library.loadBmc(b));
    EXPECT_EQ(m_library.headerSize(), QSize(6, 8));
    EXPECT_EQ(m_library.decodeBmc().size(), QSize(6, 8));
    // A failed load after a good one leaves nothing behind.
    EXPECT_FALSE(m_library.loadBmc(path("missing.bmc")));
    EXPECT_EQ(m_library.context().header, 0u);
    EXPECT_TRUE(m_library.decodeBmc().isNull());
}

TEST_F(PictureLibraryTest, ClearEmptiesTheContext) {
    const QString a = writeFile("a.bmc", packBytes(makeStrip(4, 3, 1)));
    ASSERT_TRUE(m_library.loadBmc(a));
    m_library.clearBmc();
    EXPECT_EQ(m_library.context().header, 0u);
    EXPECT_EQ(m_library.context().loaded, 0u);
    EXPECT_TRUE(m_library.decodeBmc().isNull());
    EXPECT_FALSE(m_library.headerSize().isValid());
    // The library stays usable.
    EXPECT_TRUE(m_library.loadBmc(a));
}

TEST_F(PictureLibraryTest, DecodeOffersOnly32BitsPerPixel) {
    QLibrary lib(builtLibraryPath());
    ASSERT_TRUE(lib.load());
    auto load = reinterpret_cast<LoadBmcFn>(lib.resolve("LoadBmc"));
    auto decode = reinterpret_cast<DecodeBmcFn>(lib.resolve("DecodeBmc"));
    auto clear = reinterpret_cast<ClearBmcFn>(lib.resolve("ClearBmc"));
    ASSERT_TRUE(load && decode && clear);
    const QString a = writeFile("a.bmc", packBytes(makeStrip(4, 3, 1)));
    BmcContext context{0, 0};
    ASSERT_NE(load(&context, QFile::encodeName(a).constData()), 0);
    EXPECT_EQ(decode(&context, 24), 0u);
    const uintptr_t bitmap = decode(&context, 32);
    ASSERT_NE(bitmap, 0u);
    EXPECT_EQ(reinterpret_cast<QorBitmap *>(bitmap)->width, 4);
    EXPECT_EQ(reinterpret_cast<QorBitmap *>(bitmap)->height, 3);
    QorBitmapFree(bitmap);
    clear(&context);
    EXPECT_EQ(context.header, 0u);
    EXPECT_EQ(decode(&context, 32), 0u);
    // Null arguments are refused, not followed.
    EXPECT_EQ(load(nullptr, "x"), 0);
    EXPECT_EQ(load(&context, nullptr), 0);
    EXPECT_EQ(decode(nullptr, 32), 0u);
    clear(nullptr);
}

TEST_F(PictureLibraryTest, DamagedFilesAreRejectedWhenLoaded) {
    const QByteArray good = packBytes(makeStrip(8, 6, 3));
    ASSERT_GT(good.size(), int(bmc::kHeaderSize) + 4);

    expectRejected(QByteArray(), "empty file");
    for (const int cut : {3, 10, int(bmc::kHeaderSize) - 1, int(bmc::kHeaderSize), int(good.size()) - 1})
        expectRejected(good.left(cut), "truncated file");
    expectRejected(good + "x", "trailing byte");

    QByteArray magic = good;
    magic[0] = 'X';
    expectRejected(magic, "wrong magic");
    QByteArray version = good;
    version[4] = 9;
    expectRejected(version, "unknown version");
    QByteArray filter = good;
    filter[5] = 7;
    expectRejected(filter, "unknown filter");
    QByteArray flipped = good;
    flipped[int(bmc::kHeaderSize) + 2] = char(flipped[int(bmc::kHeaderSize) + 2] ^ 0x40);
    expectRejected(flipped, "payload byte changed");

    auto withSize = [&good](std::int32_t w, std::int32_t h) {
        QByteArray b = good;
        bmc::writeInt32(reinterpret_cast<std::uint8_t *>(b.data()) + 7, w);
        bmc::writeInt32(reinterpret_cast<std::uint8_t *>(b.data()) + 11, h);
        return b;
    };
    expectRejected(withSize(0, 18), "zero width");
    expectRejected(withSize(8, -18), "negative height");
    expectRejected(withSize(60000, 60000), "absurd size");
    expectRejected(withSize(2147483647, 2147483647), "overflowing size");
    expectRejected(withSize(1, 70000), "side beyond the limit");
    // Within the size limits, but no stream of this payload's length can
    // inflate to 4096 x 4096 pixels: refused before anything is allocated.
    expectRejected(withSize(4096, 4096), "picture far larger than its data");

    QByteArray payloadSize = good;
    bmc::writeInt32(reinterpret_cast<std::uint8_t *>(payloadSize.data()) + 15, 0x7FFFFFFF);
    expectRejected(payloadSize, "payload size beyond the file");

    QFile text(path("text.bmc"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a picture file at all, just some text\n");
    text.close();
    EXPECT_FALSE(m_library.loadBmc(path("text.bmc")));
    EXPECT_FALSE(m_library.loadBmc(m_dir.path())); // a folder
}

TEST_F(PictureLibraryTest, AFileLargerThanAnyPictureIsRefusedUnread) {
    // A well-formed header and checksum over a payload of 81 MiB of zeros:
    // every field agrees, only the size is beyond what a picture can need.
    const qint64 payload = 81LL * 1024 * 1024;
    QByteArray head = packBytes(makeStrip(8, 6, 3)).left(int(bmc::kHeaderSize));
    auto *h = reinterpret_cast<std::uint8_t *>(head.data());
    bmc::writeInt32(h + 7, 4096);
    bmc::writeInt32(h + 11, 4096);
    bmc::writeInt32(h + 15, std::int32_t(payload));
    const QByteArray zeros(1024 * 1024, '\0');
    uLong crc = crc32(0L, Z_NULL, 0);
    for (int i = 0; i < 81; ++i)
        crc = crc32(crc, reinterpret_cast<const Bytef *>(zeros.constData()), uInt(zeros.size()));
    bmc::writeInt32(h + 19, std::int32_t(crc));
    QFile f(path("huge.bmc"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(head), head.size());
    ASSERT_TRUE(f.resize(qint64(bmc::kHeaderSize) + payload)); // zero-filled
    f.close();
    EXPECT_FALSE(m_library.loadBmc(path("huge.bmc")));
    EXPECT_EQ(m_library.context().header, 0u);
}

TEST_F(PictureLibraryTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString p = path("pipe.bmc");
    ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0);
    EXPECT_FALSE(m_library.loadBmc(p));
    EXPECT_EQ(m_library.context().header, 0u);
    EXPECT_FALSE(m_library.loadBmc(QStringLiteral("/dev/zero")));
}

TEST_F(PictureLibraryTest, BrokenPictureDataFailsToDecode) {
    const QByteArray good = packBytes(makeStrip(8, 6, 3), bmc::Filter::None);
    const int rawSize = 8 * 18 * 3;

    expectUndecodable(withPayload(good, QByteArray("not zlib at all")), "not a zlib stream");
    expectUndecodable(withPayload(good, zlibOf(QByteArray(rawSize - 1, 'a'))), "one byte short");
    expectUndecodable(withPayload(good, zlibOf(QByteArray(rawSize + 1, 'a'))), "one byte too many");
    // A stream claiming far more data than the picture holds is cut off at
    // the picture's size, never inflated whole.
    expectUndecodable(withPayload(good, zlibOf(QByteArray(8 * 1024 * 1024, '\0'))), "zlib bomb");
    QByteArray cut = zlibOf(QByteArray(rawSize, 'a'));
    expectUndecodable(withPayload(good, cut.left(cut.size() - 4)), "stream without its checksum");
    QByteArray badAdler = cut;
    badAdler[badAdler.size() - 1] = char(badAdler[badAdler.size() - 1] ^ 1);
    expectUndecodable(withPayload(good, badAdler), "wrong stream checksum");
    // Data after the end of the stream.
    expectUndecodable(withPayload(good, cut + "zz"), "bytes after the stream");

    // The exact stream decodes.
    const QString p = writeFile("ok.bmc", withPayload(good, cut));
    ASSERT_TRUE(m_library.loadBmc(p));
    const QImage decoded = m_library.decodeBmc();
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.pixel(5, 17), qRgb('a', 'a', 'a'));
}

TEST(PictureLibraryLoad, MissingLibraryLeavesItUnloadedAndHarmless) {
    QTemporaryDir dir;
    PictureLibrary library;
    EXPECT_FALSE(library.load(dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_FALSE(library.errorString().isEmpty());
    EXPECT_FALSE(library.loadBmc(QStringLiteral(QOR_SOURCE_DATA_DIR "Data1.bmc")));
    EXPECT_TRUE(library.decodeBmc().isNull());
    EXPECT_FALSE(library.headerSize().isValid());
    library.clearBmc();
    library.unload();
}

TEST(PictureLibraryLoad, SharedObjectWithoutTheEntryPointsIsRefused) {
    PictureLibrary library;
    EXPECT_FALSE(library.loadFile(QStringLiteral("libz.so.1")));
    EXPECT_FALSE(library.isLoaded());
    EXPECT_TRUE(library.errorString().contains(QLatin1String("entry point")));
    EXPECT_FALSE(library.loadBmc(QStringLiteral("whatever.bmc")));
}

TEST(PictureLibraryLoad, ANewLibraryReplacesAFailedOne) {
    PictureLibrary library;
    EXPECT_FALSE(library.loadFile(QStringLiteral("libz.so.1")));
    EXPECT_TRUE(library.loadFile(builtLibraryPath()));
    EXPECT_TRUE(library.isLoaded());
}

} // namespace
} // namespace qor::test
