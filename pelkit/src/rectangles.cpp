// Rectangle acceptance and clipping, and the current buffer behind
// mGetPixel / mSetPixel.
#include "internal.h"

#include <algorithm>

namespace pelkit {
namespace {

// A copy of the current buffer's geometry rather than the caller's record:
// mGetPixel and mSetPixel then never read a record the caller may have
// dropped, and mEnd can tell whether it is releasing these pixels.
struct CurrentBuffer {
    uint8_t *bits = nullptr;
    const void *bitmap = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
};

CurrentBuffer current;

} // namespace

bool isLoaded(const PelkitBuffer *buffer) {
    if (buffer == nullptr || buffer->bitmap == nullptr || buffer->context == nullptr)
        return false;
    const PelkitSurface &own = *buffer->context;
    return buffer->bits == own.pixels && buffer->bits == buffer->bitmap &&
           buffer->width == own.width && buffer->height == own.height &&
           buffer->stride == own.bytesPerRow && own.format == PELKIT_FORMAT_BGR24;
}

bool checkRectangle(PelkitBuffer *buffer, int32_t &x, int32_t &y, int32_t &w, int32_t &h) {
    if (!isLoaded(buffer))
        return false;
    if (w == 0)
        w = buffer->width;
    if (h == 0)
        h = buffer->height;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    return w >= 0 && h >= 0 && x < buffer->width && y < buffer->height;
}

void makeCurrent(const PelkitBuffer *buffer) {
    current.bits = buffer->bits;
    current.bitmap = buffer->bitmap;
    current.width = buffer->width;
    current.height = buffer->height;
    current.stride = buffer->stride;
}

void lastPoint(const PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
               int32_t &lastX, int32_t &lastY) {
    // In 64 bits: x + w - 1 overflows 32 bits for a w near INT32_MAX.
    lastX = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + w - 1, buffer->width - 1));
    lastY = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + h - 1, buffer->height - 1));
}

void forgetCurrent(const PelkitBuffer *buffer) {
    if (current.bitmap != nullptr && current.bitmap == buffer->bitmap)
        current = CurrentBuffer{};
}

} // namespace pelkit

using namespace pelkit;

extern "C" {

int32_t CheckArgue(PelkitBuffer *buffer, int32_t *x, int32_t *y, int32_t *w, int32_t *h) {
    if (x == nullptr || y == nullptr || w == nullptr || h == nullptr)
        return 0;
    if (!checkRectangle(buffer, *x, *y, *w, *h))
        return 0;
    makeCurrent(buffer);
    return 1;
}

int32_t GetPoint(const PelkitBuffer *buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t *lastX, int32_t *lastY) {
    if (!isLoaded(buffer) || lastX == nullptr || lastY == nullptr)
        return 0;
    lastPoint(buffer, x, y, w, h, *lastX, *lastY);
    return 1;
}

PelkitRect *CommonRect(PelkitRect *result, const PelkitRect *a, const PelkitRect *b) {
    if (result == nullptr || a == nullptr || b == nullptr)
        return nullptr;
    // Read everything first: result may be a or b.
    const PelkitRect common{a->left, a->top, std::min(a->right, b->right),
                            std::min(a->bottom, b->bottom)};
    *result = common;
    return result;
}

int32_t mGetPixel(int32_t x, int32_t y, uint8_t *red, uint8_t *green, uint8_t *blue) {
    if (current.bits == nullptr || x < 0 || y < 0 || x >= current.width || y >= current.height)
        return 0;
    if (red == nullptr || green == nullptr || blue == nullptr)
        return 0;
    const uint8_t *pixel = current.bits + static_cast<ptrdiff_t>(y) * current.stride + 3 * x;
    *blue = pixel[0];
    *green = pixel[1];
    *red = pixel[2];
    return 1;
}

int32_t mSetPixel(int32_t x, int32_t y, uint8_t red, uint8_t green, uint8_t blue) {
    if (current.bits == nullptr || x < 0 || y < 0 || x >= current.width || y >= current.height)
        return 0;
    uint8_t *pixel = current.bits + static_cast<ptrdiff_t>(y) * current.stride + 3 * x;
    pixel[0] = blue;
    pixel[1] = green;
    pixel[2] = red;
    return 1;
}

} // extern "C"
