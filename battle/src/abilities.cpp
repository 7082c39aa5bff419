// How strongly a fighter holds a technique. Passive abilities are techniques placed in the
// slots; a few unlock codes add to some of them.

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

int Battle::abilityCount(int side, int id) const {
    const FighterState& f = fighter(side);
    int count = 0;
    for (int16_t slotId : f.record.techId)
        if (slotId == id) ++count;

    switch (id) {
    case tech::kTechnician:
        count = (count > 0 ? 1 : 0) + f.unlock.technician;
        break;
    case tech::kRevive:
        count += f.unlock.revive;
        break;
    case tech::kToughness:
        count += f.unlock.toughness;
        for (int16_t slotId : f.record.techId) {
            if (slotId == tech::kZombie) {
                count += 2;
                break;
            }
        }
        if (fighter(1 - side).unlock.weakensOpponentToughness) count -= 1;
        break;
    default:
        break;
    }
    return count;
}

void Battle::rebuildHeld(int side) const {
    HeldTechniques& cache = held_[static_cast<size_t>(side)];
    const MonsterRecord& record = fighter(side).record;
    cache.ids = record.techId;
    cache.held.reset();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        const int id = record.techId[s];
        if (id >= 0 && id <= TechniqueCatalogue::kMaxId) cache.held.set(static_cast<size_t>(id));
        const detail::TechniqueTraits traits = detail::traitsOf(id);
        cache.category[s] = traits.category;
        cache.ownRule[s] = hasOwnUsabilityRule(id);
        cache.locked[s] = traits.special && !isUnlocked(record.unlockCodes(), id);
    }
}

int Battle::abilitySlot(int side, int id) const {
    const auto& ids = fighter(side).record.techId;
    for (int slot = kSlotCount - 1; slot >= 0; --slot)
        if (ids[static_cast<size_t>(slot)] == id) return slot;
    return -1;
}

}  // namespace vex
