// Shared by the library's translation units; nothing here is exported.
#ifndef PELKIT_INTERNAL_H
#define PELKIT_INTERNAL_H

#include "pelkit.h"

#include <cstddef>
#include <cstdint>

namespace pelkit {

// A clipped rectangle of one buffer, in bytes: `rows` rows of `rowBytes`
// bytes, the first at `first`, each `stride` bytes after the one before.
// rowBytes is always a multiple of 3 and the first byte is a blue byte.
struct Area {
    uint8_t *first;
    ptrdiff_t stride;
    size_t rowBytes;
    size_t rows;
};

// A second buffer read alongside an Area: its bytes for row r start at
// first + r * stride.
struct Source {
    const uint8_t *first;
    ptrdiff_t stride;
};

// The pixel loops. Each instruction-set build of kernels.inc fills one table;
// kernels() picks the best one the processor runs.
struct Kernels {
    const char *name;
    // Each byte b of channel c becomes clamp(b + add[c] - sub[c]); for every
    // channel one of add[c], sub[c] is 0.
    void (*addSubtract)(Area area, const uint8_t add[3], const uint8_t sub[3]);
    // Each byte of channel c is XORed with flip[c] (0x00 or 0xFF).
    void (*invert)(Area area, const uint8_t flip[3]);
    void (*lookup)(Area area, const uint8_t table[256]);
    void (*gray)(Area area);
    void (*grayFast)(Area area);
    // The whole smoothing filter; the area is at least 2 x 2 pixels.
    void (*smooth)(Area area);
    // The whole mosaic; 2 <= cell <= both sides of the area.
    void (*mosaic)(Area area, int32_t cell);
    void (*addBlend)(Area destination, Source source);
    void (*subtractBlend)(Area destination, Source source);
    void (*blend)(Area destination, Source source, int32_t factor);
    void (*maskedBlend)(Area destination, Source source, Source mask);
    // Rows between a buffer and a 32-bit surface (X written as 0xFF), with
    // red and blue swapped for the red-first layout.
    void (*expandRow)(uint8_t *to, const uint8_t *from, size_t pixels, bool swapRedBlue);
    void (*packRow)(uint8_t *to, const uint8_t *from, size_t pixels, bool swapRedBlue);
};

namespace baseline {
extern const Kernels kernels;
}
#if defined(__x86_64__)
namespace avx2 {
extern const Kernels kernels;
}
namespace avx512 {
extern const Kernels kernels;
}
#endif

// The table in use: on first use the fastest set the processor and the
// operating system run, or the one PELKIT_ISA names if they run it; after
// that whatever mUseKernels chose.
const Kernels &kernels();

// Loaded: mLoad made the record and nothing about its size or storage has
// been changed since.
bool isLoaded(const PelkitBuffer *buffer);

// The argument check without the pointers and without making the buffer the
// current one; see CheckArgue. Operations call makeCurrent once they have
// accepted all their arguments, so a refused call leaves the current buffer
// as it was.
bool checkRectangle(PelkitBuffer *buffer, int32_t &x, int32_t &y, int32_t &w, int32_t &h);
void makeCurrent(const PelkitBuffer *buffer);

// The last column and row a rectangle touches, limited to the buffer.
void lastPoint(const PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
               int32_t &lastX, int32_t &lastY);

// mEnd of a buffer forgets it as the current one.
void forgetCurrent(const PelkitBuffer *buffer);

} // namespace pelkit

#endif
