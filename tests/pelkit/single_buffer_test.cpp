// The single-buffer operations against their reference versions on random
// pictures and random rectangles (whole, inside, clipped, refused), with the
// parameters at and beyond their edges.
#include "kernel_sets.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <sstream>

namespace {

using reference::Picture;

struct Size {
    int32_t width, height;
};

// Small buffers, from narrower than one vector to a few vectors and a tail
// wide, so both the vector loops and their byte-by-byte ends are exercised.
const Size sizes[] = {{4, 1}, {4, 4}, {8, 3}, {12, 5}, {36, 7}, {68, 9}, {132, 4}};

struct Rect {
    int32_t x, y, w, h;
};

// The first rectangle is always the whole buffer (w = h = 0); the rest mix
// rectangles inside, reaching past the right or bottom, starting left of or
// above the buffer, and refused ones (start outside, negative size).
Rect randomRect(std::mt19937 &random, const Size &size, int index) {
    if (index == 0) return {0, 0, 0, 0};
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    switch (in(0, 9)) {
    case 0: return {in(-3, size.width + 1), in(-3, size.height + 1), in(-2, 3), in(-2, 3)};
    case 1: return {in(0, size.width - 1), in(0, size.height - 1), 0, 0};
    case 2: return {size.width, in(0, size.height - 1), 1, 1};
    default: {
        const int x = in(-2, size.width - 1), y = in(-2, size.height - 1);
        return {x, y, in(1, size.width + 4), in(1, size.height + 4)};
    }
    }
}

std::string describe(const Size &size, const Rect &r, const std::string &parameter) {
    std::ostringstream out;
    out << size.width << "x" << size.height << " rect (" << r.x << ", " << r.y << ", " << r.w << ", " << r.h
        << ") " << parameter;
    return out.str();
}

using LibraryCall = std::function<int32_t(PelkitBuffer *, const Rect &)>;
using ReferenceCall = std::function<bool(Picture &, const Rect &)>;

// Runs the library and the reference on the same random pictures and
// rectangles; the results and every byte must agree.
void expectSameAsReference(const std::string &parameter, const LibraryCall &library,
                           const ReferenceCall &expected, int rectsPerSize = 24, uint32_t seed = 1) {
    std::mt19937 random(seed);
    for (const Size &size : sizes) {
        for (int i = 0; i < rectsPerSize; ++i) {
            Picture picture = reference::randomPicture(size.width, size.height, random);
            Loaded buffer(picture);
            ASSERT_TRUE(buffer.loaded());
            const Rect rect = randomRect(random, size, i);
            SCOPED_TRACE(describe(size, rect, parameter));
            const bool accepted = expected(picture, rect);
            ASSERT_EQ(library(buffer.get(), rect), accepted ? 1 : 0);
            ASSERT_EQ(buffer.bytes(), picture.bytes);
        }
    }
}

class SingleBufferExactness : public OnEveryKernelSet {};
PELKIT_ON_EVERY_KERNEL_SET(SingleBufferExactness);

const int32_t levels[] = {INT32_MIN, -300, -256, -255, -254, -128, -1, 0, 1, 2, 127, 254, 255, 256, 300, INT32_MAX};

TEST_P(SingleBufferExactness, FadeAtEveryEdgeLevel) {
    for (int32_t level : levels)
        expectSameAsReference(
            "level " + std::to_string(level),
            [&](PelkitBuffer *b, const Rect &r) { return mFade(b, r.x, r.y, r.w, r.h, level); },
            [&](Picture &p, const Rect &r) { return reference::fade(p, r.x, r.y, r.w, r.h, level); }, 12,
            uint32_t(level));
}

TEST_P(SingleBufferExactness, RgbOperateWithMixedDeltas) {
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> pick(0, std::size(levels) - 1);
    for (int i = 0; i < 40; ++i) {
        const int32_t red = levels[pick(random)], green = levels[pick(random)], blue = levels[pick(random)];
        expectSameAsReference(
            "deltas " + std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue),
            [&](PelkitBuffer *b, const Rect &r) { return mRGBOperate(b, r.x, r.y, r.w, r.h, red, green, blue); },
            [&](Picture &p, const Rect &r) { return reference::rgb(p, r.x, r.y, r.w, r.h, red, green, blue); }, 6,
            uint32_t(i));
    }
}

TEST_P(SingleBufferExactness, ReverseWithEveryFlagCombination) {
    for (int flags = 0; flags < 8; ++flags) {
        // Any non-zero flag counts, not only 1.
        const int32_t red = (flags & 1) ? -1 : 0, green = (flags & 2) ? 1 : 0, blue = (flags & 4) ? 2 : 0;
        expectSameAsReference(
            "flags " + std::to_string(flags),
            [&](PelkitBuffer *b, const Rect &r) { return mReverse(b, r.x, r.y, r.w, r.h, red, green, blue); },
            [&](Picture &p, const Rect &r) { return reference::reverse(p, r.x, r.y, r.w, r.h, red, green, blue); },
            12, uint32_t(flags));
    }
}

TEST_P(SingleBufferExactness, LookUpRandomAndFixedTables) {
    std::mt19937 random(11);
    for (int t = 0; t < 6; ++t) {
        uint8_t table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = t == 0 ? uint8_t(i) : t == 1 ? uint8_t(255 - i) : t == 2 ? 77 : uint8_t(random());
        expectSameAsReference(
            "table " + std::to_string(t),
            [&](PelkitBuffer *b, const Rect &r) { return mLUTOperate(b, r.x, r.y, r.w, r.h, table); },
            [&](Picture &p, const Rect &r) { return reference::lut(p, r.x, r.y, r.w, r.h, table); }, 12,
            uint32_t(t));
    }
}

TEST_P(SingleBufferExactness, GrayAndGrayFast) {
    expectSameAsReference(
        "gray", [](PelkitBuffer *b, const Rect &r) { return mGray(b, r.x, r.y, r.w, r.h); },
        [](Picture &p, const Rect &r) { return reference::gray(p, r.x, r.y, r.w, r.h); }, 40);
    expectSameAsReference(
        "grayFast", [](PelkitBuffer *b, const Rect &r) { return mGrayFast(b, r.x, r.y, r.w, r.h); },
        [](Picture &p, const Rect &r) { return reference::grayFast(p, r.x, r.y, r.w, r.h); }, 40);
}

TEST_P(SingleBufferExactness, SmoothingInPlaceOrder) {
    expectSameAsReference(
        "smoothing", [](PelkitBuffer *b, const Rect &r) { return mSmoothing(b, r.x, r.y, r.w, r.h); },
        [](Picture &p, const Rect &r) { return reference::smoothing(p, r.x, r.y, r.w, r.h); }, 60);
}

TEST_P(SingleBufferExactness, MosaicCellsStripsAndCorner) {
    for (int32_t cell : {-1, 0, 1, 2, 3, 4, 5, 7, 8, 33, 1000})
        expectSameAsReference(
            "cell " + std::to_string(cell),
            [&](PelkitBuffer *b, const Rect &r) { return mMosaic(b, r.x, r.y, r.w, r.h, cell); },
            [&](Picture &p, const Rect &r) { return reference::mosaic(p, r.x, r.y, r.w, r.h, cell); }, 16,
            uint32_t(cell + 5));
}

// Every colour once: the vector grey paths divide by 1000 with a multiply
// and a shift, which must be exact for every weighted sum.
TEST_P(SingleBufferExactness, GrayOfEveryColour) {
    Picture all{4096, 4096, std::vector<uint8_t>(size_t(4096) * 4096 * 3)};
    for (uint32_t i = 0; i < (1u << 24); ++i) {
        all.bytes[3 * i] = uint8_t(i);
        all.bytes[3 * i + 1] = uint8_t(i >> 8);
        all.bytes[3 * i + 2] = uint8_t(i >> 16);
    }
    for (bool fast : {false, true}) {
        SCOPED_TRACE(fast ? "grayFast" : "gray");
        Loaded buffer(all);
        ASSERT_TRUE(buffer.loaded());
        Picture expected = all;
        if (fast) {
            ASSERT_EQ(mGrayFast(buffer.get(), 0, 0, 0, 0), 1);
            reference::grayFast(expected, 0, 0, 0, 0);
        } else {
            ASSERT_EQ(mGray(buffer.get(), 0, 0, 0, 0), 1);
            reference::gray(expected, 0, 0, 0, 0);
        }
        ASSERT_TRUE(buffer.bytes() == expected.bytes);
    }
}

// Rows wider than the stretches the smoothing and the mosaic handle at a
// time (hundreds of pixels), so the hand-over between stretches is checked.
TEST_P(SingleBufferExactness, SmoothingAndMosaicAcrossLongRows) {
    std::mt19937 random(8);
    Picture picture = reference::randomPicture(2100, 6, random);
    for (Rect r : {Rect{0, 0, 0, 6}, Rect{3, 1, 1500, 5}, Rect{1, 0, 2098, 3}}) {
        for (int32_t cell : {0, 2, 7, 9, 16, 40}) {
            SCOPED_TRACE(describe({2100, 6}, r, "cell " + std::to_string(cell)));
            Picture expected = picture;
            Loaded buffer(picture);
            if (cell == 0) {
                ASSERT_EQ(mSmoothing(buffer.get(), r.x, r.y, r.w, r.h), 1);
                ASSERT_TRUE(reference::smoothing(expected, r.x, r.y, r.w, r.h));
            } else {
                ASSERT_EQ(mMosaic(buffer.get(), r.x, r.y, r.w, r.h, cell), 1);
                ASSERT_TRUE(reference::mosaic(expected, r.x, r.y, r.w, r.h, cell));
            }
            ASSERT_TRUE(buffer.bytes() == expected.bytes);
        }
    }
}

// Tall rectangles: the vector smoothing takes rows in bands (30 rows with
// AVX2, 62 with AVX-512), with a skew of one pixel per row, so band ends,
// short rows and the bytes the skew leaves at both ends of every row are all
// checked, clipped anywhere.
TEST_P(SingleBufferExactness, SmoothingTallRectanglesInBands) {
    std::mt19937 random(12);
    for (Size size : {Size{24, 40}, Size{28, 17}, Size{36, 31}, Size{132, 47}, Size{388, 33}, Size{100, 141}}) {
        const Picture picture = reference::randomPicture(size.width, size.height, random);
        for (int i = 0; i < 12; ++i) {
            auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
            const Rect r = i == 0 ? Rect{0, 0, 0, size.height}
                                  : Rect{in(-1, size.width / 3), in(-1, 4), in(3, size.width + 2), in(3, size.height + 2)};
            SCOPED_TRACE(describe(size, r, "smoothing"));
            Picture expected = picture;
            Loaded buffer(picture);
            const bool accepted = reference::smoothing(expected, r.x, r.y, r.w, r.h);
            ASSERT_EQ(mSmoothing(buffer.get(), r.x, r.y, r.w, r.h), accepted ? 1 : 0);
            ASSERT_TRUE(buffer.bytes() == expected.bytes);
        }
    }
}

// Every rectangle width from too narrow for a band to well past the width
// from which bands run in place, at heights around whole bands: once ending
// at the buffer's last row and right edge (where nothing may be read past
// the pixels), once inside the buffer with pixels on every side.
TEST_P(SingleBufferExactness, SmoothingEveryWidthAtBandHeights) {
    std::mt19937 random(21);
    for (int32_t w = 3; w <= 80; ++w) {
        for (int32_t rows : {9, 14, 33, 34, 63}) {
            const int32_t width = (w + 3) / 4 * 4 + 4 * (w % 3), height = rows + 2;
            const Picture picture = reference::randomPicture(width, height, random);
            for (const Rect r : {Rect{width - w, 0, w, height}, Rect{1, 1, w - 1, rows}}) {
                SCOPED_TRACE(describe({width, height}, r, "smoothing"));
                Picture expected = picture;
                Loaded buffer(picture);
                const bool accepted = reference::smoothing(expected, r.x, r.y, r.w, r.h);
                ASSERT_EQ(mSmoothing(buffer.get(), r.x, r.y, r.w, r.h), accepted ? 1 : 0);
                ASSERT_TRUE(buffer.bytes() == expected.bytes);
            }
        }
    }
}

// Large cells: sums beyond 16 bits per cell row, and cells taller than 256
// rows, each take a path of their own.
TEST_P(SingleBufferExactness, MosaicLargeCells) {
    std::mt19937 random(3);
    Picture picture = reference::randomPicture(320, 300, random);
    for (int32_t cell : {17, 64, 256, 257, 270}) {
        for (Rect r : {Rect{0, 0, 0, 0}, Rect{5, 2, 300, 290}, Rect{1, 0, 319, 0}}) {
            SCOPED_TRACE(describe({320, 300}, r, "cell " + std::to_string(cell)));
            Picture expected = picture;
            Loaded buffer(picture);
            ASSERT_EQ(mMosaic(buffer.get(), r.x, r.y, r.w, r.h, cell), 1);
            ASSERT_TRUE(reference::mosaic(expected, r.x, r.y, r.w, r.h, cell));
            ASSERT_TRUE(buffer.bytes() == expected.bytes);
        }
    }
}

// ---------------------------------------------------------------------------

class SingleBufferEdges : public ::testing::Test {
protected:
    std::mt19937 random{99};
    Picture picture = reference::randomPicture(16, 6, random);
    Loaded buffer{picture};

    bool unchanged() const { return buffer.bytes() == picture.bytes; }
    bool allBytes(uint8_t value) const {
        const auto bytes = buffer.bytes();
        return std::all_of(bytes.begin(), bytes.end(), [&](uint8_t b) { return b == value; });
    }
};

TEST_F(SingleBufferEdges, FadeBeyondTheRangeSaturates) {
    ASSERT_EQ(mFade(buffer.get(), 0, 0, 0, 0, -300), 1);
    EXPECT_TRUE(allBytes(0));
    ASSERT_EQ(mFade(buffer.get(), 0, 0, 0, 0, 300), 1);
    EXPECT_TRUE(allBytes(255));
}

TEST_F(SingleBufferEdges, NeutralParametersDoNothingButAreAccepted) {
    EXPECT_EQ(mFade(buffer.get(), 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(mRGBOperate(buffer.get(), 0, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(mReverse(buffer.get(), 0, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_TRUE(unchanged());
    // Still refused when the rectangle is.
    EXPECT_EQ(mFade(buffer.get(), 16, 0, 1, 1, 0), 0);
    PelkitBuffer unloaded{};
    EXPECT_EQ(mFade(&unloaded, 0, 0, 0, 0, 0), 0);
}

TEST_F(SingleBufferEdges, RectanglesClipAtTheRightAndBottomAndRefuseOutside) {
    // Reaching past the corner: only the part inside changes.
    ASSERT_EQ(mReverse(buffer.get(), 14, 4, 10, 10, 1, 1, 1), 1);
    Picture expected = picture;
    for (int y = 4; y < 6; ++y)
        for (int x = 14; x < 16; ++x)
            for (int k = 0; k < 3; ++k) expected.at(x, y)[k] = uint8_t(255 - expected.at(x, y)[k]);
    EXPECT_EQ(buffer.bytes(), expected.bytes);
    // Starting at the width or height, or with a negative size: refused.
    EXPECT_EQ(mReverse(buffer.get(), 16, 0, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(mReverse(buffer.get(), 0, 6, 1, 1, 1, 1, 1), 0);
    EXPECT_EQ(mReverse(buffer.get(), 0, 0, -1, 1, 1, 1, 1), 0);
    EXPECT_EQ(buffer.bytes(), expected.bytes);
}

TEST_F(SingleBufferEdges, NegativeStartCountsAsZeroWithTheSizeKept) {
    // x = -3, w = 5 covers columns 0..4, not 0..1.
    ASSERT_EQ(mFade(buffer.get(), -3, -1, 5, 2, 300), 1);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool inside = x <= 4 && y <= 1;
            for (int k = 0; k < 3; ++k)
                ASSERT_EQ(buffer.get()->bits[y * 48 + 3 * x + k], inside ? 255 : picture.at(x, y)[k]);
        }
}

TEST_F(SingleBufferEdges, SmoothingRefusesLowAndSingleLineRectangles) {
    EXPECT_EQ(mSmoothing(buffer.get(), 0, 0, 0, 0), 0); // h = 0 is refused, not "whole height"
    EXPECT_EQ(mSmoothing(buffer.get(), 0, 0, 0, 2), 0);
    EXPECT_EQ(mSmoothing(buffer.get(), 0, 5, 0, 3), 0);  // clipped to the last row
    EXPECT_EQ(mSmoothing(buffer.get(), 15, 0, 4, 3), 0); // clipped to the last column
    EXPECT_EQ(mSmoothing(buffer.get(), 3, 0, 1, 3), 0);  // one column wide
    EXPECT_TRUE(unchanged());
    // Two columns or two rows after clipping still have neighbours inside.
    Picture expected = picture;
    ASSERT_EQ(mSmoothing(buffer.get(), 14, 4, 9, 9), 1);
    ASSERT_TRUE(reference::smoothing(expected, 14, 4, 9, 9));
    EXPECT_EQ(buffer.bytes(), expected.bytes);
}

TEST_F(SingleBufferEdges, MosaicRefusesCellsOfOneOrLess) {
    EXPECT_EQ(mMosaic(buffer.get(), 0, 0, 0, 0, 1), 0);
    EXPECT_EQ(mMosaic(buffer.get(), 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(mMosaic(buffer.get(), 0, 0, 0, 0, INT32_MIN), 0);
    EXPECT_TRUE(unchanged());
    // A cell larger than the rectangle shrinks to it: one cell, one colour.
    ASSERT_EQ(mMosaic(buffer.get(), 2, 1, 3, 3, 50), 1);
    const uint8_t *first = buffer.get()->bits + 48 + 6;
    for (int y = 1; y < 4; ++y)
        for (int x = 2; x < 5; ++x)
            EXPECT_EQ(std::memcmp(buffer.get()->bits + y * 48 + 3 * x, first, 3), 0);
}

TEST_F(SingleBufferEdges, GreysStayTheSameGrey) {
    // Weights that sum to one must leave grey pixels alone, in both variants.
    for (int v = 0; v < 96; ++v) {
        buffer.get()->bits[3 * v] = buffer.get()->bits[3 * v + 1] = buffer.get()->bits[3 * v + 2] =
            uint8_t(v * 255 / 95);
    }
    const auto greys = buffer.bytes();
    ASSERT_EQ(mGray(buffer.get(), 0, 0, 0, 0), 1);
    EXPECT_EQ(buffer.bytes(), greys);
    ASSERT_EQ(mGrayFast(buffer.get(), 0, 0, 0, 0), 1);
    // 19595 + 38469 + 7471 = 65535: a grey v gives v - 1 for v > 0 in the
    // fast variant, by its definition.
    const auto fast = buffer.bytes();
    for (size_t i = 0; i < fast.size(); ++i) EXPECT_EQ(fast[i], greys[i] == 0 ? 0 : greys[i] - 1);
}

TEST_F(SingleBufferEdges, LookUpRefusesAMissingTable) {
    EXPECT_EQ(mLUTOperate(buffer.get(), 0, 0, 0, 0, nullptr), 0);
    EXPECT_TRUE(unchanged());
}

} // namespace
