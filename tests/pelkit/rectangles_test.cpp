// The rectangle helpers on their own: what CheckArgue writes back and
// refuses, GetPoint's limits, and CommonRect.
#include "reference.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class Rectangles : public ::testing::Test {
protected:
    reference::Picture picture{16, 8, std::vector<uint8_t>(16 * 8 * 3, 1)};
    Loaded buffer{picture};

    struct Checked {
        int32_t result, x, y, w, h;
        bool operator==(const Checked &) const = default;
    };
    Checked check(int32_t x, int32_t y, int32_t w, int32_t h) {
        const int32_t result = CheckArgue(buffer.get(), &x, &y, &w, &h);
        return {result, x, y, w, h};
    }
};

TEST_F(Rectangles, CheckArgueWritesBackTheWholeSizeAndTheClampedStart) {
    EXPECT_EQ(check(0, 0, 0, 0), (Checked{1, 0, 0, 16, 8}));
    EXPECT_EQ(check(-5, -1, 3, 0), (Checked{1, 0, 0, 3, 8}));
    EXPECT_EQ(check(15, 7, 100, 100), (Checked{1, 15, 7, 100, 100}));
    EXPECT_EQ(check(3, 2, 0, 5), (Checked{1, 3, 2, 16, 5}));
}

TEST_F(Rectangles, CheckArgueRefusals) {
    EXPECT_EQ(check(16, 0, 1, 1).result, 0);
    EXPECT_EQ(check(0, 8, 1, 1).result, 0);
    EXPECT_EQ(check(0, 0, -1, 1).result, 0);
    EXPECT_EQ(check(0, 0, 1, INT32_MIN).result, 0);
    EXPECT_EQ(check(INT32_MAX, 0, 1, 1).result, 0);
    int32_t x = 0, y = 0, w = 0, h = 0;
    EXPECT_EQ(CheckArgue(buffer.get(), nullptr, &y, &w, &h), 0);
    PelkitBuffer unloaded{};
    unloaded.width = 16;
    unloaded.height = 8;
    EXPECT_EQ(CheckArgue(&unloaded, &x, &y, &w, &h), 0);
    EXPECT_EQ(w, 0); // an unloaded buffer is not looked at
}

TEST_F(Rectangles, GetPointLimitsToTheBufferWithoutOverflow) {
    int32_t lastX = -7, lastY = -7;
    ASSERT_EQ(GetPoint(buffer.get(), 2, 3, 4, 2, &lastX, &lastY), 1);
    EXPECT_EQ(lastX, 5);
    EXPECT_EQ(lastY, 4);
    ASSERT_EQ(GetPoint(buffer.get(), 10, 6, INT32_MAX, INT32_MAX, &lastX, &lastY), 1);
    EXPECT_EQ(lastX, 15);
    EXPECT_EQ(lastY, 7);
    PelkitBuffer unloaded{};
    EXPECT_EQ(GetPoint(&unloaded, 0, 0, 1, 1, &lastX, &lastY), 0);
    EXPECT_EQ(GetPoint(buffer.get(), 0, 0, 1, 1, nullptr, &lastY), 0);
}

TEST(CommonRectTest, KeepsTheFirstCornerAndTheSmallerFarEdges) {
    const PelkitRect a{2, 3, 10, 20}, b{0, 5, 8, 30};
    PelkitRect result{};
    EXPECT_EQ(CommonRect(&result, &a, &b), &result);
    EXPECT_EQ(result.left, 2);
    EXPECT_EQ(result.top, 3);
    EXPECT_EQ(result.right, 8);
    EXPECT_EQ(result.bottom, 20);
    // The result may be one of the inputs.
    PelkitRect c = b;
    EXPECT_EQ(CommonRect(&c, &c, &a), &c);
    EXPECT_EQ(c.left, 0);
    EXPECT_EQ(c.right, 8);
    EXPECT_EQ(c.bottom, 20);
    EXPECT_EQ(CommonRect(nullptr, &a, &b), nullptr);
}

} // namespace
