// The picture library through its C interface: load the input as a .bmc file
// and decode it. Most random inputs stop at the checksum, so each input runs
// twice: as it is, and with the header's payload size and CRC made to fit,
// which lets the fuzzer reach the zlib stream and the row filter.

#include "qor_bmc.h"

#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 24;

void putInt32(std::uint8_t *p, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        p[k] = static_cast<std::uint8_t>(v >> (8 * k));
}

void loadAndDecode(const QString &path, const std::vector<std::uint8_t> &bytes) {
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    }
    BmcContext context{};
    const QByteArray native = QFile::encodeName(path);
    if (LoadBmc(&context, native.constData())) {
        if (context.header == 0 || context.loaded == 0)
            std::abort();
        const uintptr_t handle = DecodeBmc(&context, 32);
        if (handle) {
            const auto *bitmap = reinterpret_cast<const QorBitmap *>(handle);
            if (bitmap->width <= 0 || bitmap->height <= 0)
                std::abort();
            // Touch the last pixel: the whole picture must be there.
            const std::size_t last = std::size_t(bitmap->width) * std::size_t(bitmap->height) - 1;
            if ((bitmap->pixels[last] >> 24) != 0xFF)
                std::abort();
            QorBitmapFree(handle);
        }
    } else if (context.header != 0 || context.loaded != 0) {
        std::abort();
    }
    ClearBmc(&context);
    if (context.header != 0 || context.loaded != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Data.bmc"));
    std::vector<std::uint8_t> bytes(data, data + size);
    loadAndDecode(path, bytes);
    if (bytes.size() >= kHeaderSize) {
        const std::size_t payload = bytes.size() - kHeaderSize;
        putInt32(&bytes[15], static_cast<std::uint32_t>(payload));
        putInt32(&bytes[19], static_cast<std::uint32_t>(
                                 crc32(0L, bytes.data() + kHeaderSize, static_cast<uInt>(payload))));
        loadAndDecode(path, bytes);
    }
    return 0;
}
