#pragma once
// The game's number rules: stored integers are 16-bit and saturate; conversions to integers
// round halves to even (cint) or take the floor (intFloor); chances, draws and sums are
// fixed-point counts of 1/10000 (Fix4).

#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// Saturate into the 16-bit range: values never wrap.
int16_t sat16(int64_t value);
int16_t sat16(double value);

// Nearest integer, halves to even ("CInt").
int64_t cint(double value);
// Largest integer at or below ("Int").
int64_t intFloor(double value);

// A fixed-point number with four decimal places, held as a count of 1/10000.
class Fix4 {
public:
    constexpr Fix4() = default;
    static constexpr Fix4 fromUnits(int64_t units) { Fix4 f; f.units_ = units; return f; }
    static constexpr Fix4 fromInt(int64_t whole) { return fromUnits(whole * 10000); }
    // The nearest 1/10000 of the double's exact binary value, ties to even.
    static Fix4 fromDouble(double value);

    constexpr int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }
    // Decimal text with trailing zero decimals omitted: "12.5", "7", "-0.25".
    std::string text() const;

    constexpr Fix4 operator+(Fix4 o) const { return fromUnits(units_ + o.units_); }
    constexpr Fix4 operator-(Fix4 o) const { return fromUnits(units_ - o.units_); }
    constexpr Fix4 operator-() const { return fromUnits(-units_); }
    Fix4& operator+=(Fix4 o) { units_ += o.units_; return *this; }
    Fix4& operator-=(Fix4 o) { units_ -= o.units_; return *this; }
    constexpr auto operator<=>(const Fix4&) const = default;

private:
    int64_t units_ = 0;
};

// fix4(x): x rounded to four decimals, halves to even.
inline Fix4 fix4(double value) { return Fix4::fromDouble(value); }
inline Fix4 fixAbs(Fix4 f) { return f.units() < 0 ? -f : f; }

// The leading number of a text, as the game reads numeric text fields: optional blanks, a
// sign, digits and one decimal point; anything after them is ignored; no number gives 0.
double leadingNumber(std::string_view text);
// True when the text (trailing spaces aside) is empty or one whole number as leadingNumber
// reads it, with nothing after it.
bool isNumericText(std::string_view text);

// A number as the files hold it: decimal text with a minus sign where negative.
std::string numberText(int64_t value);

}  // namespace vex
