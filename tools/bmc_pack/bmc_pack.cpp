#include "bmc_pack.h"

#include <QFile>

#include <cstring>
#include <string>
#include <vector>

namespace qor::bmcpack {

QImage flattenOnKey(const QImage &picture, int alphaThreshold) {
    if (picture.isNull())
        return {};
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = in[x];
            if (qAlpha(p) < alphaThreshold) {
                dst[x] = kKey;
            } else {
                const QRgb opaque = p | 0xFF000000u;
                dst[x] = opaque == kKey ? qRgb(129, 0, 128) : opaque;
            }
        }
    }
    return out;
}

QImage stackCells(const QList<QImage> &cells, int padding, QString &error) {
    if (cells.isEmpty()) {
        error = QStringLiteral("no pictures to pack");
        return {};
    }
    if (padding < 0) {
        error = QStringLiteral("negative cell padding");
        return {};
    }
    const QSize size = cells.first().size();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].size() != size || size.isEmpty()) {
            error = QStringLiteral("picture %1 is %2 x %3, expected %4 x %5")
                        .arg(i + 1)
                        .arg(cells[i].width())
                        .arg(cells[i].height())
                        .arg(size.width())
                        .arg(size.height());
            return {};
        }
    }
    const qint64 cell = qint64(size.height()) + padding;
    const qint64 total = cell * cells.size();
    if (total > bmc::kMaxSide || qint64(size.width()) * total > bmc::kMaxPixels) {
        error = QStringLiteral("the packed picture would be too large");
        return {};
    }
    QImage strip(size.width(), int(total), QImage::Format_RGB32);
    strip.fill(kKey);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QImage rgb = cells[i].convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            std::memcpy(strip.scanLine(int(i * cell) + y), rgb.constScanLine(y),
                        size_t(size.width()) * sizeof(QRgb));
    }
    return strip;
}

bool writeBmc(const QImage &strip, const QString &path, bmc::Filter filter, QString &error) {
    if (strip.isNull()) {
        error = QStringLiteral("empty picture");
        return false;
    }
    const QImage rgb = strip.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels(size_t(rgb.width()) * size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.data() + size_t(y) * size_t(rgb.width()), rgb.constScanLine(y),
                    size_t(rgb.width()) * sizeof(QRgb));
    std::vector<std::uint8_t> file;
    std::string why;
    if (!bmc::encodeFile(rgb.width(), rgb.height(), pixels, filter, file, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = out.errorString();
        return false;
    }
    if (out.write(reinterpret_cast<const char *>(file.data()), qint64(file.size())) != qint64(file.size())) {
        error = out.errorString();
        return false;
    }
    return true;
}

bool readBmc(const QString &path, QImage &strip, QString &error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString();
        return false;
    }
    if (in.size() > bmc::kMaxFileSize) {
        error = QStringLiteral("file too large");
        return false;
    }
    const QByteArray bytes = in.readAll();
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                             size_t(bytes.size()));
    bmc::Header header;
    std::string why;
    if (!bmc::parseFile(file, header, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    QImage image(header.width, header.height, QImage::Format_RGB32);
    std::vector<std::uint32_t> pixels(size_t(header.width) * size_t(header.height));
    if (!bmc::decodePixels(file, header, pixels, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    for (int y = 0; y < header.height; ++y)
        std::memcpy(image.scanLine(y), pixels.data() + size_t(y) * size_t(header.width),
                    size_t(header.width) * sizeof(QRgb));
    strip = image;
    return true;
}

} // namespace qor::bmcpack
