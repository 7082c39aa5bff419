#pragma once
// How large a monster's picture is drawn: the editor's size tip, its preview and the battle
// all ask this one function, so they agree to the pixel.
//
// The picture stands Int(imageSize / 2 + 64) pixels high and keeps its proportions: its width
// is Int(height × picture width / picture height). Both are computed in 64 bits and then
// fitted, proportions kept, into what the battle frame can show, so that no size setting and
// no picture shape makes a sprite larger than that.

#include <cstdint>

namespace vex {

// The editor's size slider; a monster file's `imageSize` is held in this range when it is read.
inline constexpr int16_t kImageSizeMin = 0;
inline constexpr int16_t kImageSizeMax = 200;
int16_t clampImageSize(int64_t imageSize);

// The largest sprite: twice the battle frame each way, so that a monster standing anywhere,
// moved by its offsets and motions, never shows an edge the frame could have shown.
inline constexpr int kMaxDrawnWidth = 768;
inline constexpr int kMaxDrawnHeight = 496;

struct DrawnSize {
    int width = 0;
    int height = 0;
    bool operator==(const DrawnSize&) const = default;
};

// The height before fitting: Int(imageSize / 2 + 64), at least 1. A battle may grow or shrink
// a picture beyond the editor's range, so any int is taken.
int64_t monsterPictureHeight(int imageSize);

// The drawn size of a picture of pictureWidth × pictureHeight at a size setting. A picture
// whose dimensions are unknown (0 or less) is drawn square. Never below 1 × 1.
DrawnSize monsterDrawnSize(int imageSize, int64_t pictureWidth, int64_t pictureHeight);

}  // namespace vex
