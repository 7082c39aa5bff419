#include "vexmora/net/outgoing_monster.h"

#include "vexmora/net/settings_block.h"

namespace vex::net {

Result<OutgoingMonster> prepareOutgoingMonster(const LoadedMonster& monster) {
    MonsterRecord record = monster.record;
    const std::string refusal = fieldRefusal(record.name, "The monster's name");
    if (!refusal.empty()) return Error{"エラー", refusal + ": it cannot be sent to the opponent."};
    const std::string key = record.name + ".tvx";
    auto bytes = encodeMonster(record, monster.picture, key);
    if (!bytes) return bytes.error();
    auto back = decodeMonster(*bytes, key);
    if (!back) return back.error();
    return OutgoingMonster{back->record, std::move(*bytes)};
}

}  // namespace vex::net
