// Every change of HP in a battle: the number over the fighter, the HP bar, a clone that may
// vanish, and 覚醒 / 覚醒終了.

#include <string_view>

#include "number_text.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

void Battle::changeHp(int side, int q) {
    FighterState& f = fighter(side);
    const int other = 1 - side;

    NumberText number(q < 0 ? "HP +" : "", q < 0 ? -static_cast<long>(q) : q);
    std::string_view text = number.text;
    Rgb colour = q < 0 ? Rgb{0, 255, 255} : Rgb{255, 0, 255};

    // A fighter's own costs (チャージ, 格闘, its own 切腹) are not damage the opponent dealt.
    if (q >= 0 && f.currentTech != tech::kSpCharge && f.currentTech != tech::kBrawl &&
        f.currentTech != tech::kSelfFell && fighter(other).currentTech != tech::kSelfFell) {
        statistics_->recordStat(other, StatCode::DamageDealt, q);
        statistics_->recordStat(other, StatCode::HitsDealt, 1);
        statistics_->recordStat(other, StatCode::LargestHit, q);
        statistics_->recordStat(side, StatCode::DamageTaken, q);
        statistics_->recordStat(side, StatCode::HitsTaken, 1);
    }

    const bool illusionHides = side == 1 && fighter(0).has(kStatusIllusion) &&
                               (settings_.battleMode == kModeTwoPlayers || settings_.battleMode == kModeNetwork);
    if (f.has(kStatusPanic) || illusionHides) text = "???";
    tell(event::Caption{side, std::string(text), colour, TextKind::HpNumber});

    const int from = f.hp;
    int64_t to = static_cast<int64_t>(from) - q;
    if (to <= 0) to = 0;
    f.hp = sat16(to);
    tell(event::GaugeMove{{Gauge::Hp, side, from, f.hp, static_cast<double>(-q), 40, 0, false}});
    const bool gatling = fighter(other).currentTech == tech::kGatlingAttack && q >= 1;
    tell(event::Pause{gatling ? 10 : 150, Wait::Scaled});

    const Fix4 r = battleRandom();
    const bool canLose = q > 0 && f.cloneCount < 3;
    if (decideBelow(r, DrawPurpose::CloneLoss, q / 600.0 + 0.35, canLose) && canLose) f.cloneCount += 1;

    MonsterRecord& record = f.record;
    if (f.hp > 0 && f.hp < 200 && holds(side, tech::kAwakening)) {
        showCaption(side, "覚醒", {30, 200, 255}, -15);
        record.atk = sat16(2 * static_cast<int64_t>(record.atk));
        record.def = sat16(2 * static_cast<int64_t>(record.def));
        record.spd = sat16(2 * static_cast<int64_t>(record.spd));
        replaceTechnique(side, tech::kAwakening, tech::kAwakeningEnd);
    }
    if (f.hp >= 201 && holds(side, tech::kAwakeningEnd)) {
        showCaption(side, "覚醒終了", {80, 80, 80}, 15);
        record.atk = sat16(cint(record.atk / 2.0));
        record.def = sat16(cint(record.def / 2.0));
        record.spd = sat16(cint(record.spd / 2.0));
        replaceTechnique(side, tech::kAwakeningEnd, tech::kAwakening);
    }
}

}  // namespace vex
