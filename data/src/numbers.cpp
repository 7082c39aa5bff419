#include "vexmora/data/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace vex {

int16_t sat16(int64_t value) {
    if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(value);
}

int16_t sat16(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    return sat16(cint(value));
}

int64_t cint(double value) {
    if (std::isnan(value)) return 0;
    // The default rounding mode rounds halves to even.
    double r = std::nearbyint(value);
    if (r >= 9.2e18) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

int64_t intFloor(double value) {
    if (std::isnan(value)) return 0;
    double r = std::floor(value);
    if (r >= 9.2e18) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

Fix4 Fix4::fromDouble(double value) {
    if (!std::isfinite(value) || value == 0.0) return Fix4{};
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    const bool negative = value < 0;
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
    // value = m * 2^e with m a 53-bit integer; scale by 10000 exactly in 128 bits.
    const auto m = static_cast<unsigned __int128>(std::ldexp(mantissa, 53));
    const int e = exponent - 53;
    unsigned __int128 scaled = m * 10000u;
    unsigned __int128 units;
    if (e >= 0) {
        if (e >= 60 || (scaled >> (127 - e)) != 0) return fromUnits(negative ? -kMax : kMax);
        units = scaled << e;
    } else {
        const int shift = -e;
        if (shift >= 127) {
            units = 0;
        } else {
            const unsigned __int128 one = 1;
            const unsigned __int128 quotient = scaled >> shift;
            const unsigned __int128 remainder = scaled & ((one << shift) - 1);
            const unsigned __int128 half = one << (shift - 1);
            units = quotient;
            if (remainder > half || (remainder == half && (quotient & 1))) ++units;
        }
    }
    if (units > static_cast<unsigned __int128>(kMax)) return fromUnits(negative ? -kMax : kMax);
    const auto u = static_cast<int64_t>(units);
    return fromUnits(negative ? -u : u);
}

std::string Fix4::text() const {
    const bool negative = units_ < 0;
    const uint64_t magnitude = negative ? static_cast<uint64_t>(-(units_ + 1)) + 1 : static_cast<uint64_t>(units_);
    std::string whole = std::to_string(magnitude / 10000);
    uint64_t fraction = magnitude % 10000;
    std::string out = negative ? "-" + whole : whole;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + 10000).substr(1);
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        out += "." + digits;
    }
    return out;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of `text` (after blanks), 0 when there is none.
size_t numberSpan(std::string_view text, size_t start) {
    size_t i = start;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && isDigit(text[j])) { ++j; ++expDigits; }
        if (expDigits > 0) i = j;
    }
    return i - start;
}

}  // namespace

double leadingNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    const size_t span = numberSpan(text, start);
    if (span == 0) return 0.0;
    const std::string number(text.substr(start, span));
    return std::strtod(number.c_str(), nullptr);
}

bool isNumericText(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    size_t end = text.size();
    while (end > start && isBlank(text[end - 1])) --end;
    if (start == end) return true;
    return numberSpan(text.substr(0, end), start) == end - start;
}

std::string numberText(int64_t value) { return std::to_string(value); }

}  // namespace vex
