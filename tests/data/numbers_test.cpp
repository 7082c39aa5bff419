#include <gtest/gtest.h>

#include "vexmora/data/numbers.h"

namespace vex {
namespace {

TEST(Numbers, Sat16SaturatesInsteadOfWrapping) {
    EXPECT_EQ(sat16(int64_t{40000}), 32767);
    EXPECT_EQ(sat16(int64_t{-40000}), -32768);
    EXPECT_EQ(sat16(int64_t{-5}), -5);
    EXPECT_EQ(sat16(1e12), 32767);
    EXPECT_EQ(sat16(-1e12), -32768);
    EXPECT_EQ(sat16(2.5), 2);  // rounds like CInt before it saturates
}

TEST(Numbers, CintRoundsHalvesToEvenAndIntFloors) {
    EXPECT_EQ(cint(0.5), 0);
    EXPECT_EQ(cint(1.5), 2);
    EXPECT_EQ(cint(2.5), 2);
    EXPECT_EQ(cint(-2.5), -2);
    EXPECT_EQ(cint(2.5000001), 3);
    EXPECT_EQ(intFloor(-0.5), -1);
    EXPECT_EQ(intFloor(2.999), 2);
}

TEST(Numbers, Fix4TextOmitsTrailingZeroDecimals) {
    EXPECT_EQ(Fix4::fromUnits(125000).text(), "12.5");
    EXPECT_EQ(Fix4::fromUnits(70000).text(), "7");
    EXPECT_EQ(Fix4::fromUnits(-2500).text(), "-0.25");
    EXPECT_EQ(Fix4::fromUnits(0).text(), "0");
    EXPECT_EQ(Fix4::fromUnits(1).text(), "0.0001");
    EXPECT_EQ(Fix4::fromUnits(-10001).text(), "-1.0001");
}

TEST(Numbers, Fix4FromDoubleIsExactAndTiesToEven) {
    EXPECT_EQ(Fix4::fromDouble(1.5).units(), 15000);
    EXPECT_EQ(Fix4::fromDouble(-0.5).units(), -5000);
    // 0.00005 is slightly above the half in binary, so it rounds up; 0.00015 is below.
    EXPECT_EQ(Fix4::fromDouble(0.00005).units(), 1);
    EXPECT_EQ(Fix4::fromDouble(0.00015).units(), 1);
    // Exact binary halves round to even.
    EXPECT_EQ(Fix4::fromDouble(1.0 / 32).units(), 312);   // 312.5 -> 312
    EXPECT_EQ(Fix4::fromDouble(3.0 / 32).units(), 938);   // 937.5 -> 938
    // A product near 10^13, where x * 10000 in double loses the fourth decimal.
    const double big = 0.7055475115776062 * 1e10 * 1234;
    const Fix4 exact = Fix4::fromDouble(big);
    EXPECT_EQ(exact.text(), "8706456292867.6602");
}

TEST(Numbers, LeadingNumberReadsLikeTheGame) {
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("-7"), -7);
    EXPECT_EQ(leadingNumber("9.99"), 9.99);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_TRUE(isNumericText("  42  "));
    EXPECT_TRUE(isNumericText("    "));
    EXPECT_FALSE(isNumericText("4x"));
    EXPECT_FALSE(isNumericText("\x8F\x12"));
}

}  // namespace
}  // namespace vex
