// Any bytes under a server file's name: decoding never crashes.
#include <cstdint>
#include <string_view>

#include "vexmora/data/server_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto record = vex::decodeServer(bytes, "SERVERinfo.srv");
    if (record.ok()) (void)vex::encodeServer(*record, "SERVERinfo.srv");
    return 0;
}
