#pragma once
// Binding to the picture library QOR_Bmc, loaded at run time from the data
// folder. Every failure (no library, a missing entry point) leaves it "not
// loaded", and then every call below fails quietly: the program runs without
// pictures. The destructor releases the last loaded file and unloads.

#include "qor_bmc.h"

#include <QImage>
#include <QLibrary>
#include <QSize>
#include <QString>

namespace qor {

class PictureLibrary {
  public:
    PictureLibrary() = default;
    ~PictureLibrary();
    PictureLibrary(const PictureLibrary &) = delete;
    PictureLibrary &operator=(const PictureLibrary &) = delete;

    // "QOR_Bmc" with the platform's shared-library suffix ("QOR_Bmc.so").
    static QString libraryFileName();

    // Loads <dataDir>QOR_Bmc.<suffix>; dataDir ends with a separator.
    bool load(const QString &dataDir);
    // Loads the library at this full path and resolves the entry points.
    bool loadFile(const QString &libraryPath);
    bool isLoaded() const { return m_loadBmc != nullptr; }
    // Why the last load failed (for logs and tests; never shown to the user).
    QString errorString() const { return m_error; }

    // LoadBmc; true only when it succeeds and context word 1 is set.
    bool loadBmc(const QString &path);
    // DecodeBmc at 32 bits per pixel, copied into an RGB32 image (the key
    // colour intact); a null image on failure.
    QImage decodeBmc();
    // Width and height read from the loaded header block (offsets 7 and 11);
    // an invalid size when nothing is loaded.
    QSize headerSize() const;
    // ClearBmc when context word 0 is non-zero.
    void clearBmc();
    // clearBmc, then unload the library.
    void unload();

    const BmcContext &context() const { return m_context; }

  private:
    QLibrary m_library;
    BmcContext m_context{0, 0};
    LoadBmcFn m_loadBmc = nullptr;
    DecodeBmcFn m_decodeBmc = nullptr;
    ClearBmcFn m_clearBmc = nullptr;
    QString m_error;
};

} // namespace qor
