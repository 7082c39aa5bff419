// Any bytes as a line of the battle log: reading never crashes, and a record that reads is
// written and read back as the same record.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/battle/hit_record_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vex::Result<vex::HitExplanation> record = vex::readHitRecord(bytes);
    if (!record.ok()) return 0;
    const vex::Result<vex::HitExplanation> again = vex::readHitRecord(vex::hitExplanationJson(*record));
    if (!again.ok() || !(*again == *record)) std::abort();
    return 0;
}
