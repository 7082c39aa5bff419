// Loading a buffer from a surface, releasing it, restoring it, and copying
// it back out to a surface.
#include "internal.h"

#include <algorithm>
#include <cstring>
#include <new>

static_assert(sizeof(PelkitBitmapHeader) == 40, "the bitmap header is 40 bytes");

namespace pelkit {
namespace {

constexpr std::align_val_t pixelAlignment{64};

// A surface format: its pixel size and where blue sits (0, or 2 when red
// comes first).
struct Layout {
    int32_t bytesPerPixel;
    int32_t blue;
};

bool layoutOf(int32_t format, Layout &layout) {
    switch (format) {
    case PELKIT_FORMAT_BGR24: layout = {3, 0}; return true;
    case PELKIT_FORMAT_RGB24: layout = {3, 2}; return true;
    case PELKIT_FORMAT_BGRX32: layout = {4, 0}; return true;
    case PELKIT_FORMAT_RGBX32: layout = {4, 2}; return true;
    default: return false;
    }
}

bool validSurface(const PelkitSurface &surface, Layout &layout) {
    if (!layoutOf(surface.format, layout) || surface.pixels == nullptr)
        return false;
    if (surface.width < 0 || surface.height < 0)
        return false;
    const int64_t rowBytes = int64_t{surface.width} * layout.bytesPerPixel;
    const int64_t pitch = surface.bytesPerRow < 0 ? -int64_t{surface.bytesPerRow} : surface.bytesPerRow;
    return pitch >= rowBytes;
}

uint8_t *rowOf(const PelkitSurface &surface, int32_t y) {
    return static_cast<uint8_t *>(surface.pixels) + static_cast<ptrdiff_t>(y) * surface.bytesPerRow;
}

// Converts `count` pixels between a buffer row and a row of another layout.
// The 24-bit blue-first case is a memmove, since the two rows may belong to
// one buffer (a buffer drawn onto its own context).
void rowToBuffer(uint8_t *to, const uint8_t *from, const Layout &layout, int32_t count) {
    const bool swap = layout.blue != 0;
    if (layout.bytesPerPixel == 4) {
        kernels().packRow(to, from, static_cast<size_t>(count), swap);
    } else if (!swap) {
        std::memmove(to, from, static_cast<size_t>(count) * 3);
    } else {
        for (int32_t i = 0; i < count; ++i) {
            to[3 * i] = from[3 * i + 2];
            to[3 * i + 1] = from[3 * i + 1];
            to[3 * i + 2] = from[3 * i];
        }
    }
}

void rowFromBuffer(uint8_t *to, const uint8_t *from, const Layout &layout, int32_t count) {
    const bool swap = layout.blue != 0;
    if (layout.bytesPerPixel == 4) {
        kernels().expandRow(to, from, static_cast<size_t>(count), swap);
    } else if (!swap) {
        std::memmove(to, from, static_cast<size_t>(count) * 3);
    } else {
        for (int32_t i = 0; i < count; ++i) {
            to[3 * i] = from[3 * i + 2];
            to[3 * i + 1] = from[3 * i + 1];
            to[3 * i + 2] = from[3 * i];
        }
    }
}

void release(void *memory) {
    if (memory != nullptr)
        ::operator delete(memory, pixelAlignment);
}

} // namespace
} // namespace pelkit

using namespace pelkit;

extern "C" {

int32_t mVersion(void) { return PELKIT_ABI_VERSION; }

int32_t mLoad(PelkitBuffer *buffer, const PelkitSurface *source) {
    if (buffer == nullptr || buffer->bitmap != nullptr || buffer->context != nullptr)
        return 0;
    const int32_t width = buffer->width, height = buffer->height;
    // The stride field is 32 bits, so 3 * width must fit.
    if (width <= 0 || height <= 0 || width % 4 != 0 || width > INT32_MAX / 3)
        return 0;
    Layout layout{};
    if (source != nullptr && !validSurface(*source, layout))
        return 0;

    const int32_t stride = 3 * width;
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
    auto *pixels = static_cast<uint8_t *>(::operator new(bytes, pixelAlignment, std::nothrow));
    auto *backup = static_cast<uint8_t *>(::operator new(bytes, pixelAlignment, std::nothrow));
    auto *own = new (std::nothrow) PelkitSurface{pixels, width, height, stride, PELKIT_FORMAT_BGR24};
    if (pixels == nullptr || backup == nullptr || own == nullptr) {
        release(pixels);
        release(backup);
        delete own;
        return 0;
    }

    const int32_t columns = source != nullptr ? std::min(width, source->width) : 0;
    const int32_t rows = source != nullptr ? std::min(height, source->height) : 0;
    // What the source does not cover is black. Each row goes to the backup
    // right after it is converted, while it is still in the cache.
    if (columns < width || rows < height)
        std::memset(pixels, 0, bytes);
    for (int32_t y = 0; y < rows; ++y) {
        const size_t at = static_cast<size_t>(y) * stride;
        rowToBuffer(pixels + at, rowOf(*source, y), layout, columns);
        std::memcpy(backup + at, pixels + at, static_cast<size_t>(stride));
    }
    const size_t covered = static_cast<size_t>(rows) * stride;
    std::memset(backup + covered, 0, bytes - covered);

    buffer->bits = pixels;
    buffer->bitmap = pixels;
    buffer->context = own;
    buffer->stride = stride;
    buffer->backup = backup;
    buffer->header = PelkitBitmapHeader{40, width, -height, 1, 24, 0, 0, 0, 0, 0, 0};
    return 1;
}

int32_t mEnd(PelkitBuffer *buffer) {
    if (buffer == nullptr || buffer->bitmap == nullptr)
        return 0;
    forgetCurrent(buffer);
    release(buffer->backup);
    release(buffer->bitmap);
    delete buffer->context;
    // The backup pointer is cleared too: leaving it would hand the caller the
    // address of freed memory.
    buffer->bits = nullptr;
    buffer->bitmap = nullptr;
    buffer->context = nullptr;
    buffer->backup = nullptr;
    return 1;
}

int32_t mReset(PelkitBuffer *buffer) {
    if (!isLoaded(buffer) || buffer->backup == nullptr)
        return 0;
    std::memcpy(buffer->bits, buffer->backup,
                static_cast<size_t>(buffer->stride) * static_cast<size_t>(buffer->height));
    return 1;
}

int32_t mDraw(const PelkitSurface *target, int32_t x, int32_t y, int32_t w, int32_t h,
              const PelkitBuffer *buffer, int32_t sourceX, int32_t sourceY) {
    Layout layout{};
    if (target == nullptr || !validSurface(*target, layout) || !isLoaded(buffer) || w < 0 || h < 0)
        return 0;

    // Clip both areas in 64 bits (x + w may not fit 32), moving the other
    // area's corner along with every edge cut off one of them.
    int64_t tx = x, ty = y, sx = sourceX, sy = sourceY, cw = w, ch = h;
    const int64_t leftCut = std::max({int64_t{0}, -tx, -sx});
    const int64_t topCut = std::max({int64_t{0}, -ty, -sy});
    tx += leftCut, sx += leftCut, cw -= leftCut;
    ty += topCut, sy += topCut, ch -= topCut;
    cw = std::min({cw, int64_t{target->width} - tx, int64_t{buffer->width} - sx});
    ch = std::min({ch, int64_t{target->height} - ty, int64_t{buffer->height} - sy});
    if (cw <= 0 || ch <= 0)
        return 1;

    const auto columns = static_cast<int32_t>(cw), rows = static_cast<int32_t>(ch);
    const PelkitSurface &own = *buffer->context;
    // The target may be this buffer's own context with the areas overlapping:
    // copy rows bottom-up when the target rows lie below the source rows, so
    // every row is read before it is overwritten.
    const bool bottomUp = target->pixels == own.pixels && ty > sy;
    for (int32_t i = 0; i < rows; ++i) {
        const int32_t row = bottomUp ? rows - 1 - i : i;
        uint8_t *to = rowOf(*target, static_cast<int32_t>(ty) + row) + tx * layout.bytesPerPixel;
        const uint8_t *from = rowOf(own, static_cast<int32_t>(sy) + row) + sx * 3;
        rowFromBuffer(to, from, layout, columns);
    }
    return 1;
}

} // extern "C"
