// Any bytes as the network battle's small files: the rating file and the handle file read as
// a rating in range and a handle that writes back and reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/data/text.h"
#include "vexmora/net/connection_facts.h"
#include "vexmora/rules/net_rating.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vex::NetRating rating = vex::parseNetRating(bytes);
    if (rating.rating < 0 || rating.rating > 9999 || rating.battles < 0) std::abort();
    const std::string handle = vex::net::parseHandleText(bytes);
    if (handle.find('"') == std::string::npos && handle.find('\r') == std::string::npos &&
        handle.find('\n') == std::string::npos) {
        const std::string written = "\"" + vex::toCp932Lossy(handle) + "\"\r\n";
        (void)vex::net::parseHandleText(written);
    }
    return 0;
}
