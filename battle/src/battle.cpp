// The battle object: construction, the per-battle reset, the battle draw and the small helpers
// every rule uses.

#include "vexmora/battle/battle.h"

#include <cmath>
#include <mutex>
#include <string>

#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

NullStatistics& nullStatistics() {
    static NullStatistics statistics;
    return statistics;
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// A personality text whose value is not a whole number 0-8 behaves like 普通.
int personalityCode(const MonsterRecord& record) {
    double value = leadingNumber(record.personality());
    if (value < 0 || value > 8 || value != std::floor(value)) return 0;
    return static_cast<int>(value);
}

UnlockBonuses unlockBonuses(const std::string& codes) {
    UnlockBonuses bonuses;
    bonuses.toughness = (contains(codes, "i00") ? 1 : 0) + (contains(codes, "i06") ? 5 : 0);
    bonuses.revive = contains(codes, "i02") ? 1 : 0;
    bonuses.technician = contains(codes, "i03") ? 1 : 0;
    bonuses.weakensOpponentToughness = contains(codes, "i07");
    bonuses.statBoost = contains(codes, "i01");
    bonuses.bossGuard = contains(codes, "i05");
    bonuses.flood = contains(codes, "i08");
    bonuses.blizzard = contains(codes, "i11");
    return bonuses;
}

}  // namespace

void seedBattleGenerator(Rng& rng, std::optional<int32_t> sharedSeed) {
    if (sharedSeed) {
        rng.reset(-1);
        rng.reseed(static_cast<double>(*sharedSeed));
    } else {
        rng.reseedFromClock();
    }
}

Battle::Battle(const BattleSettings& settings, const MonsterRecord& fighter0, const MonsterRecord& fighter1,
               RandomSource& random, BattleView& view, BattleStatistics& statistics)
    : settings_(settings), random_(&random), view_(&view), statistics_(&statistics) {
    viewWantsHits_ = view.wantsHitRecords();
    viewWantsSteps_ = view.wantsSteps();
    state_.fighter[0].record = fighter0;
    state_.fighter[1].record = fighter1;
    resetFighters();
}

Battle::Battle(const BattleSettings& settings, const MonsterRecord& fighter0, const MonsterRecord& fighter1,
               RandomSource& random, BattleView& view)
    : Battle(settings, fighter0, fighter1, random, view, nullStatistics()) {}

void Battle::setFighter(int side, const MonsterRecord& record) {
    fighter(side).record = record;
    prepareFighter(side);
}

void Battle::prepareFighter(int side) {
    FighterState& f = fighter(side);
    f.personality = personalityCode(f.record);
    f.unlock = unlockBonuses(f.record.unlockCodes());
    f.rare = vex::isRare(f.record);
    held_[static_cast<size_t>(side)].ids.fill(-1);  // the unlock codes may differ
    f.systemVersion = vex::isSystemData(f.record);
}

void Battle::resetFighters() {
    for (int side : {0, 1}) {
        FighterState fresh;
        fresh.record = std::move(fighter(side).record);
        fresh.battleLine = std::move(fighter(side).battleLine);
        fresh.hp = settings_.initialHp;
        fresh.maxHp = settings_.initialHp;
        fresh.sp = settings_.initialSp;
        fresh.useCounts = {3, 3, 3, 3, 4, 5};
        fighter(side) = std::move(fresh);
        prepareFighter(side);
    }
    BattleState& s = state_;
    s.turnCount = 0;
    s.firstSide = 0;
    s.busy = kFalse;
    s.acceptInput = kFalse;
    s.stageIndex = settings_.stageIndex;
    s.hitChance = Fix4{};
    s.missFlag = kFalse;
    s.damage = 0;
    s.hitSequence = 0;
    s.followUpRunning = false;
    s.strikeBackRunning = false;
    s.started = false;
    s.ended = false;
    s.winner = -1;
    s.endReason = EndReason::None;
}

std::array<int, 2> Battle::fighterOrder() const {
    if (settings_.mirrored()) return {1, 0};
    return {0, 1};
}

int Battle::techLevel(int side) const {
    const FighterState& f = fighter(side);
    if (f.currentSlot < 0 || f.currentSlot >= kSlotCount) return 0;
    return f.record.techLevel[static_cast<size_t>(f.currentSlot)];
}

int slotElement(const MonsterRecord& record, int slot) {
    const std::string& text = record.techElement(slot);
    int element;
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        element = text[0] - '0';
    else
        element = record.elementOf(slot);
    // An element code outside the table (a damaged file) counts as no element.
    if (element < 0 || element >= kElementCount) return kElementNone;
    return element;
}

int Battle::elementOf(int side) const {
    const FighterState& f = fighter(side);
    if (f.doesNothing() || f.currentSlot < 0 || f.currentSlot >= kSlotCount) return kElementNone;
    return slotElement(f.record, f.currentSlot);
}

namespace detail {

TraitsTable traitsTable;

void fillTraits() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int i = 0; i <= TechniqueCatalogue::kMaxId; ++i) {
            const TechniqueEntry& entry = techniqueEntry(i);
            traitsTable.traits[static_cast<size_t>(i)] = {static_cast<int8_t>(entry.category), entry.isSpecial(),
                                                          entry.emotionSelf};
        }
        const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
        for (int a = 0; a < kElementCount; ++a)
            for (int m = 0; m < kElementCount; ++m)
                traitsTable.affinity[static_cast<size_t>(a)][static_cast<size_t>(m)] =
                    static_cast<int8_t>(catalogue.elementAffinity(a, m));
        traitsTable.ready.store(true, std::memory_order_release);
    });
}

}  // namespace detail

double Battle::costFactor(int side) const {
    const FighterState& f = fighter(side);
    double c2 = f.has(kStatusBind) ? 2.0 : 1.0;
    double c1 = f.has(kStatusMiracle) ? -0.5 : 0.0;
    return c1 + c2;
}

void Battle::setSlotTechnique(int side, int slot, int id) {
    MonsterRecord& record = fighter(side).record;
    record.techId[static_cast<size_t>(slot)] = static_cast<int16_t>(id);
    if (id >= 0 && id <= TechniqueCatalogue::kMaxId)
        record.techName[static_cast<size_t>(slot)] = std::string(techniqueEntry(id).techTitle);
}

void Battle::replaceTechnique(int side, int fromId, int toId) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (fighter(side).record.techId[static_cast<size_t>(slot)] == fromId) setSlotTechnique(side, slot, toId);
}

void Battle::recomputeSlotCost(int side, int slot) {
    FighterState& f = fighter(side);
    double technician = 1.0 - 0.1 * abilityCount(side, tech::kTechnician);
    double cost = costFactor(side) * technician * f.entry.techCost[static_cast<size_t>(slot)];
    f.record.techCost[static_cast<size_t>(slot)] = sat16(cint(cost));
}

void Battle::redrawScreen() { tell(event::Redraw{RedrawTarget::Screen}); }

void Battle::announceHeld(int side, int id) {
    int slot = abilitySlot(side, id);
    if (slot < 0) return;
    if (fighter(side).has(kStatusPanic))
        tell(event::Announce{side, "？？？"});
    else
        tell(event::Announce{side, fighter(side).record.techName[static_cast<size_t>(slot)]});
}


bool Battle::isRare(int side) const { return fighter(side).rare; }

bool Battle::isSystemVersion(int side) const { return fighter(side).systemVersion; }

bool Battle::hasBossGuard(int side) const {
    const FighterState& f = fighter(side);
    bool boss = f.unlock.bossGuard || f.record.name == "カオス・グレヴァード";
    return boss && (isSystemVersion(side) || isRare(side));
}

}  // namespace vex
