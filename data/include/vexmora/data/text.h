#pragma once
// Text inside the program is UTF-8; files, the network, name sums and checksums use CP932.

#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/numbers.h"

namespace vex {

// UTF-8 to CP932; nullopt when a character has no CP932 form (or the input is not UTF-8).
std::optional<std::string> toCp932(std::string_view utf8);
// CP932 to UTF-8. Bytes that are not CP932 become U+FFFD; use isValidCp932 to refuse them.
std::string fromCp932(std::string_view cp932);
bool isValidCp932(std::string_view cp932);
// Byte length in CP932; nullopt when the text cannot be encoded.
std::optional<size_t> cp932Length(std::string_view utf8);
// CP932 bytes for a field: text that cannot be encoded loses those characters as "?".
std::string toCp932Lossy(std::string_view utf8);

// The name sum: every CP932 character's code as a signed 16-bit number (a double-byte
// character counts lead * 256 + trail - 65536), summed; the absolute value of the total.
Fix4 nameSumBytes(std::string_view cp932);
Fix4 nameSum(std::string_view utf8);

// A fixed-width field: the bytes cut to the width (never inside a double-byte character)
// and padded with spaces.
std::string fitField(std::string_view cp932, size_t width);
std::string_view trimRight(std::string_view text);

}  // namespace vex
