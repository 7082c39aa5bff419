// Any bytes under a monster file's name: decoding never crashes, and whatever decodes
// saves and decodes again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/data/monster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const char* name = "ドラゴン.tvx";
    auto loaded = vex::decodeMonster(bytes, name);
    if (!loaded.ok()) return 0;
    auto again = vex::encodeMonster(loaded->record, loaded->picture, name);
    if (!again.ok()) return 0;  // e.g. a picture too large to store again
    auto back = vex::decodeMonster(*again, name);
    if (!back.ok() || back->picture != loaded->picture || back->integrity != vex::Integrity::Ok) std::abort();
    return 0;
}
