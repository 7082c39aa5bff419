// Any bytes as an old monster file: reading never crashes, and whatever reads converts into a
// monster file that loads again without an integrity reaction.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/old_monster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto old = vex::decodeOldMonster(bytes);
    if (!old.ok() || vex::refusalOf(*old)) return 0;
    vex::MonsterRecord m = std::move(old.value());
    vex::applyConversionRules(m);
    if (!vex::convertedFileName(m)) return 0;
    const char* name = "converted.tvx";
    auto file = vex::encodeMonster(m, "", name);
    if (!file.ok()) std::abort();
    auto back = vex::decodeMonster(*file, name);
    if (!back.ok() || back->integrity != vex::Integrity::Ok) std::abort();
    return 0;
}
