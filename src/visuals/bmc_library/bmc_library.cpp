// The picture library's entry points. A loaded file is kept whole in one heap
// block whose first bytes are the header block the context points at; the
// header and the payload checksum are verified at load time, the zlib stream
// at decode time.

#include "bmc_codec.h"
#include "common/checked_file.h"
#include "qor_bmc.h"

#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

namespace {

using qor::bmc::Header;

// The block behind context word 0: the file image first (so the header block
// sits at its start), its size stored in front of it.
struct LoadedFile {
    std::size_t size;
    std::uint8_t *bytes() { return reinterpret_cast<std::uint8_t *>(this + 1); }
};

LoadedFile *fromContext(const BmcContext *context) {
    if (context->header == 0)
        return nullptr;
    return reinterpret_cast<LoadedFile *>(context->header) - 1;
}

void release(BmcContext *context) {
    if (LoadedFile *f = fromContext(context))
        std::free(f);
    context->header = 0;
    context->loaded = 0;
}

// Reads the whole file, refusing anything larger than a .bmc can be and
// anything but a regular file (a FIFO would block, a device never ends).
LoadedFile *readFile(const char *path) {
    qor::CheckedFile file(path, std::uint64_t(qor::bmc::kMaxFileSize));
    if (file.fault() != qor::FileFault::None || file.size() < qor::bmc::kHeaderSize)
        return nullptr;
    auto *block = static_cast<LoadedFile *>(std::malloc(sizeof(LoadedFile) + file.size()));
    if (!block)
        return nullptr;
    block->size = file.size();
    const std::ptrdiff_t n =
        file.read(std::as_writable_bytes(std::span<std::uint8_t>(block->bytes(), block->size)));
    if (n < 0 || std::size_t(n) != block->size) {
        std::free(block);
        return nullptr;
    }
    return block;
}

} // namespace

extern "C" {

QOR_BMC_EXPORT uint8_t LoadBmc(BmcContext *context, const char *path) {
    if (!context)
        return 0;
    release(context);
    if (!path)
        return 0;
    LoadedFile *block = readFile(path);
    if (!block)
        return 0;
    Header header;
    std::string error;
    if (!qor::bmc::parseFile({block->bytes(), block->size}, header, error)) {
        std::free(block);
        return 0;
    }
    context->header = reinterpret_cast<uintptr_t>(block->bytes());
    context->loaded = 1;
    return 1;
}

QOR_BMC_EXPORT uintptr_t DecodeBmc(BmcContext *context, int bitsPerPixel) {
    if (!context || bitsPerPixel != 32 || context->loaded == 0)
        return 0;
    LoadedFile *block = fromContext(context);
    if (!block)
        return 0;
    Header header;
    std::string error;
    const std::span<const std::uint8_t> file(block->bytes(), block->size);
    if (!qor::bmc::parseFile(file, header, error))
        return 0;
    const std::size_t count = std::size_t(header.width) * std::size_t(header.height);
    auto *bitmap = static_cast<QorBitmap *>(std::malloc(sizeof(QorBitmap) + count * sizeof(uint32_t)));
    if (!bitmap)
        return 0;
    bitmap->width = header.width;
    bitmap->height = header.height;
    bitmap->pixels = reinterpret_cast<uint32_t *>(bitmap + 1);
    if (!qor::bmc::decodePixels(file, header, {bitmap->pixels, count}, error)) {
        std::free(bitmap);
        return 0;
    }
    return reinterpret_cast<uintptr_t>(bitmap);
}

QOR_BMC_EXPORT void ClearBmc(BmcContext *context) {
    if (context)
        release(context);
}

} // extern "C"
