#pragma once
/*
 * Interface of the picture library QOR_Bmc, shared by the library and the
 * program. The program loads the library at run time and resolves the three
 * entry points by name, so the prototypes below are for the library's own
 * build; the program uses the function-pointer types.
 *
 * The "platform bitmap" that DecodeBmc hands out is a QorBitmap: one heap
 * block holding the structure and its pixels right behind it, released with
 * QorBitmapFree by whoever received it.
 */

#include <stdint.h>
#include <stdlib.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define QOR_BMC_EXPORT __declspec(dllexport)
#else
#define QOR_BMC_EXPORT __attribute__((visibility("default")))
#endif

/* Word 0: address of the loaded file's header block (0 = nothing loaded);
 * the picture's width is a little-endian int32 at byte offset 7 of that
 * block, its height one at offset 11, both unaligned.
 * Word 1: non-zero after a successful LoadBmc. */
typedef struct BmcContext {
    uintptr_t header;
    uintptr_t loaded;
} BmcContext;

enum { BMC_WIDTH_OFFSET = 7, BMC_HEIGHT_OFFSET = 11 };

/* A decoded picture: width x height pixels, rows top to bottom with no
 * padding, each pixel 0xAARRGGBB in native byte order (alpha always 0xFF). */
typedef struct QorBitmap {
    int32_t width;
    int32_t height;
    uint32_t *pixels;
} QorBitmap;

/* Releases a bitmap handle returned by DecodeBmc; 0 is ignored. */
static inline void QorBitmapFree(uintptr_t handle) {
#ifdef __cplusplus
    free(reinterpret_cast<void *>(handle));
#else
    free((void *)handle);
#endif
}

typedef uint8_t (*LoadBmcFn)(BmcContext *context, const char *path);
typedef uintptr_t (*DecodeBmcFn)(BmcContext *context, int bitsPerPixel);
typedef void (*ClearBmcFn)(BmcContext *context);

/* Loads and checks a .bmc file; a context that already holds a file releases
 * it first. Returns non-zero on success; on failure the context is empty. */
QOR_BMC_EXPORT uint8_t LoadBmc(BmcContext *context, const char *path);

/* Decodes the loaded picture into a new bitmap (only 32 bits per pixel are
 * offered). Returns the QorBitmap address as a handle, or 0 on failure. */
QOR_BMC_EXPORT uintptr_t DecodeBmc(BmcContext *context, int bitsPerPixel);

/* Releases what the last LoadBmc holds and empties the context. */
QOR_BMC_EXPORT void ClearBmc(BmcContext *context);

#ifdef __cplusplus
}
#endif
