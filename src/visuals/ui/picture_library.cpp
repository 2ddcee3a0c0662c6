#include "visuals/ui/picture_library.h"

#include <QFile>

#include <cstring>

namespace qor {

PictureLibrary::~PictureLibrary() {
    unload();
}

QString PictureLibrary::libraryFileName() {
#if defined(Q_OS_WIN)
    return QStringLiteral("QOR_Bmc.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("QOR_Bmc.dylib");
#else
    return QStringLiteral("QOR_Bmc.so");
#endif
}

bool PictureLibrary::load(const QString &dataDir) {
    return loadFile(dataDir + libraryFileName());
}

bool PictureLibrary::loadFile(const QString &libraryPath) {
    unload();
    m_library.setFileName(libraryPath);
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    auto loadBmc = reinterpret_cast<LoadBmcFn>(m_library.resolve("LoadBmc"));
    auto decodeBmc = reinterpret_cast<DecodeBmcFn>(m_library.resolve("DecodeBmc"));
    auto clearBmc = reinterpret_cast<ClearBmcFn>(m_library.resolve("ClearBmc"));
    if (!loadBmc || !decodeBmc || !clearBmc) {
        m_error = QStringLiteral("entry point missing in ") + libraryPath;
        m_library.unload();
        return false;
    }
    m_loadBmc = loadBmc;
    m_decodeBmc = decodeBmc;
    m_clearBmc = clearBmc;
    m_error.clear();
    return true;
}

bool PictureLibrary::loadBmc(const QString &path) {
    if (!isLoaded())
        return false;
    // The library takes an 8-bit path; the platform's file-name encoding is
    // what fopen expects.
    const QByteArray native = QFile::encodeName(path);
    const bool ok = m_loadBmc(&m_context, native.constData()) != 0;
    return ok && m_context.loaded != 0;
}

QSize PictureLibrary::headerSize() const {
    if (m_context.header == 0)
        return {};
    const auto *block = reinterpret_cast<const unsigned char *>(m_context.header);
    auto read = [block](int offset) {
        const auto *p = block + offset;
        return static_cast<int>(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 |
                                quint32(p[3]) << 24);
    };
    return {read(BMC_WIDTH_OFFSET), read(BMC_HEIGHT_OFFSET)};
}

QImage PictureLibrary::decodeBmc() {
    if (!isLoaded() || m_context.loaded == 0)
        return {};
    const uintptr_t handle = m_decodeBmc(&m_context, 32);
    if (handle == 0)
        return {};
    const auto *bitmap = reinterpret_cast<const QorBitmap *>(handle);
    QImage image;
    if (bitmap->width > 0 && bitmap->height > 0 && bitmap->pixels) {
        image = QImage(bitmap->width, bitmap->height, QImage::Format_RGB32);
        if (!image.isNull()) {
            for (int y = 0; y < bitmap->height; ++y)
                std::memcpy(image.scanLine(y), bitmap->pixels + qsizetype(y) * bitmap->width,
                            size_t(bitmap->width) * sizeof(quint32));
        }
    }
    QorBitmapFree(handle);
    return image;
}

void PictureLibrary::clearBmc() {
    if (isLoaded() && m_context.header != 0)
        m_clearBmc(&m_context);
    m_context = BmcContext{0, 0};
}

void PictureLibrary::unload() {
    clearBmc();
    m_loadBmc = nullptr;
    m_decodeBmc = nullptr;
    m_clearBmc = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
}

} // namespace qor
