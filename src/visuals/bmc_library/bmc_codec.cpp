#include "bmc_codec.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace qor::bmc {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'Q', 'B', 'M', 'C'};
// Inflated bytes held at once while decoding (at least one row).
constexpr std::size_t kInflateBlockBytes = 64 * 1024;

std::uint32_t readUInt32(const std::uint8_t *p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void writeUInt32(std::uint8_t *p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
    p[2] = std::uint8_t(v >> 16);
    p[3] = std::uint8_t(v >> 24);
}

bool sizeAcceptable(std::int32_t width, std::int32_t height, std::string &error) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        error = "picture size out of range";
        return false;
    }
    if (std::int64_t(width) * height > kMaxPixels) {
        error = "picture too large";
        return false;
    }
    return true;
}

} // namespace

std::int32_t readInt32(const std::uint8_t *p) {
    return static_cast<std::int32_t>(readUInt32(p));
}

void writeInt32(std::uint8_t *p, std::int32_t v) {
    writeUInt32(p, static_cast<std::uint32_t>(v));
}

bool parseFile(std::span<const std::uint8_t> file, Header &header, std::string &error) {
    if (file.size() < kHeaderSize) {
        error = "file shorter than its header";
        return false;
    }
    const std::uint8_t *p = file.data();
    if (std::memcmp(p, kMagic.data(), kMagic.size()) != 0) {
        error = "not a .bmc file";
        return false;
    }
    if (p[4] != kVersion || p[6] != kChannels || p[23] != 0) {
        error = "unsupported .bmc version";
        return false;
    }
    if (p[5] > std::uint8_t(Filter::LeftDelta)) {
        error = "unknown row filter";
        return false;
    }
    Header h;
    h.filter = Filter(p[5]);
    h.width = readInt32(p + 7);
    h.height = readInt32(p + 11);
    h.payloadSize = readUInt32(p + 15);
    h.payloadCrc = readUInt32(p + 19);
    if (!sizeAcceptable(h.width, h.height, error))
        return false;
    if (file.size() - kHeaderSize != h.payloadSize) {
        error = file.size() - kHeaderSize < h.payloadSize ? "file truncated" : "trailing bytes";
        return false;
    }
    // Deflate packs at most 258 bytes into two bits, so no stream inflates to
    // more than 1032 times its size: a short file claiming a large picture is
    // refused before the decoder allocates the picture.
    constexpr std::uint64_t kMaxInflateRatio = 1032;
    const std::uint64_t rawSize = std::uint64_t(h.width) * std::uint64_t(h.height) * kChannels;
    if (rawSize > (std::uint64_t(h.payloadSize) + 1) * kMaxInflateRatio) {
        error = "picture data too short for the picture size";
        return false;
    }
    const auto crc = crc32(0L, p + kHeaderSize, static_cast<uInt>(h.payloadSize));
    if (crc != h.payloadCrc) {
        error = "payload checksum mismatch";
        return false;
    }
    header = h;
    return true;
}

bool decodePixels(std::span<const std::uint8_t> file, const Header &header, std::span<std::uint32_t> pixels,
                  std::string &error) {
    const std::size_t width = std::size_t(header.width);
    const std::size_t height = std::size_t(header.height);
    if (file.size() != kHeaderSize + header.payloadSize || pixels.size() != width * height) {
        error = "buffer sizes do not match the header";
        return false;
    }
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        error = "zlib initialisation failed";
        return false;
    }
    // Whole rows at a time through a bounded buffer: the inflated size can
    // never exceed what the picture needs, whatever the stream claims, and a
    // block of many rows keeps zlib on its fast path.
    const std::size_t rowBytes = width * kChannels;
    const std::size_t rowsPerBlock = std::max<std::size_t>(1, kInflateBlockBytes / rowBytes);
    std::vector<std::uint8_t> block(rowsPerBlock * rowBytes);
    zs.next_in = const_cast<Bytef *>(file.data() + kHeaderSize);
    zs.avail_in = static_cast<uInt>(header.payloadSize);
    bool ok = true;
    int rc = Z_OK;
    for (std::size_t y = 0; y < height && ok; y += rowsPerBlock) {
        const std::size_t rows = std::min(rowsPerBlock, height - y);
        zs.next_out = block.data();
        zs.avail_out = static_cast<uInt>(rows * rowBytes);
        while (zs.avail_out > 0) {
            rc = inflate(&zs, Z_NO_FLUSH);
            if (rc == Z_STREAM_END && zs.avail_out > 0) {
                error = "picture data ends early";
                ok = false;
                break;
            }
            if (rc != Z_OK && rc != Z_STREAM_END) {
                error = "corrupt picture data";
                ok = false;
                break;
            }
            if (rc == Z_OK && zs.avail_in == 0 && zs.avail_out > 0) {
                error = "picture data ends early";
                ok = false;
                break;
            }
        }
        if (!ok)
            break;
        for (std::size_t k = 0; k < rows; ++k) {
            const std::uint8_t *row = block.data() + k * rowBytes;
            std::uint32_t *out = pixels.data() + (y + k) * width;
            std::uint8_t r = 0, g = 0, b = 0;
            for (std::size_t x = 0; x < width; ++x) {
                const std::uint8_t *s = row + x * kChannels;
                if (header.filter == Filter::LeftDelta) {
                    r = std::uint8_t(r + s[0]);
                    g = std::uint8_t(g + s[1]);
                    b = std::uint8_t(b + s[2]);
                } else {
                    r = s[0];
                    g = s[1];
                    b = s[2];
                }
                out[x] = 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
            }
        }
    }
    if (ok && rc != Z_STREAM_END) {
        // The rows are complete; the stream must end here (its checksum is
        // verified on the way) and carry nothing more.
        std::uint8_t extra = 0;
        zs.next_out = &extra;
        zs.avail_out = 1;
        rc = inflate(&zs, Z_FINISH);
        if (rc != Z_STREAM_END || zs.avail_out == 0) {
            error = "picture data longer than the picture or corrupt";
            ok = false;
        }
    }
    if (ok && zs.avail_in != 0) {
        error = "bytes after the picture data";
        ok = false;
    }
    inflateEnd(&zs);
    return ok;
}

bool encodeFile(std::int32_t width, std::int32_t height, std::span<const std::uint32_t> pixels, Filter filter,
                std::vector<std::uint8_t> &file, std::string &error) {
    if (!sizeAcceptable(width, height, error))
        return false;
    const std::size_t w = std::size_t(width);
    const std::size_t h = std::size_t(height);
    if (pixels.size() != w * h) {
        error = "pixel count does not match the size";
        return false;
    }
    std::vector<std::uint8_t> raw(w * h * kChannels);
    for (std::size_t y = 0; y < h; ++y) {
        std::uint8_t pr = 0, pg = 0, pb = 0;
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t px = pixels[y * w + x];
            const auto r = std::uint8_t(px >> 16), g = std::uint8_t(px >> 8), b = std::uint8_t(px);
            std::uint8_t *d = raw.data() + (y * w + x) * kChannels;
            if (filter == Filter::LeftDelta) {
                d[0] = std::uint8_t(r - pr);
                d[1] = std::uint8_t(g - pg);
                d[2] = std::uint8_t(b - pb);
                pr = r;
                pg = g;
                pb = b;
            } else {
                d[0] = r;
                d[1] = g;
                d[2] = b;
            }
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    file.assign(kHeaderSize + packedSize, 0);
    if (compress2(file.data() + kHeaderSize, &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        error = "compression failed";
        return false;
    }
    file.resize(kHeaderSize + packedSize);
    std::uint8_t *p = file.data();
    std::memcpy(p, kMagic.data(), kMagic.size());
    p[4] = kVersion;
    p[5] = std::uint8_t(filter);
    p[6] = kChannels;
    writeInt32(p + 7, width);
    writeInt32(p + 11, height);
    writeUInt32(p + 15, static_cast<std::uint32_t>(packedSize));
    writeUInt32(p + 19,
                static_cast<std::uint32_t>(crc32(0L, p + kHeaderSize, static_cast<uInt>(packedSize))));
    p[23] = 0;
    return true;
}

} // namespace qor::bmc
