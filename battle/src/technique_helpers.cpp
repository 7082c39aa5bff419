// Small pieces that several technique groups share: cures, the restoring of the entry stats
// and healing.

#include <algorithm>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

void clearStatuses(FighterState& fighter, std::initializer_list<int> statuses) {
    for (int s : statuses) fighter.statusTurns[static_cast<size_t>(s)] = 0;
}

void restoreEntryStats(FighterState& fighter) {
    const MonsterRecord& entry = fighter.entry;
    if (fighter.limited) {
        fighter.record.atk = sat16(cint(entry.atk * 0.2));
        fighter.record.def = sat16(cint(entry.def * 0.2));
        fighter.record.spd = sat16(cint(entry.spd * 0.2));
        return;
    }
    fighter.record.atk = entry.atk;
    fighter.record.def = entry.def;
    fighter.record.spd = entry.spd;
}

void fullCureOf(Battle& battle, int side, bool keepCloak) {
    FighterState& f = battle.fighter(side);
    clearStatuses(f, {kStatusParalysis, kStatusPoison, kStatusConfusion, kStatusAttackSeal, kStatusSupportSeal,
                      kStatusSpecialSeal, kStatusAllSeal, kStatusSpStop, kStatusBind, kStatusIllusion, kStatusPanic});
    if (!keepCloak) clearStatuses(f, {kStatusCloak});
    restoreEntryStats(f);
    f.atkMod = 0;
    f.defMod = 0;
    f.spdMod = 0;
    f.trapKind = 0;
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
}

void healBy(Battle& battle, int side, int amount) {
    const FighterState& f = battle.fighter(side);
    const int missing = std::max(0, f.maxHp - f.hp);
    amount = std::clamp(amount, 0, missing);
    battle.tell(event::Sound{28});
    battle.changeHp(side, -amount);
}

int emotionValue(int id) { return detail::traitsOf(id).emotionSelf; }

}  // namespace vex::handlers
