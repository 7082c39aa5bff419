#pragma once
// The damage calculator: what each of the attacker's five slots does to the defender, worked
// out by the battle's own code.
//
// The situation is the first turn of a battle on the given stage, both fighters with their
// starting values (the stage and ability bonuses of the battle start applied): the attacker
// uses the slot with the SP it costs (at least the starting SP), the defender does nothing.
// The ラッキー draws of the turn's start come first, as in a battle.
//
// One use is resolved again and again with the draws chosen, not drawn: each draw that a rule
// compares with a threshold splits into the draws above and below it, a draw scaled into a
// number into the draws that give each number, and every such class has an exact chance (see
// draw_odds.h). Walking all classes gives the exact chances and the exact damage distribution.
// Where the classes would be too many (several hits, each with its own random base), or a
// draw is used in a way the rules do not describe, the numbers come from sampled uses
// instead; each number says which. Turns to a knock-out are always sampled: whole battles in
// which the attacker uses the slot whenever it can and the computer plays the defender.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/data/monster_record.h"

namespace vex {

struct CalcSetup {
    // Initial HP and SP, the turn limit and the stage (one stage, not a random one).
    BattleSettings settings;
    int stageCount = kStageCountWithoutList;
    uint64_t seed = 1;                  // of the sampled uses and battles
    int64_t enumerationLimit = 40000;   // uses one exact walk may resolve before it gives up
    int64_t sampledUses = 20000;        // when a walk gave up
    int64_t sampledBattles = 400;       // per slot, for the turns to a knock-out
};

enum class CalcMethod { Exact, Sampled };

struct CalcChance {
    double value = 0;
    CalcMethod method = CalcMethod::Exact;
    int64_t samples = 0;        // sampled: how many
    Proportion interval{};      // sampled: the 95 % interval; exact: the value itself
};

struct CalcDamage {
    CalcMethod method = CalcMethod::Exact;
    int64_t samples = 0;
    int min = 0;
    int median = 0;
    int max = 0;
    double mean = 0;
    std::vector<std::pair<int, double>> distribution;  // damage and its chance, by damage
};

struct CalcStatus {
    int status = 0;
    double chance = 0;
};

struct CalcKnockOut {
    int64_t battles = 0;
    int64_t knockOuts = 0;  // battles in which this slot's user knocked the defender out
    double meanTurns = 0;   // over those battles
    int medianTurns = 0;
    int minTurns = 0;
    int maxTurns = 0;
};

struct SlotCalc {
    int slot = 0;
    int16_t technique = 99;
    std::string name;
    int level = 0;
    int element = 0;
    // Whether the slot can be chosen at the start of a battle with the SP it costs: not an
    // empty slot, a passive ability, a locked special technique, or one that waits for a
    // later moment (切腹, Ｆアタック, ...).
    bool usable = false;
    bool checksHit = false;  // its first action is a hit check
    bool damages = false;    // it can take HP off the defender
    CalcChance hit;          // the first hit check lands
    CalcChance critical;     // a landed first hit is critical
    CalcDamage hitDamage;    // the first hit, when it lands
    CalcDamage useDamage;    // all the HP one use takes off, when it takes some
    CalcChance damageChance; // one use takes some HP off
    double meanDamage = 0;   // per use, a use that takes nothing counting 0
    CalcMethod useMethod = CalcMethod::Exact;  // of useDamage, damageChance, meanDamage and statuses
    int64_t useSamples = 0;
    std::vector<CalcStatus> statuses;  // a status the defender did not have goes on it
    bool knockOutSampled = false;
    CalcKnockOut knockOut;
};

struct CalcResult {
    std::string attacker;
    std::string defender;
    int stage = 0;
    int initialHp = 0;
    int defenderHp = 0;  // the defender's HP at the start (タフネス and bosses differ)
    std::array<SlotCalc, 5> slotCalcs;  // not "slots", which Qt takes for a keyword
    double seconds = 0;
};

CalcResult calculateDamage(const MonsterRecord& attacker, const MonsterRecord& defender, const CalcSetup& setup);

// The result as one JSON object (without a line break): see docs/cli.md, calc.
std::string calcJson(const CalcResult& result);

}  // namespace vex
