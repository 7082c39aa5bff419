/*
 * pelkit: pixel operations on 24-bit buffers, for composing the battle screen.
 *
 * Plain C, usable from C and C++. The game loads libpelkit.so by name with
 * dlopen and looks every operation up under its own (unmangled) name; the
 * PelkitFn_* types below are the matching function pointer types.
 *
 * Results: every operation returns 1 when it did its work and 0 when it
 * refused. A refusal changes nothing: no pixel, no record field, no state
 * (CheckArgue's written-back arguments aside).
 *
 * Ownership, in one place:
 *  - PelkitBuffer records are owned by the caller (stack, heap, anywhere).
 *    Zero the whole record, fill in width and height, then call mLoad.
 *    mLoad fills bits, bitmap, context, stride, backup and header with
 *    memory the library allocates; that memory stays the library's and is
 *    released by mEnd, which clears those pointers again. Between the two,
 *    the caller may read and write the stride * height pixel bytes at bits
 *    and read the same number of bytes at backup, but must free nothing and
 *    must not change width, height, stride or the pointers (a record whose
 *    fields no longer match what mLoad made is refused as not loaded).
 *    A loaded record that is dropped without mEnd leaks its memory.
 *  - PelkitSurface records describe pixel memory the caller owns. The
 *    library reads (mLoad) or writes (mDraw) that memory only during the
 *    call and keeps no pointer to it afterwards.
 *  - The context of a loaded buffer is a surface the library owns: it
 *    describes the buffer's own pixels, so it can be passed to mDraw as a
 *    target (copying one buffer into another) or to mLoad as a source.
 *  - Tables passed to mLUTOperate and rectangles passed to CommonRect are
 *    read (and, for CommonRect's result, written) during the call only.
 *  - The library remembers the pixels of the buffer most recently accepted
 *    by a rectangle check (the "current buffer") for mGetPixel and
 *    mSetPixel; mEnd of that buffer forgets them.
 *
 * Threads: none. The current buffer is process-wide and unguarded; call the
 * library from one thread.
 *
 * Kernel sets: the pixel loops exist in several builds that give the same
 * bytes, "avx512" (x86-64 with AVX-512 F, BW, VL and VBMI), "avx2" and
 * "baseline" (any processor). On first use the library picks the fastest
 * one the processor and the operating system run; see mUseKernels for
 * choosing another.
 */
#ifndef PELKIT_H
#define PELKIT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(PELKIT_BUILDING)
#define PELKIT_API __attribute__((visibility("default")))
#else
#define PELKIT_API
#endif

/* Raised whenever a record layout or a signature below changes. Compare it
 * with mVersion() after dlopen before calling anything else. */
#define PELKIT_ABI_VERSION 1

/* Pixel layouts of a caller's surface, named by byte order in memory.
 * The X byte of the 32-bit layouts is ignored when read and written as 0xFF,
 * which is what Qt's QImage::Format_RGB32 expects (BGRX on little-endian).
 * PELKIT_FORMAT_BGR24 is QImage::Format_BGR888 and the layout of a buffer. */
enum {
    PELKIT_FORMAT_BGR24 = 1,
    PELKIT_FORMAT_RGB24 = 2,
    PELKIT_FORMAT_BGRX32 = 3,
    PELKIT_FORMAT_RGBX32 = 4
};

/* A picture in memory the caller owns. pixels is the address of the
 * top-left pixel; bytesPerRow is the distance from one row to the next and
 * may be negative for rows stored bottom-up. |bytesPerRow| must be at least
 * width times the pixel size. */
typedef struct PelkitSurface {
    void *pixels;
    int32_t width;
    int32_t height;
    int32_t bytesPerRow;
    int32_t format; /* PELKIT_FORMAT_* */
} PelkitSurface;

/* The 40-byte bitmap information header that describes a buffer's pixels
 * to code that expects a device-independent bitmap: rows top-down (negative
 * height), 24 bits per pixel, no compression. Filled in by mLoad. */
typedef struct PelkitBitmapHeader {
    uint32_t headerSize;      /* 40 */
    int32_t width;
    int32_t height;           /* minus the buffer's height: rows top-down */
    uint16_t planes;          /* 1 */
    uint16_t bitsPerPixel;    /* 24 */
    uint32_t compression;     /* 0: none */
    uint32_t imageSize;       /* 0 */
    int32_t xPixelsPerMeter;  /* 0 */
    int32_t yPixelsPerMeter;  /* 0 */
    uint32_t coloursUsed;     /* 0 */
    uint32_t coloursImportant;/* 0 */
} PelkitBitmapHeader;

/* A 24-bit pixel buffer. Pixels are stored top to bottom, stride bytes a
 * row, three bytes a pixel in the order blue, green, red; the width is a
 * multiple of 4 so pixel (x, y) is at bits + y * stride + 3 * x. */
typedef struct PelkitBuffer {
    uint8_t *bits;                /* set by mLoad: top-left pixel (library memory) */
    void *bitmap;                 /* set by mLoad: the pixel storage; non-null = loaded */
    const PelkitSurface *context; /* set by mLoad: the buffer as a surface (library memory) */
    int32_t width;                /* set by the caller: positive multiple of 4 */
    int32_t height;               /* set by the caller: positive */
    int32_t stride;               /* set by mLoad: 3 * width */
    uint8_t *backup;              /* set by mLoad: the pixels as loaded (library memory) */
    PelkitBitmapHeader header;    /* set by mLoad */
} PelkitBuffer;

/* Left, top, right, bottom; right and bottom are inclusive. */
typedef struct PelkitRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} PelkitRect;

/* PELKIT_ABI_VERSION of the library that was loaded. */
PELKIT_API int32_t mVersion(void);

/* Lifecycle. mLoad refuses a loaded record, a width or height of 0 or less,
 * a width that is not a multiple of 4, a malformed source and a failed
 * allocation. It copies the source's picture at (0, 0), width x height; the
 * part the source does not cover is black. A null source gives a black
 * buffer. mEnd refuses an unloaded record. mReset copies the backup back. */
PELKIT_API int32_t mLoad(PelkitBuffer *buffer, const PelkitSurface *source);
PELKIT_API int32_t mEnd(PelkitBuffer *buffer);
PELKIT_API int32_t mReset(PelkitBuffer *buffer);

/* Copies the w x h area at (sourceX, sourceY) of the buffer to (x, y) of the
 * target, converting to the target's format. Both areas are clipped to their
 * pictures; pixels of either area that fall outside are not copied. The
 * target may be the context of this or another buffer. 0 when the buffer is
 * not loaded, the target is malformed or w or h is negative. */
PELKIT_API int32_t mDraw(const PelkitSurface *target, int32_t x, int32_t y, int32_t w, int32_t h,
                         const PelkitBuffer *buffer, int32_t sourceX, int32_t sourceY);

/* Single-buffer operations on the rectangle (x, y, w, h). Every rectangle
 * goes through CheckArgue: a w or h of 0 means the whole width or height, a
 * negative x or y counts as 0 (w and h are kept), it is refused when w or h
 * is negative or it starts at or past the right or bottom edge, and it is
 * clipped to the buffer. Every operation refuses a buffer that is not loaded.
 *
 * mFade:       every colour byte + level, limited to 0..255; level 0 does nothing.
 * mGray:       all three bytes = floor((299 R + 587 G + 114 B) / 1000).
 * mGrayFast:   all three bytes = (19595 R + 38469 G + 7471 B) >> 16.
 * mRGBOperate: each channel + its delta, limited to 0..255.
 * mLUTOperate: every colour byte b becomes table[b].
 * mSmoothing:  in-place smoothing filter; refuses h <= 2 as passed (0 too)
 *              and a rectangle clipped to a single column or row.
 * mMosaic:     averages cells of cellSize x cellSize laid from the top-left
 *              of the clipped rectangle, narrower and lower cells at the
 *              right and bottom; refuses a cell size of 1 or less.
 * mReverse:    b becomes 255 - b in each channel whose flag is non-zero. */
PELKIT_API int32_t mFade(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level);
PELKIT_API int32_t mGray(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h);
PELKIT_API int32_t mGrayFast(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h);
PELKIT_API int32_t mRGBOperate(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                               int32_t red, int32_t green, int32_t blue);
PELKIT_API int32_t mLUTOperate(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                               const uint8_t table[256]);
PELKIT_API int32_t mSmoothing(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h);
PELKIT_API int32_t mMosaic(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                           int32_t cellSize);
PELKIT_API int32_t mReverse(PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                            int32_t invertRed, int32_t invertGreen, int32_t invertBlue);

/* Two-buffer operations: the area at (sourceX, sourceY) of the source (and,
 * for mBlendEx, at (maskX, maskY) of the mask) onto (x, y) of the
 * destination. The mask's rectangle is checked first, then the source's,
 * then the destination's, all with the one w and h, so a w or h of 0 takes
 * the size of the first buffer checked. Each rectangle is clipped to its
 * own buffer and the operation covers the size they all have in common.
 * Source, mask and destination may be the same buffer; bytes are then read
 * and written in address order, as if one at a time.
 *
 * mBlend:    d + floor((s - d) * factor / 256); refuses factor < 0 or > 256,
 *            factor 0 does nothing, 256 copies the source.
 * mAddBlend: min(255, d + s).
 * mSubBlend: max(0, d - s).
 * mBlendEx:  d + floor((s - d) * m / 256) with m the mask's byte of the
 *            same channel. */
PELKIT_API int32_t mBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                          PelkitBuffer *source, int32_t sourceX, int32_t sourceY, int32_t factor);
PELKIT_API int32_t mAddBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                             PelkitBuffer *source, int32_t sourceX, int32_t sourceY);
PELKIT_API int32_t mSubBlend(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                             PelkitBuffer *source, int32_t sourceX, int32_t sourceY);
PELKIT_API int32_t mBlendEx(PelkitBuffer *destination, int32_t x, int32_t y, int32_t w, int32_t h,
                            PelkitBuffer *source, int32_t sourceX, int32_t sourceY,
                            PelkitBuffer *mask, int32_t maskX, int32_t maskY);

/* Rectangle helpers. CheckArgue writes back w = width when w is 0, h =
 * height when h is 0, and 0 for a negative x or y (also when it then
 * refuses; it does not look at a buffer that is not loaded). It accepts when
 * w and h are not negative and x and y lie inside, and then makes the buffer
 * the current one. GetPoint gives the last column and row a rectangle
 * touches, x + w - 1 and y + h - 1 limited to the buffer. CommonRect writes
 * A's left and top and the smaller right and bottom of A and B to result
 * (which may be A or B) and returns result. */
PELKIT_API int32_t CheckArgue(PelkitBuffer *buffer, int32_t *x, int32_t *y, int32_t *w, int32_t *h);
PELKIT_API int32_t GetPoint(const PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                            int32_t *lastX, int32_t *lastY);
PELKIT_API PelkitRect *CommonRect(PelkitRect *result, const PelkitRect *a, const PelkitRect *b);

/* Kernel sets. mUseKernels("avx512" | "avx2" | "baseline") switches every
 * later operation to that set and returns 1; it returns 0 and changes
 * nothing when the name is unknown or the processor does not run the set.
 * mUseKernels(NULL) goes back to the automatic choice. PELKIT_ISA set to one
 * of the names in the environment before the first operation makes that
 * set the automatic choice, when the processor runs it. mKernels names the
 * set in use; the string is the library's and lives as long as it does. */
PELKIT_API int32_t mUseKernels(const char *name);
PELKIT_API const char *mKernels(void);

/* One pixel of the current buffer; 0 when there is no current buffer or the
 * pixel lies outside it. */
PELKIT_API int32_t mGetPixel(int32_t x, int32_t y, uint8_t *red, uint8_t *green, uint8_t *blue);
PELKIT_API int32_t mSetPixel(int32_t x, int32_t y, uint8_t red, uint8_t green, uint8_t blue);

/* Function pointer types for dlsym. */
typedef int32_t (*PelkitFn_mVersion)(void);
typedef int32_t (*PelkitFn_mLoad)(PelkitBuffer *, const PelkitSurface *);
typedef int32_t (*PelkitFn_mEnd)(PelkitBuffer *);
typedef int32_t (*PelkitFn_mReset)(PelkitBuffer *);
typedef int32_t (*PelkitFn_mDraw)(const PelkitSurface *, int32_t, int32_t, int32_t, int32_t,
                                  const PelkitBuffer *, int32_t, int32_t);
typedef int32_t (*PelkitFn_mFade)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mGray)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mGrayFast)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mRGBOperate)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                        int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mLUTOperate)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                        const uint8_t *);
typedef int32_t (*PelkitFn_mSmoothing)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mMosaic)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mReverse)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                     int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mBlend)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                   PelkitBuffer *, int32_t, int32_t, int32_t);
typedef int32_t (*PelkitFn_mAddBlend)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                      PelkitBuffer *, int32_t, int32_t);
typedef int32_t (*PelkitFn_mSubBlend)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                      PelkitBuffer *, int32_t, int32_t);
typedef int32_t (*PelkitFn_mBlendEx)(PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                     PelkitBuffer *, int32_t, int32_t,
                                     PelkitBuffer *, int32_t, int32_t);
typedef int32_t (*PelkitFn_CheckArgue)(PelkitBuffer *, int32_t *, int32_t *, int32_t *, int32_t *);
typedef int32_t (*PelkitFn_GetPoint)(const PelkitBuffer *, int32_t, int32_t, int32_t, int32_t,
                                     int32_t *, int32_t *);
typedef PelkitRect *(*PelkitFn_CommonRect)(PelkitRect *, const PelkitRect *, const PelkitRect *);
typedef int32_t (*PelkitFn_mGetPixel)(int32_t, int32_t, uint8_t *, uint8_t *, uint8_t *);
typedef int32_t (*PelkitFn_mSetPixel)(int32_t, int32_t, uint8_t, uint8_t, uint8_t);
typedef int32_t (*PelkitFn_mUseKernels)(const char *);
typedef const char *(*PelkitFn_mKernels)(void);

#ifdef __cplusplus
}
#endif

#endif /* PELKIT_H */
