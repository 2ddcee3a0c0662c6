#pragma once
// Helpers of the picture tests: the built picture library, temporary .bmc
// files and strips with recognisable cells.

#include "bmc_codec.h"
#include "bmc_pack.h"
#include "visuals/ui/picture_library.h"
#include "visuals/ui/picture_ops.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qor::test {

inline QString builtDataDir() {
    return QStringLiteral(QOR_BUILD_DATA_DIR);
}

inline QString builtLibraryPath() {
    return builtDataDir() + PictureLibrary::libraryFileName();
}

// A library loaded from the build's data folder; the test fails when it is
// not there (it is built with the tests).
inline void loadBuiltLibrary(PictureLibrary &library) {
    ASSERT_TRUE(library.load(builtDataDir())) << qPrintable(library.errorString());
}

inline QByteArray packBytes(const QImage &strip, bmc::Filter filter = bmc::Filter::LeftDelta) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.bmc"));
    QString error;
    if (!bmcpack::writeBmc(strip, path, filter, error))
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A colour that tells cell, row and column apart (never the key colour).
inline QRgb cellColor(int cell, int row, int column) {
    return qRgb(10 + cell * 7 % 200, 20 + row % 200, 30 + column % 200);
}

// width x (cells * cellHeight + extraRows): cell c has rows painted with
// cellColor(c, row, column); the extra rows at the bottom are white.
inline QImage makeStrip(int width, int cellHeight, int cells, int extraRows = 0) {
    QImage strip(width, cellHeight * cells + extraRows, QImage::Format_RGB32);
    strip.fill(0xFFFFFFFFu);
    for (int c = 0; c < cells; ++c)
        for (int r = 0; r < cellHeight; ++r)
            for (int x = 0; x < width; ++x)
                strip.setPixel(x, c * cellHeight + r, cellColor(c, r, x));
    return strip;
}

} // namespace qor::test
