#pragma once
#include <string>
#include <string_view>

namespace vex::test {
// Lower-case hex SHA-256 of the bytes.
std::string sha256Hex(std::string_view bytes);
}  // namespace vex::test
