// Any bytes as a replay file: reading never crashes, whatever reads writes and reads back the
// same, and its monsters decode or are refused with a message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/rules/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto replay = vex::parseReplay(bytes);
    if (!replay.ok()) return 0;
    auto again = vex::parseReplay(vex::writeReplayText(*replay));
    if (!again.ok() || again->turns.size() != replay->turns.size() || again->fighters[0].bytes != replay->fighters[0].bytes)
        std::abort();
    for (const vex::ReplayFighter& f : replay->fighters)
        (void)vex::decodeMonster(f.bytes, vex::safeFileName(f.fileName), vex::ChecksumCheck::Skip);
    return 0;
}
