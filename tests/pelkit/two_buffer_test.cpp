// The two- and three-buffer operations against their reference versions:
// buffers of different sizes, rectangles clipped differently in each, the
// overlap rule, every blend factor edge, and a buffer blended onto itself.
#include "kernel_sets.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using reference::Picture;

struct Case {
    int32_t x, y, w, h, sx, sy, mx, my;
};

Case randomCase(std::mt19937 &random, const Picture &d, const Picture &s, const Picture &m, int index) {
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    if (index == 0) return {0, 0, 0, 0, 0, 0, 0, 0};
    const int big = std::max({d.width, s.width, m.width});
    Case c{in(-2, d.width), in(-2, d.height), in(-1, big + 3), in(-1, 12), in(-2, s.width), in(-2, s.height),
           in(-2, m.width), in(-2, m.height)};
    if (in(0, 3) == 0) c.w = 0;
    if (in(0, 3) == 0) c.h = 0;
    return c;
}

std::string describe(const Picture &d, const Picture &s, const Case &c, const std::string &what) {
    std::ostringstream out;
    out << what << " dst " << d.width << "x" << d.height << " src " << s.width << "x" << s.height << " at (" << c.x
        << ", " << c.y << ", " << c.w << ", " << c.h << ") from (" << c.sx << ", " << c.sy << ") mask (" << c.mx
        << ", " << c.my << ")";
    return out.str();
}

enum class Operation { Blend, Add, Subtract, Masked };

int32_t runLibrary(Operation op, PelkitBuffer *d, PelkitBuffer *s, PelkitBuffer *m, const Case &c, int32_t factor) {
    switch (op) {
    case Operation::Blend: return mBlend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy, factor);
    case Operation::Add: return mAddBlend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy);
    case Operation::Subtract: return mSubBlend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy);
    case Operation::Masked: return mBlendEx(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy, m, c.mx, c.my);
    }
    return -1;
}

bool runReference(Operation op, Picture &d, Picture &s, Picture &m, const Case &c, int32_t factor) {
    switch (op) {
    case Operation::Blend: return reference::blend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy, factor);
    case Operation::Add: return reference::addBlend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy);
    case Operation::Subtract: return reference::subBlend(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy);
    case Operation::Masked: return reference::blendEx(d, c.x, c.y, c.w, c.h, s, c.sx, c.sy, m, c.mx, c.my);
    }
    return false;
}

struct Sizes {
    int32_t dw, dh, sw, sh, mw, mh;
};

// Destinations, sources and masks of different sizes, so each clips a
// different side of the common area; the wide ones cover the vector loops.
const Sizes sizeSets[] = {
    {16, 8, 16, 8, 16, 8}, {16, 8, 8, 4, 12, 12}, {8, 3, 20, 6, 4, 9}, {44, 5, 44, 5, 44, 5},
    {72, 6, 40, 9, 68, 4}, {132, 3, 136, 4, 132, 3}, {4, 1, 4, 1, 4, 1},
};

void expectSameAsReference(Operation op, const std::string &what, int32_t factor, int casesPerSet, uint32_t seed) {
    std::mt19937 random(seed);
    for (const Sizes &z : sizeSets) {
        for (int i = 0; i < casesPerSet; ++i) {
            Picture d = reference::randomPicture(z.dw, z.dh, random);
            Picture s = reference::randomPicture(z.sw, z.sh, random);
            Picture m = reference::randomPicture(z.mw, z.mh, random);
            Loaded dl(d), sl(s), ml(m);
            ASSERT_TRUE(dl.loaded() && sl.loaded() && ml.loaded());
            const Case c = randomCase(random, d, s, m, i);
            SCOPED_TRACE(describe(d, s, c, what));
            const bool accepted = runReference(op, d, s, m, c, factor);
            ASSERT_EQ(runLibrary(op, dl.get(), sl.get(), ml.get(), c, factor), accepted ? 1 : 0);
            ASSERT_EQ(dl.bytes(), d.bytes);
            ASSERT_EQ(sl.bytes(), s.bytes); // sources are only read
            ASSERT_EQ(ml.bytes(), m.bytes);
        }
    }
}

class TwoBufferExactness : public OnEveryKernelSet {};
PELKIT_ON_EVERY_KERNEL_SET(TwoBufferExactness);

TEST_P(TwoBufferExactness, BlendAtEveryFactorEdge) {
    for (int32_t factor : {-1, 0, 1, 2, 127, 128, 129, 254, 255, 256, 257})
        expectSameAsReference(Operation::Blend, "blend " + std::to_string(factor), factor, 14, uint32_t(factor + 2));
    std::mt19937 random(5);
    for (int i = 0; i < 12; ++i) {
        const int32_t factor = std::uniform_int_distribution<int>(3, 253)(random);
        expectSameAsReference(Operation::Blend, "blend " + std::to_string(factor), factor, 4, uint32_t(factor));
    }
}

TEST_P(TwoBufferExactness, AddSubtractAndMaskedBlend) {
    expectSameAsReference(Operation::Add, "add", 0, 30, 21);
    expectSameAsReference(Operation::Subtract, "subtract", 0, 30, 22);
    expectSameAsReference(Operation::Masked, "masked", 0, 30, 23);
}

// Every destination and source byte pair at every factor, and every
// destination, source and mask byte triple: the vector forms compute the
// blends with other arithmetic than the definition's table and shift.
TEST_P(TwoBufferExactness, BlendsOfEveryByteCombination) {
    const int32_t width = 4096, height = 1366; // 3 * 4096 * 1366 >= 2^24 bytes
    const size_t bytes = size_t(width) * height * 3;
    Picture d{width, height, std::vector<uint8_t>(bytes)}, s = d, m = d;
    for (size_t i = 0; i < bytes; ++i) {
        d.bytes[i] = uint8_t(i);
        s.bytes[i] = uint8_t(i >> 8);
        m.bytes[i] = uint8_t(i >> 16);
    }
    Loaded destination(d), source(s), mask(m);
    ASSERT_TRUE(destination.loaded() && source.loaded() && mask.loaded());

    ASSERT_EQ(mBlendEx(destination.get(), 0, 0, 0, 0, source.get(), 0, 0, mask.get(), 0, 0), 1);
    const uint8_t *got = destination.get()->bits;
    for (size_t i = 0; i < bytes; ++i)
        ASSERT_EQ(got[i], uint8_t(d.bytes[i] + (((s.bytes[i] - d.bytes[i]) * m.bytes[i]) >> 8))) << i;

    // The first 65536 bytes hold every (destination, source) pair.
    for (int32_t factor = 1; factor <= 256; ++factor) {
        destination.assign(d);
        ASSERT_EQ(mBlend(destination.get(), 0, 0, 0, 22, source.get(), 0, 0, factor), 1);
        for (size_t i = 0; i < 65536; ++i)
            ASSERT_EQ(got[i], uint8_t(d.bytes[i] + ((((s.bytes[i] - d.bytes[i])) * factor) >> 8)))
                << "factor " << factor << " at " << i;
    }
}

// A buffer as its own source, shifted by a little in either direction: the
// bytes read may already have been rewritten, exactly as byte-by-byte in
// address order.
TEST_P(TwoBufferExactness, OneBufferAsSourceAndDestination) {
    std::mt19937 random(31);
    const Case shifts[] = {{1, 0, 0, 0, 0, 0, 0, 0},  {0, 0, 0, 0, 1, 0, 0, 0},  {2, 1, 40, 5, 0, 1, 0, 0},
                           {0, 1, 0, 0, 0, 0, 0, 0},  {0, 0, 0, 0, 0, 1, 0, 0},  {5, 0, 60, 3, 0, 0, 3, 0},
                           {11, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 11, 0, 11, 0}, {3, 2, 30, 3, 3, 2, 0, 2},
                           {40, 0, 28, 6, 0, 0, 0, 0},  {25, 0, 43, 6, 0, 0, 0, 0},
                           // two rows apart: further than the widest vector step
                           {0, 2, 0, 0, 0, 0, 0, 0},  {0, 0, 0, 0, 0, 2, 0, 2},  {1, 2, 50, 4, 0, 0, 0, 1}};
    for (Operation op : {Operation::Blend, Operation::Add, Operation::Subtract, Operation::Masked}) {
        for (const Case &c : shifts) {
            Picture p = reference::randomPicture(68, 6, random);
            Loaded buffer(p);
            SCOPED_TRACE(describe(p, p, c, "self " + std::to_string(int(op))));
            ASSERT_TRUE(runReference(op, p, p, p, c, 100));
            ASSERT_EQ(runLibrary(op, buffer.get(), buffer.get(), buffer.get(), c, 100), 1);
            ASSERT_EQ(buffer.bytes(), p.bytes);
        }
    }
}

// ---------------------------------------------------------------------------

class TwoBufferEdges : public ::testing::Test {
protected:
    std::mt19937 random{17};
    Picture destination = reference::randomPicture(16, 8, random);
    Picture source = reference::randomPicture(8, 4, random);
    Loaded d{destination}, s{source};

    bool destinationUnchanged() const { return d.bytes() == destination.bytes; }
    // Whether the w x h area at (x, y) of the destination equals the same
    // size at (sx, sy) of the source, and everything else is as it was.
    bool copied(int x, int y, int w, int h, int sx, int sy) const {
        const auto now = d.bytes();
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 16; ++c) {
                const bool inside = c >= x && c < x + w && r >= y && r < y + h;
                const uint8_t *want = inside ? &source.bytes[((r - y + sy) * 8 + (c - x + sx)) * 3]
                                             : &destination.bytes[(r * 16 + c) * 3];
                if (std::memcmp(&now[(r * 16 + c) * 3], want, 3) != 0) return false;
            }
        return true;
    }
};

TEST_F(TwoBufferEdges, FactorLimits) {
    EXPECT_EQ(mBlend(d.get(), 0, 0, 0, 0, s.get(), 0, 0, 0), 1);
    EXPECT_TRUE(destinationUnchanged());
    EXPECT_EQ(mBlend(d.get(), 0, 0, 0, 0, s.get(), 0, 0, 257), 0);
    EXPECT_EQ(mBlend(d.get(), 0, 0, 0, 0, s.get(), 0, 0, -1), 0);
    EXPECT_TRUE(destinationUnchanged());
    // 256 copies the source area exactly.
    ASSERT_EQ(mBlend(d.get(), 5, 2, 0, 0, s.get(), 1, 1, 256), 1);
    EXPECT_TRUE(copied(5, 2, 7, 3, 1, 1));
}

TEST_F(TwoBufferEdges, ZeroSizeTakesTheFirstBufferExamined) {
    // w = h = 0 become the source's 8 x 4, then clip against the destination.
    ASSERT_EQ(mBlend(d.get(), 12, 6, 0, 0, s.get(), 0, 0, 256), 1);
    EXPECT_TRUE(copied(12, 6, 4, 2, 0, 0));
    // With a mask, the mask is examined first: a 4 x 2 mask of 255 limits
    // the area to 4 x 2.
    Picture maskPicture{4, 2, std::vector<uint8_t>(4 * 2 * 3, 255)};
    Loaded mask(maskPicture);
    d.assign(destination);
    ASSERT_EQ(mBlendEx(d.get(), 0, 0, 0, 0, s.get(), 0, 0, mask.get(), 0, 0), 1);
    Picture expected = destination;
    ASSERT_TRUE(reference::blendEx(expected, 0, 0, 0, 0, source, 0, 0, maskPicture, 0, 0));
    EXPECT_EQ(d.bytes(), expected.bytes);
    const auto now = d.bytes(); // nothing outside the mask's 4 x 2 changed
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 16; ++c)
            if (c >= 4 || r >= 2) {
                ASSERT_EQ(std::memcmp(&now[(r * 16 + c) * 3], &destination.bytes[(r * 16 + c) * 3], 3), 0);
            }
}

TEST_F(TwoBufferEdges, AddOfDifferentSizesTakesTheCommonSize) {
    // 10 x 6 from an 8 x 4 source at (3, 1): the source clips to 5 x 3.
    Picture expected = destination;
    ASSERT_EQ(mAddBlend(d.get(), 2, 2, 10, 6, s.get(), 3, 1), 1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            for (int k = 0; k < 3; ++k) {
                uint8_t &b = expected.at(2 + c, 2 + r)[k];
                b = uint8_t(std::min(255, b + source.bytes[((1 + r) * 8 + 3 + c) * 3 + k]));
            }
    EXPECT_EQ(d.bytes(), expected.bytes);
}

TEST_F(TwoBufferEdges, RefusedWhenAnyBufferOrRectangleIs) {
    PelkitBuffer unloaded{};
    unloaded.width = 8;
    unloaded.height = 4;
    EXPECT_EQ(mBlend(d.get(), 0, 0, 0, 0, &unloaded, 0, 0, 128), 0);
    EXPECT_EQ(mAddBlend(&unloaded, 0, 0, 0, 0, s.get(), 0, 0), 0);
    EXPECT_EQ(mSubBlend(d.get(), 0, 0, 0, 0, nullptr, 0, 0), 0);
    EXPECT_EQ(mBlendEx(d.get(), 0, 0, 0, 0, s.get(), 0, 0, &unloaded, 0, 0), 0);
    EXPECT_EQ(mAddBlend(d.get(), 16, 0, 1, 1, s.get(), 0, 0), 0); // destination start outside
    EXPECT_EQ(mAddBlend(d.get(), 0, 0, 1, 1, s.get(), 8, 0), 0);  // source start outside
    EXPECT_EQ(mBlendEx(d.get(), 0, 0, 1, 1, s.get(), 0, 0, s.get(), 0, 4), 0);
    EXPECT_EQ(mAddBlend(d.get(), 0, 0, -1, 1, s.get(), 0, 0), 0);
    EXPECT_TRUE(destinationUnchanged());
}

} // namespace
