#include "vexmora/data/picture_size.h"

#include <algorithm>
#include <cstdint>

namespace vex {

int16_t clampImageSize(int64_t imageSize) {
    return static_cast<int16_t>(std::clamp<int64_t>(imageSize, kImageSizeMin, kImageSizeMax));
}

int64_t monsterPictureHeight(int imageSize) {
    // imageSize / 2 + 64 taken down to a whole number: a floor division, exact for every int.
    const int64_t half = imageSize >= 0 ? imageSize / 2 : -((-int64_t{imageSize} + 1) / 2);
    return std::max<int64_t>(1, half + 64);
}

DrawnSize monsterDrawnSize(int imageSize, int64_t pictureWidth, int64_t pictureHeight) {
    const int64_t height = monsterPictureHeight(imageSize);
    int64_t width = height;
    // The height is below 2^31 and so is any picture side, so the product fits in 64 bits;
    // the comparisons below multiply once more and take 128.
    if (pictureWidth > 0 && pictureHeight > 0) {
        pictureWidth = std::min<int64_t>(pictureWidth, INT32_MAX);
        width = std::max<int64_t>(1, height * pictureWidth / pictureHeight);
    }
    if (width <= kMaxDrawnWidth && height <= kMaxDrawnHeight)
        return {static_cast<int>(width), static_cast<int>(height)};
    // Fitted into the box by the side that overflows most.
    using Wide = __int128;
    DrawnSize size;
    if (Wide{width} * kMaxDrawnHeight >= Wide{height} * kMaxDrawnWidth) {
        size.width = kMaxDrawnWidth;
        size.height = static_cast<int>(std::max<Wide>(1, Wide{height} * kMaxDrawnWidth / width));
    } else {
        size.height = kMaxDrawnHeight;
        size.width = static_cast<int>(std::max<Wide>(1, Wide{width} * kMaxDrawnHeight / height));
    }
    return size;
}

}  // namespace vex
