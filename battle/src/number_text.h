#pragma once
// The numbers floated over the fighters ("HP +30", "SP -5"), written into a caller's buffer so
// that a battle watched by the null view formats without allocating.

#include <charconv>
#include <cstring>
#include <string_view>

namespace vex {

struct NumberText {
    char buffer[32];
    std::string_view text;

    NumberText(std::string_view prefix, long value) {
        std::memcpy(buffer, prefix.data(), prefix.size());
        auto result = std::to_chars(buffer + prefix.size(), buffer + sizeof buffer, value);
        text = std::string_view(buffer, static_cast<size_t>(result.ptr - buffer));
    }
};

}  // namespace vex
