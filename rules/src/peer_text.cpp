#include "vexmora/rules/peer_text.h"

namespace vex {

namespace {

// The code point of the UTF-8 sequence at text[i] and its length; a byte that does not begin
// a sequence is taken alone.
char32_t decodeAt(std::string_view text, size_t i, size_t& length) {
    const auto b = static_cast<unsigned char>(text[i]);
    length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (i + length > text.size()) length = 1;
    if (length == 1) return b;
    char32_t c = b & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return c;
}

bool isControl(char32_t c) {
    if (c < 0x20 || c == 0x7F) return true;
    if (c >= 0x80 && c <= 0x9F) return true;
    if (c >= 0x202A && c <= 0x202E) return true;  // embeddings and overrides
    if (c >= 0x2066 && c <= 0x2069) return true;  // isolates
    return c == 0x200E || c == 0x200F;            // direction marks
}

}  // namespace

std::string cleanPeerText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        size_t length = 1;
        const char32_t c = decodeAt(utf8, i, length);
        if (!isControl(c)) out.append(utf8.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace vex
