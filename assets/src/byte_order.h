#pragma once
// Little- and big-endian numbers appended to a byte string.

#include <cstdint>
#include <string>

namespace vex::assets {

inline void putLe16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
inline void putLe32(std::string& out, uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}
inline void putBe16(std::string& out, uint32_t v) {
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}
inline void putBe32(std::string& out, uint32_t v) {
    putBe16(out, v >> 16);
    putBe16(out, v & 0xFFFF);
}

}  // namespace vex::assets
