#pragma once
// Exact arithmetic on Fix4 values. Chances and draws are counts of 1/10000; products and
// roundings are done on those counts so that no binary fraction creeps into a comparison.

#include <cmath>
#include <cstdint>

#include "vexmora/data/numbers.h"

namespace vex {

// 0.15_fx: a Fix4 constant written as a decimal.
consteval Fix4 operator""_fx(long double value) {
    return Fix4::fromUnits(static_cast<int64_t>(value * 10000.0L + (value >= 0 ? 0.5L : -0.5L)));
}
consteval Fix4 operator""_fx(unsigned long long value) {
    return Fix4::fromInt(static_cast<int64_t>(value));
}

// x rounded to the nearest integer, halves to even, for |x| < 2^51 (no library call).
inline double roundHalfEven(double x) {
    constexpr double kShift = 6755399441055744.0;  // 2^52 + 2^51
    return (x + kShift) - kShift;
}

// fix4(x), the same value as Fix4::fromDouble (the nearest 1/10000 of x's exact value, ties
// to even), without its 128-bit arithmetic for the magnitudes a battle meets. x·10000 is
// rounded once; only when that rounded product lies exactly halfway between two counts can
// the exact product be on the other side, and then the exact conversion decides.
inline Fix4 fix4Fast(double x) {
    if (!(std::fabs(x) < 1e10)) return Fix4::fromDouble(x);
    const double product = x * 10000.0;
    const double nearest = roundHalfEven(product);
    const double off = product - nearest;
    if (off == 0.5 || off == -0.5) return Fix4::fromDouble(x);
    return Fix4::fromUnits(static_cast<int64_t>(nearest));
}

// numerator / denominator to the nearest integer, ties to even; denominator > 0.
constexpr int64_t divideHalfEven(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        quotient -= 1;
    }
    int64_t twice = remainder * 2;
    if (twice > denominator || (twice == denominator && (quotient & 1) != 0)) quotient += 1;
    return quotient;
}

constexpr int64_t divideFloor(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) quotient -= 1;
    return quotient;
}

// a * b kept to four decimals, halves to even.
constexpr Fix4 mulFix(Fix4 a, Fix4 b) {
    return Fix4::fromUnits(divideHalfEven(a.units() * b.units(), 10000));
}
constexpr Fix4 mulFix(Fix4 a, int64_t whole) { return Fix4::fromUnits(a.units() * whole); }
// a / 2 kept to four decimals, halves to even.
constexpr Fix4 halveFix(Fix4 a) { return Fix4::fromUnits(divideHalfEven(a.units(), 2)); }

// CInt and Int of a Fix4 value, exact.
constexpr int64_t cintFix(Fix4 a) { return divideHalfEven(a.units(), 10000); }
constexpr int64_t intFix(Fix4 a) { return divideFloor(a.units(), 10000); }

// Int(a·r + b) and CInt(a·r + b) of a draw r, exactly.
constexpr int64_t intOf(Fix4 a, Fix4 r, Fix4 b) {
    return divideFloor(a.units() * r.units() + b.units() * 10000, 100000000);
}
constexpr int64_t cintOf(Fix4 a, Fix4 r, Fix4 b) {
    return divideHalfEven(a.units() * r.units() + b.units() * 10000, 100000000);
}
// Int(k·r) of a draw r and a whole k.
constexpr int64_t intOf(int64_t k, Fix4 r) { return divideFloor(k * r.units(), 10000); }

}  // namespace vex
