#include "vexmora/gui/sprite.h"

#include <algorithm>
#include <cstring>

namespace vex::gui {

void makeMask(PixelView picture, std::vector<uint8_t>& mask, uint32_t colour) {
    const uint8_t r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    mask.assign(static_cast<size_t>(3) * picture.width * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        uint8_t* p = picture.pixel(0, y);
        uint8_t* m = mask.data() + static_cast<size_t>(3) * picture.width * y;
        for (int x = 0; x < picture.width; ++x, p += 3, m += 3) {
            if (p[0] == b && p[1] == g && p[2] == r) {
                p[0] = p[1] = p[2] = 0;
                m[0] = m[1] = m[2] = 255;
            }
        }
    }
}

Sprite spriteFromPicture(const uint8_t* bgr, int width, int height, int stride, uint32_t transparentColour) {
    Sprite sprite;
    if (width <= 0 || height <= 0 || !bgr) return sprite;
    sprite.width = width;
    sprite.height = height;
    sprite.picture.resize(static_cast<size_t>(3) * width * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(sprite.picture.data() + static_cast<size_t>(3) * width * y, bgr + static_cast<std::ptrdiff_t>(y) * stride,
                    static_cast<size_t>(3) * width);
    makeMask(sprite.pictureView(), sprite.mask, transparentColour);
    return sprite;
}

ClippedArea clipArea(int x, int y, int w, int h, int sx, int sy, int targetW, int targetH) {
    ClippedArea a{x, y, w, h, sx, sy};
    if (a.x < 0) {
        a.w += a.x;
        a.sx -= a.x;
        a.x = 0;
    }
    if (a.y < 0) {
        a.h += a.y;
        a.sy -= a.y;
        a.y = 0;
    }
    a.w = std::min(a.w, targetW - a.x);
    a.h = std::min(a.h, targetH - a.y);
    return a;
}

void rasterCopy(PixelView target, int x, int y, int w, int h, PixelView source, int sx, int sy, RasterOp op) {
    // Clip to the source first (a source area that starts outside moves the target area), then
    // to the target.
    if (sx < 0) { x -= sx; w += sx; sx = 0; }
    if (sy < 0) { y -= sy; h += sy; sy = 0; }
    w = std::min(w, source.width - sx);
    h = std::min(h, source.height - sy);
    const ClippedArea a = clipArea(x, y, w, h, sx, sy, target.width, target.height);
    if (a.empty()) return;
    const size_t bytes = static_cast<size_t>(3) * a.w;
    for (int row = 0; row < a.h; ++row) {
        uint8_t* d = target.pixel(a.x, a.y + row);
        const uint8_t* s = source.pixel(a.sx, a.sy + row);
        switch (op) {
        case RasterOp::Copy: std::memcpy(d, s, bytes); break;
        case RasterOp::And:
            for (size_t i = 0; i < bytes; ++i) d[i] &= s[i];
            break;
        case RasterOp::Or:
            for (size_t i = 0; i < bytes; ++i) d[i] |= s[i];
            break;
        }
    }
}

void drawSprite(PixelView target, int x, int y, Sprite& sprite, int rows) {
    if (sprite.empty()) return;
    const int h = rows < 0 ? sprite.height : std::min(rows, sprite.height);
    if (h <= 0) return;
    rasterCopy(target, x, y, sprite.width, h, sprite.maskView(), 0, 0, RasterOp::And);
    rasterCopy(target, x, y, sprite.width, h, sprite.pictureView(), 0, 0, RasterOp::Or);
}

void drawSpriteArea(PixelView target, int x, int y, Sprite& sprite, int sx, int sy, int w, int h) {
    if (sprite.empty()) return;
    rasterCopy(target, x, y, w, h, sprite.maskView(), sx, sy, RasterOp::And);
    rasterCopy(target, x, y, w, h, sprite.pictureView(), sx, sy, RasterOp::Or);
}

Sprite mirrored(const Sprite& sprite) {
    Sprite out = sprite;
    for (int y = 0; y < sprite.height; ++y) {
        for (int x = 0; x < sprite.width; ++x) {
            const size_t from = static_cast<size_t>(3) * (static_cast<size_t>(sprite.width) * y + x);
            const size_t to = static_cast<size_t>(3) * (static_cast<size_t>(sprite.width) * y + (sprite.width - 1 - x));
            for (int c = 0; c < 3; ++c) {
                out.picture[to + c] = sprite.picture[from + c];
                out.mask[to + c] = sprite.mask[from + c];
            }
        }
    }
    return out;
}

}  // namespace vex::gui
