// The stat techniques: raising and lowering the stat modifiers, luck, the exchange of ATK and
// DEF, growing and shrinking, チェンジ and 解除.

#include <algorithm>
#include <string_view>
#include <utility>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

constexpr Rgb kRaised{0, 255, 85};
constexpr Rgb kLowered{255, 0, 0};

struct StatView {
    int16_t& value;     // the record's stat
    int16_t& modifier;  // its battle modifier
    std::string_view up;
    std::string_view down;
};

StatView statOf(FighterState& f, Stat stat) {
    switch (stat) {
    case Stat::Attack: return {f.record.atk, f.atkMod, "攻撃↑", "攻撃↓"};
    case Stat::Defence: return {f.record.def, f.defMod, "防御↑", "防御↓"};
    case Stat::Speed: break;
    }
    return {f.record.spd, f.spdMod, "速さ↑", "速さ↓"};
}

int64_t stepAmount(Battle& battle, int attacker) { return 200 + 200 * static_cast<int64_t>(battle.techLevel(attacker)); }

// CInt(base + a·r) with a fresh draw, exactly.
int64_t drawnAmount(Battle& battle, Fix4 base, Fix4 perDraw) { return cintOf(perDraw, battle.battleRandom(), base); }

}  // namespace

// The raise stops at 1500 for stat and modifier together. A fighter already beyond it gains
// nothing (the cut would otherwise turn the raise into a fall).
void raiseStat(Battle& battle, int attacker, const TechniqueRule& rule) {
    StatView s = statOf(battle.fighter(attacker), rule.stat);
    int64_t amount = std::min(stepAmount(battle, attacker), 1500 - static_cast<int64_t>(s.value) - s.modifier);
    amount = std::max<int64_t>(amount, 0);
    battle.tell(event::Sound{26});
    battle.showCaption(attacker, s.up, kRaised, 0);
    s.modifier = sat16(s.modifier + amount);
}

// The fall stops at 0 for stat and modifier together; one already below gains nothing.
void lowerStat(Battle& battle, int attacker, const TechniqueRule& rule) {
    battle.hitCheck(attacker);
    if (battle.state().missFlag != kFalse) return;
    const int defender = 1 - attacker;
    StatView s = statOf(battle.fighter(defender), rule.stat);
    int64_t amount = std::min(stepAmount(battle, attacker), static_cast<int64_t>(s.value) + s.modifier);
    amount = std::max<int64_t>(amount, 0);
    battle.tell(event::Sound{27});
    battle.showCaption(defender, s.down, kLowered, emotionValue(rule.id));
    s.modifier = sat16(s.modifier - amount);
}

// 十字をきる: luck grows, faster once it is high, up to 1; an undead opponent takes a little.
void crossSign(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::Sound{37});
    battle.showCaption(attacker, "LUCK↑", {240, 160, 0}, 0);
    a.luck = a.luck == Fix4{} ? 0.1_fx : a.luck + 0.08_fx;
    if (a.luck >= 0.9_fx) a.luck += 0.002_fx;
    if (a.luck > 1_fx) a.luck = 1_fx;
    if (battle.holds(1 - attacker, tech::kUndead)) battle.attackHit(attacker, rule.power);
}

void exchange(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::Sound{34});
    battle.showCaption(attacker, "ｴｸｽﾁｪﾝｼﾞ", {230, 120, 10}, 0);
    std::swap(a.record.atk, a.record.def);
}

namespace {

// Three steps of the picture size, each rebuilt and shown with a 150 ms pause.
template <class Step>
void resizePicture(Battle& battle, int side, Step&& step) {
    int16_t& size = battle.fighter(side).record.imageSize;
    for (int i = 0; i < 3; ++i) {
        size = sat16(step(static_cast<int64_t>(size), i));
        battle.tell(event::PictureChange{side, PictureProperty::Size, size});
        battle.redrawScreen();
        battle.tell(event::Pause{150, Wait::Scaled});
    }
}

}  // namespace

// 巨大化: the picture grows and ATK and DEF rise at the cost of SPD; without speed to give
// the stats stay.
void grow(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    MonsterRecord& r = a.record;
    if (r.imageSize > static_cast<int64_t>(a.entry.imageSize) + 300) return;
    battle.tell(event::Sound{26});
    resizePicture(battle, attacker, [](int64_t size, int i) { return size >= 100 ? cint(size / 0.93) : size + 5 + i; });

    if (r.spd < 151) {
        if (r.spd == 0) return;
        // CInt(0.5·SPD + stat + 60 + 40·r)
        const Fix4 base = Fix4::fromUnits(5000 * static_cast<int64_t>(r.spd)) + 60_fx;
        r.atk = sat16(drawnAmount(battle, base + Fix4::fromInt(r.atk), 40_fx));
        battle.showCaption(attacker, "攻撃↑", kRaised, 0);
        r.def = sat16(drawnAmount(battle, base + Fix4::fromInt(r.def), 40_fx));
        battle.showCaption(attacker, "防御↑", kRaised, 0);
        r.spd = 0;
        battle.showCaption(attacker, "速さ↓", kLowered, 0);
        return;
    }
    r.atk = sat16(r.atk + drawnAmount(battle, 120_fx, 40_fx));
    battle.showCaption(attacker, "攻撃↑", kRaised, 0);
    r.def = sat16(r.def + drawnAmount(battle, 120_fx, 40_fx));
    battle.showCaption(attacker, "防御↑", kRaised, 0);
    r.spd = sat16(r.spd - drawnAmount(battle, 120_fx, 30_fx));
    battle.showCaption(attacker, "速さ↓", kLowered, 0);
}

// 縮小: the mirror of 巨大化. A stat never falls below 0 (a small one simply ends at 0); the
// draws and the SPD rise come whatever ATK and DEF are left.
void shrink(Battle& battle, int attacker, const TechniqueRule&) {
    MonsterRecord& r = battle.fighter(attacker).record;
    battle.tell(event::Sound{27});
    if (r.imageSize < 12) return;
    resizePicture(battle, attacker, [](int64_t size, int i) { return size < 100 ? size - 7 + i : cint(size * 0.93); });

    auto lower = [&](int16_t& stat) {
        const int64_t cut = drawnAmount(battle, 70_fx, 40_fx);
        if (stat > 0) stat = sat16(std::max<int64_t>(0, stat - cut));
    };
    lower(r.atk);
    battle.showCaption(attacker, "攻撃↓", kLowered, 0);
    lower(r.def);
    battle.showCaption(attacker, "防御↓", kLowered, 0);
    r.spd = sat16(r.spd + drawnAmount(battle, 300_fx, 30_fx));
    battle.showCaption(attacker, "速さ↑", kRaised, 0);
}

// チェンジ: the two fighters trade their modifiers and statuses; each status carried over
// lasts a turn longer.
void change(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    FighterState& d = battle.fighter(1 - attacker);
    battle.tell(event::Sound{26});
    battle.showCaption(attacker, "チェンジ", {70, 160, 240}, 0);
    std::swap(a.atkMod, d.atkMod);
    std::swap(a.defMod, d.defMod);
    std::swap(a.spdMod, d.spdMod);
    for (size_t s = 0; s < a.statusTurns.size(); ++s) {
        std::swap(a.statusTurns[s], d.statusTurns[s]);
        for (int16_t* counter : {&a.statusTurns[s], &d.statusTurns[s]})
            if (*counter != 0) *counter = sat16(static_cast<int64_t>(*counter) + 1);
    }
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
}

// 解除: the opponent loses what it built up: its helpful statuses, raised stats and luck.
void dispel(Battle& battle, int attacker, const TechniqueRule& rule) {
    const int defender = 1 - attacker;
    FighterState& d = battle.fighter(defender);
    battle.tell(event::Sound{27});
    battle.showCaption(defender, "解除", kLowered, emotionValue(rule.id));
    clearStatuses(d, {kStatusGather, kStatusAccuracyUp, kStatusGuard, kStatusRecovery, kStatusFocus, kStatusMiracle});
    restoreEntryStats(d);
    d.atkMod = 0;
    d.defMod = 0;
    d.spdMod = 0;
    d.luck = Fix4{};
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
}

}  // namespace vex::handlers
