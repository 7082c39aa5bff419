#pragma once
// Pictures with transparency in 24-bit pixel rows (blue, green, red), and the two raster
// copies the battle screen draws them with: the mask with AND, then the picture with OR.
//
// `makeMask` turns a picture with a transparent colour into such a pair: every pixel of that
// colour becomes black in the picture and white in the mask, every other pixel black in the
// mask. Copying the mask with AND clears the frame where the picture will show; the picture
// copied with OR then fills exactly those pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vex::gui {

// A 24-bit picture: rows top to bottom, `stride` bytes apart, three bytes a pixel (B, G, R).
struct PixelView {
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    uint8_t* pixel(int x, int y) const { return bits + static_cast<std::ptrdiff_t>(y) * stride + 3 * x; }
};

// A picture and its mask of the same size, owned.
struct Sprite {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> picture;  // 3 * width * height bytes
    std::vector<uint8_t> mask;

    bool empty() const { return width <= 0 || height <= 0; }
    PixelView pictureView() { return {picture.data(), width, height, 3 * width}; }
    PixelView maskView() { return {mask.data(), width, height, 3 * width}; }
};

// `colour` is 0xRRGGBB. The picture's pixels of that colour become black; the mask is resized
// to the picture and filled.
void makeMask(PixelView picture, std::vector<uint8_t>& mask, uint32_t colour);

// A sprite from a picture and its transparent colour.
Sprite spriteFromPicture(const uint8_t* bgr, int width, int height, int stride, uint32_t transparentColour);

// The rectangle of `source` at (sx, sy), w x h, copied to (x, y) of `target` with AND or OR
// (or plainly); both rectangles are clipped to their pictures.
enum class RasterOp { Copy, And, Or };
void rasterCopy(PixelView target, int x, int y, int w, int h, PixelView source, int sx, int sy, RasterOp op);

// The masked sprite copy: mask with AND, then picture with OR, both at (x, y). `rows` limits
// the copy to the sprite's top rows (a monster sinking into the ground); -1 for all.
void drawSprite(PixelView target, int x, int y, Sprite& sprite, int rows = -1);

// The same for the area (sx, sy, w, h) of a sprite that holds several pictures.
void drawSpriteArea(PixelView target, int x, int y, Sprite& sprite, int sx, int sy, int w, int h);

// A sprite mirrored left to right.
Sprite mirrored(const Sprite& sprite);

// Where an area of size w x h at (x, y) of a target of size targetW x targetH meets the
// target; the part that lies outside is cut off, and the source position follows the cut.
struct ClippedArea {
    int x = 0, y = 0, w = 0, h = 0;  // on the target
    int sx = 0, sy = 0;              // on the source
    bool empty() const { return w <= 0 || h <= 0; }
};
ClippedArea clipArea(int x, int y, int w, int h, int sx, int sy, int targetW, int targetH);

}  // namespace vex::gui
