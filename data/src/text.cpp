#include "vexmora/data/text.h"

#include <cerrno>
#include <iconv.h>

namespace vex {

namespace {

// One converter per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false at the first byte that does not convert,
    // with `consumed` telling how far the input was read.
    bool convert(std::string_view in, std::string& out, size_t& consumed) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[256];
        bool ok = true;
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                ok = false;
                break;
            }
        }
        consumed = in.size() - inLeft;
        return ok;
    }

private:
    iconv_t cd_;
};

Converter& toCp932Converter() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}
Converter& fromCp932Converter() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Length of the CP932 character starting at text[i]: 2 for a lead byte with a trail, else 1.
size_t charLength(std::string_view text, size_t i) {
    return (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}

bool isAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    size_t consumed = 0;
    if (!toCp932Converter().convert(utf8, out, consumed)) return std::nullopt;
    return out;
}

std::string toCp932Lossy(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    while (!utf8.empty()) {
        size_t consumed = 0;
        if (toCp932Converter().convert(utf8, out, consumed)) break;
        out += '?';
        // Skip the one UTF-8 character that did not convert.
        size_t skip = 1;
        while (consumed + skip < utf8.size() && (static_cast<unsigned char>(utf8[consumed + skip]) & 0xC0) == 0x80) ++skip;
        utf8.remove_prefix(consumed + skip);
    }
    return out;
}

std::string fromCp932(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    std::string out;
    while (!cp932.empty()) {
        size_t consumed = 0;
        if (fromCp932Converter().convert(cp932, out, consumed)) break;
        out += "\xEF\xBF\xBD";  // U+FFFD
        cp932.remove_prefix(consumed + 1);
    }
    return out;
}

bool isValidCp932(std::string_view cp932) {
    if (isAscii(cp932)) return true;
    std::string out;
    size_t consumed = 0;
    return fromCp932Converter().convert(cp932, out, consumed);
}

std::optional<size_t> cp932Length(std::string_view utf8) {
    auto bytes = toCp932(utf8);
    if (!bytes) return std::nullopt;
    return bytes->size();
}

Fix4 nameSumBytes(std::string_view cp932) {
    int64_t total = 0;
    for (size_t i = 0; i < cp932.size();) {
        const size_t len = charLength(cp932, i);
        const int lead = static_cast<unsigned char>(cp932[i]);
        if (len == 2) {
            const int trail = static_cast<unsigned char>(cp932[i + 1]);
            total += lead * 256 + trail - 65536;
        } else {
            total += lead;
        }
        i += len;
    }
    return Fix4::fromInt(total < 0 ? -total : total);
}

Fix4 nameSum(std::string_view utf8) { return nameSumBytes(toCp932Lossy(utf8)); }

std::string fitField(std::string_view cp932, size_t width) {
    size_t end = 0;
    while (end < cp932.size()) {
        const size_t len = charLength(cp932, end);
        if (end + len > width) break;
        end += len;
    }
    std::string out(cp932.substr(0, end));
    out.resize(width, ' ');
    return out;
}

std::string_view trimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}

}  // namespace vex
