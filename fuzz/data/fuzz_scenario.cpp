// Any bytes under a scenario file's name: decoding never crashes; what decodes round-trips.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/data/scenario_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto record = vex::decodeScenario(bytes, "boss.sce");
    if (!record.ok()) return 0;
    auto again = vex::encodeScenario(*record, "boss.sce");
    if (!again.ok()) std::abort();
    auto back = vex::decodeScenario(*again, "boss.sce");
    if (!back.ok()) std::abort();
    return 0;
}
