// Loading, releasing and restoring buffers, copying them out to surfaces, and
// the current buffer behind mGetPixel / mSetPixel.
#include "kernel_sets.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <array>

extern "C" int pelkitHeaderSizeFromC(void);

namespace {

using reference::Picture;

PelkitSurface surfaceOf(Picture &p) {
    return PelkitSurface{p.bytes.data(), p.width, p.height, 3 * p.width, PELKIT_FORMAT_BGR24};
}

bool allZero(const std::vector<uint8_t> &bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

TEST(Header, VersionAndLayoutAsSeenFromC) {
    EXPECT_EQ(mVersion(), PELKIT_ABI_VERSION);
    EXPECT_EQ(sizeof(PelkitBitmapHeader), 40u);
    EXPECT_EQ(pelkitHeaderSizeFromC(), 40);
}

TEST(Lifecycle, LoadFillsTheRecord) {
    std::mt19937 random(1);
    Picture picture = reference::randomPicture(12, 5, random);
    Loaded buffer(picture);
    ASSERT_TRUE(buffer.loaded());
    const PelkitBuffer &b = *buffer.get();
    EXPECT_EQ(b.bits, b.bitmap);
    EXPECT_EQ(b.stride, 36);
    EXPECT_EQ(buffer.bytes(), picture.bytes);
    EXPECT_EQ(std::memcmp(b.backup, picture.bytes.data(), picture.bytes.size()), 0);
    ASSERT_NE(b.context, nullptr);
    EXPECT_EQ(b.context->pixels, b.bits);
    EXPECT_EQ(b.context->format, PELKIT_FORMAT_BGR24);
    const PelkitBitmapHeader expected{40, 12, -5, 1, 24, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&b.header, &expected, sizeof expected), 0);
}

TEST(Lifecycle, LoadRefusesBadSizesAndCreatesNothing) {
    Picture picture{104, 2, std::vector<uint8_t>(104 * 2 * 3, 9)};
    PelkitSurface surface = surfaceOf(picture);
    for (auto [width, height] : {std::pair{102, 2}, {0, 2}, {4, 0}, {-4, 2}, {4, -1}, {2, 2}, {INT32_MAX - 3, 1}}) {
        PelkitBuffer b{};
        b.width = width;
        b.height = height;
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        EXPECT_EQ(mLoad(&b, &surface), 0);
        EXPECT_EQ(b.bits, nullptr);
        EXPECT_EQ(b.bitmap, nullptr);
        EXPECT_EQ(b.context, nullptr);
        EXPECT_EQ(b.backup, nullptr);
        EXPECT_EQ(b.stride, 0);
    }
    EXPECT_EQ(mLoad(nullptr, &surface), 0);
}

TEST(Lifecycle, LoadTwiceIsRefusedAndEndIsHarmlessWhenUnloaded) {
    std::mt19937 random(2);
    Picture first = reference::randomPicture(8, 3, random), second = reference::randomPicture(8, 3, random);
    PelkitSurface surface = surfaceOf(second);
    Loaded buffer(first);
    const PelkitBuffer before = *buffer.get();
    EXPECT_EQ(mLoad(buffer.get(), &surface), 0);
    EXPECT_EQ(std::memcmp(buffer.get(), &before, sizeof before), 0);
    EXPECT_EQ(buffer.bytes(), first.bytes);

    PelkitBuffer unloaded{};
    EXPECT_EQ(mEnd(&unloaded), 0);
    EXPECT_EQ(mEnd(nullptr), 0);
    EXPECT_EQ(mReset(&unloaded), 0);

    PelkitBuffer b{};
    b.width = 8;
    b.height = 3;
    ASSERT_EQ(mLoad(&b, &surface), 1);
    EXPECT_EQ(mEnd(&b), 1);
    EXPECT_EQ(b.bits, nullptr);
    EXPECT_EQ(b.bitmap, nullptr);
    EXPECT_EQ(b.context, nullptr);
    EXPECT_EQ(b.backup, nullptr);
    EXPECT_EQ(mEnd(&b), 0);
    EXPECT_EQ(mFade(&b, 0, 0, 0, 0, 10), 0);
    // The same record loads again after mEnd.
    ASSERT_EQ(mLoad(&b, &surface), 1);
    EXPECT_EQ(mEnd(&b), 1);
}

TEST(Lifecycle, ResetRestoresTheLoadTimePictureAfterAnySequence) {
    std::mt19937 random(3);
    Picture picture = reference::randomPicture(36, 9, random), other = reference::randomPicture(36, 9, random);
    Loaded buffer(picture), second(other);
    uint8_t table[256];
    for (int i = 0; i < 256; ++i) table[i] = uint8_t(i * 7);
    for (int round = 0; round < 3; ++round) {
        mFade(buffer.get(), 1, 1, 20, 5, 77);
        mGray(buffer.get(), 0, 0, 0, 0);
        mSmoothing(buffer.get(), 2, 0, 30, 9);
        mMosaic(buffer.get(), 0, 0, 0, 0, 4);
        mLUTOperate(buffer.get(), 3, 3, 0, 0, table);
        mBlend(buffer.get(), 0, 0, 0, 0, second.get(), 4, 2, 100);
        mSubBlend(buffer.get(), 5, 0, 0, 0, second.get(), 0, 0);
        buffer.get()->bits[10] ^= 0x5A; // the caller's own writes too
        ASSERT_NE(buffer.bytes(), picture.bytes);
        ASSERT_EQ(mReset(buffer.get()), 1);
        ASSERT_EQ(buffer.bytes(), picture.bytes);
    }
}

TEST(Lifecycle, LoadConvertsEverySurfaceFormat) {
    // Pixel i of a 4 x 2 picture: blue i, green 100 + i, red 200 + i.
    const int w = 4, h = 2;
    std::vector<uint8_t> expected;
    for (int i = 0; i < w * h; ++i) expected.insert(expected.end(), {uint8_t(i), uint8_t(100 + i), uint8_t(200 + i)});
    struct Format {
        int32_t format, size, blue, red;
    };
    for (Format f : {Format{PELKIT_FORMAT_BGR24, 3, 0, 2}, Format{PELKIT_FORMAT_RGB24, 3, 2, 0},
                     Format{PELKIT_FORMAT_BGRX32, 4, 0, 2}, Format{PELKIT_FORMAT_RGBX32, 4, 2, 0}}) {
        for (bool bottomUp : {false, true}) {
            SCOPED_TRACE(std::to_string(f.format) + (bottomUp ? " bottom-up" : ""));
            const int pitch = w * f.size + 5; // rows padded
            std::vector<uint8_t> memory(size_t(pitch) * h, 0xEE);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const int i = y * w + x, row = bottomUp ? h - 1 - y : y;
                    uint8_t *px = &memory[size_t(row) * pitch + x * f.size];
                    px[f.blue] = uint8_t(i);
                    px[1] = uint8_t(100 + i);
                    px[f.red] = uint8_t(200 + i);
                }
            PelkitSurface surface{bottomUp ? &memory[size_t(h - 1) * pitch] : memory.data(), w, h,
                                  bottomUp ? -pitch : pitch, f.format};
            PelkitBuffer b{};
            b.width = w;
            b.height = h;
            ASSERT_EQ(mLoad(&b, &surface), 1);
            EXPECT_EQ(std::vector<uint8_t>(b.bits, b.bits + 24), expected);
            mEnd(&b);
        }
    }
}

TEST(Lifecycle, LoadFromLessThanTheBufferLeavesTheRestBlack) {
    Picture small{4, 2, std::vector<uint8_t>(4 * 2 * 3, 200)};
    PelkitSurface surface = surfaceOf(small);
    PelkitBuffer b{};
    b.width = 8;
    b.height = 3;
    ASSERT_EQ(mLoad(&b, &surface), 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(b.bits[y * 24 + 3 * x], (x < 4 && y < 2) ? 200 : 0);
    EXPECT_EQ(std::memcmp(b.backup, b.bits, 72), 0); // the black part is backed up too
    mEnd(&b);

    // No source at all: a black buffer, and a black backup.
    ASSERT_EQ(mLoad(&b, nullptr), 1);
    EXPECT_TRUE(allZero(std::vector<uint8_t>(b.bits, b.bits + 72)));
    EXPECT_TRUE(allZero(std::vector<uint8_t>(b.backup, b.backup + 72)));
    mEnd(&b);

    // A malformed source is refused.
    for (PelkitSurface bad : {PelkitSurface{small.bytes.data(), 4, 2, 11, PELKIT_FORMAT_BGR24},
                              PelkitSurface{small.bytes.data(), 4, 2, 12, 99},
                              PelkitSurface{nullptr, 4, 2, 12, PELKIT_FORMAT_BGR24},
                              PelkitSurface{small.bytes.data(), -1, 2, 12, PELKIT_FORMAT_BGR24}}) {
        EXPECT_EQ(mLoad(&b, &bad), 0);
        EXPECT_EQ(b.bitmap, nullptr);
    }
}

TEST(Lifecycle, RecordsChangedAfterLoadingAreRefused) {
    std::mt19937 random(4);
    Picture picture = reference::randomPicture(8, 4, random);
    Loaded buffer(picture);
    buffer.get()->width = 4000; // would let a rectangle run far past the pixels
    EXPECT_EQ(mFade(buffer.get(), 0, 0, 0, 0, 10), 0);
    EXPECT_EQ(mReset(buffer.get()), 0);
    buffer.get()->width = 8;
    buffer.get()->height = 5;
    EXPECT_EQ(mGray(buffer.get(), 0, 0, 0, 0), 0);
    buffer.get()->height = 4;
    EXPECT_EQ(mGray(buffer.get(), 0, 0, 0, 0), 1);
}

// ---------------------------------------------------------------------------

class DrawTest : public ::testing::Test {
protected:
    std::mt19937 random{5};
    Picture picture = reference::randomPicture(8, 4, random);
    Loaded buffer{picture};
};

TEST_F(DrawTest, CopiesIntoEveryFormatWithClipping) {
    struct Format {
        int32_t format, size, blue, red;
    };
    for (Format f : {Format{PELKIT_FORMAT_BGR24, 3, 0, 2}, Format{PELKIT_FORMAT_RGB24, 3, 2, 0},
                     Format{PELKIT_FORMAT_BGRX32, 4, 0, 2}, Format{PELKIT_FORMAT_RGBX32, 4, 2, 0}}) {
        SCOPED_TRACE(f.format);
        const int tw = 6, th = 5, pitch = tw * f.size + 3;
        std::vector<uint8_t> memory(size_t(pitch) * th, 0x11);
        PelkitSurface target{memory.data(), tw, th, pitch, f.format};
        // 5 x 4 from (2, 1) of the buffer to (-1, 2): the target cuts one
        // column on the left, and both the target and the source cut the
        // last row, leaving 4 x 3.
        ASSERT_EQ(mDraw(&target, -1, 2, 5, 4, buffer.get(), 2, 1), 1);
        for (int y = 0; y < th; ++y)
            for (int x = 0; x < tw; ++x) {
                const uint8_t *px = &memory[size_t(y) * pitch + x * f.size];
                const int sx = x + 1 + 2, sy = y - 2 + 1;
                const bool copied = x < 4 && y >= 2 && sy < 4;
                if (!copied) {
                    for (int k = 0; k < f.size; ++k) ASSERT_EQ(px[k], 0x11);
                    continue;
                }
                const uint8_t *from = picture.at(sx, sy);
                ASSERT_EQ(px[f.blue], from[0]);
                ASSERT_EQ(px[1], from[1]);
                ASSERT_EQ(px[f.red], from[2]);
                if (f.size == 4) {
                    ASSERT_EQ(px[3], 0xFF);
                }
            }
        // The row padding was never written.
        for (int y = 0; y < th; ++y)
            for (int k = tw * f.size; k < pitch; ++k) ASSERT_EQ(memory[size_t(y) * pitch + k], 0x11);
    }
}

// The 32-bit conversions are kernels of their own.
class RowConversion : public OnEveryKernelSet {};
PELKIT_ON_EVERY_KERNEL_SET(RowConversion);

TEST_P(RowConversion, WideRowsRoundTripThroughEveryFormat) {
    // Rows long enough for the vector conversions and their ends.
    for (int32_t width : {4, 8, 12, 36, 68}) {
        std::mt19937 noise{uint32_t(width)};
        Picture wide = reference::randomPicture(width, 3, noise);
        Loaded original(wide);
        for (int32_t format : {PELKIT_FORMAT_BGR24, PELKIT_FORMAT_RGB24, PELKIT_FORMAT_BGRX32, PELKIT_FORMAT_RGBX32}) {
            SCOPED_TRACE(std::to_string(width) + " wide, format " + std::to_string(format));
            const int size = format >= PELKIT_FORMAT_BGRX32 ? 4 : 3;
            const bool redFirst = format == PELKIT_FORMAT_RGB24 || format == PELKIT_FORMAT_RGBX32;
            std::vector<uint8_t> memory(size_t(width) * 3 * size + 7, 0x33); // 7 bytes that must stay
            PelkitSurface surface{memory.data(), width, 3, width * size, format};
            ASSERT_EQ(mDraw(&surface, 0, 0, width, 3, original.get(), 0, 0), 1);
            for (int32_t i = 0; i < width * 3; ++i) {
                const uint8_t *px = &memory[size_t(i) * size], *from = &wide.bytes[size_t(i) * 3];
                ASSERT_EQ(px[redFirst ? 2 : 0], from[0]);
                ASSERT_EQ(px[1], from[1]);
                ASSERT_EQ(px[redFirst ? 0 : 2], from[2]);
                if (size == 4) {
                    ASSERT_EQ(px[3], 0xFF);
                }
            }
            for (size_t k = memory.size() - 7; k < memory.size(); ++k) ASSERT_EQ(memory[k], 0x33);
            PelkitBuffer back{};
            back.width = width;
            back.height = 3;
            ASSERT_EQ(mLoad(&back, &surface), 1);
            EXPECT_EQ(std::vector<uint8_t>(back.bits, back.bits + wide.bytes.size()), wide.bytes);
            mEnd(&back);
        }
    }
}

TEST_F(DrawTest, BufferToBufferThroughItsContext) {
    // The battle screen copies its stage buffer into the work buffer this way.
    Picture blank{8, 4, std::vector<uint8_t>(8 * 4 * 3, 0)};
    Loaded work(blank);
    ASSERT_EQ(mDraw(work.get()->context, 0, 0, 8, 4, buffer.get(), 0, 0), 1);
    EXPECT_EQ(work.bytes(), picture.bytes);
}

TEST_F(DrawTest, OverlappingCopyWithinOneBuffer) {
    for (auto [dx, dy] : {std::pair{1, 1}, {-1, -1}, {2, 0}, {-2, 0}, {0, 1}, {1, -1}}) {
        buffer.assign(picture);
        SCOPED_TRACE(std::to_string(dx) + "," + std::to_string(dy));
        ASSERT_EQ(mDraw(buffer.get()->context, 2 + dx, 1 + dy, 4, 2, buffer.get(), 2, 1), 1);
        Picture expected = picture;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x) std::memcpy(expected.at(2 + dx + x, 1 + dy + y), picture.at(2 + x, 1 + y), 3);
        EXPECT_EQ(buffer.bytes(), expected.bytes);
    }
}

TEST_F(DrawTest, RefusesWhatItCannotCopy) {
    std::vector<uint8_t> memory(8 * 4 * 3);
    PelkitSurface target{memory.data(), 8, 4, 24, PELKIT_FORMAT_BGR24};
    PelkitBuffer unloaded{};
    EXPECT_EQ(mDraw(&target, 0, 0, 8, 4, &unloaded, 0, 0), 0);
    EXPECT_EQ(mDraw(nullptr, 0, 0, 8, 4, buffer.get(), 0, 0), 0);
    EXPECT_EQ(mDraw(&target, 0, 0, -1, 4, buffer.get(), 0, 0), 0);
    PelkitSurface narrow{memory.data(), 8, 4, 20, PELKIT_FORMAT_BGR24};
    EXPECT_EQ(mDraw(&narrow, 0, 0, 8, 4, buffer.get(), 0, 0), 0);
    EXPECT_TRUE(allZero(memory));
    // Nothing to copy is a success that copies nothing.
    EXPECT_EQ(mDraw(&target, 0, 0, 0, 0, buffer.get(), 0, 0), 1);
    EXPECT_EQ(mDraw(&target, 8, 0, 8, 4, buffer.get(), 0, 0), 1);
    EXPECT_EQ(mDraw(&target, 0, 0, INT32_MAX, INT32_MAX, buffer.get(), 7, 3), 1);
    EXPECT_EQ(std::memcmp(memory.data(), picture.at(7, 3), 3), 0);
}

// ---------------------------------------------------------------------------

TEST(CurrentBuffer, PixelsOfTheLastAcceptedBufferOnly) {
    std::mt19937 random(6);
    Picture a = reference::randomPicture(8, 4, random), b = reference::randomPicture(12, 2, random);
    Loaded first(a), second(b);
    uint8_t red = 0, green = 0, blue = 0;

    ASSERT_EQ(mFade(first.get(), 0, 0, 1, 1, 0), 1);
    ASSERT_EQ(mGetPixel(7, 3, &red, &green, &blue), 1);
    EXPECT_EQ((std::array<uint8_t, 3>{blue, green, red}), (std::array<uint8_t, 3>{a.at(7, 3)[0], a.at(7, 3)[1], a.at(7, 3)[2]}));
    ASSERT_EQ(mSetPixel(0, 0, 1, 2, 3), 1);
    EXPECT_EQ(first.get()->bits[0], 3);
    EXPECT_EQ(first.get()->bits[2], 1);

    // Outside the current buffer: refused, nothing read or written.
    for (auto [x, y] : {std::pair{8, 0}, {0, 4}, {-1, 0}, {0, -1}, {INT32_MAX, INT32_MAX}}) {
        EXPECT_EQ(mGetPixel(x, y, &red, &green, &blue), 0);
        EXPECT_EQ(mSetPixel(x, y, 9, 9, 9), 0);
    }
    EXPECT_EQ(mGetPixel(0, 0, nullptr, &green, &blue), 0);

    // A refused call leaves the current buffer as it was; an accepted one on
    // the second buffer makes it current (12 x 2: (9, 1) is inside, (0, 3) not).
    EXPECT_EQ(mFade(second.get(), 12, 0, 1, 1, 5), 0);
    EXPECT_EQ(mGetPixel(0, 3, &red, &green, &blue), 1);
    ASSERT_EQ(mBlend(second.get(), 0, 0, 0, 0, first.get(), 0, 0, 0), 1);
    EXPECT_EQ(mGetPixel(0, 3, &red, &green, &blue), 0);
    EXPECT_EQ(mGetPixel(9, 1, &red, &green, &blue), 1);

    // Releasing the current buffer forgets it.
    PelkitBuffer *current = second.get();
    int32_t x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(CheckArgue(current, &x, &y, &w, &h), 1);
    mEnd(current);
    EXPECT_EQ(mGetPixel(0, 0, &red, &green, &blue), 0);
    EXPECT_EQ(mSetPixel(0, 0, 1, 1, 1), 0);
}

} // namespace
