// The battle start: the stage, the fighters' starting values and the opening announcements.

#include <initializer_list>
#include <string>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

void Battle::startBattle(int stageCount) {
    state_.busy = kTrue;
    state_.started = false;
    state_.ended = false;
    if (settings_.battleMode == kModeNetwork) state_.drawCounter = 0;

    int stage = chooseStage(stageCount);
    state_.stageIndex = static_cast<int16_t>(stage);
    settings_.stageIndex = static_cast<int16_t>(stage);
    tell(event::Redraw{RedrawTarget::Stage});

    for (int side : fighterOrder()) startingValues(side);
    startBattleHash();
    for (int side : fighterOrder()) openingAnnouncements(side);

    state_.turnCount = 0;
    turnBanner();
    computeSlotUsability();
    state_.busy = kFalse;
    state_.started = true;
    if (settings_.spectatorMode != kTrue) tell(event::CommandList{CommandListMode::Offer});
    state_.acceptInput = kTrue;
}

// Draws come from the generator itself here, uncounted, right after the seeding: both
// networked programs choose the same stage.
int Battle::chooseStage(int n) {
    int stage = settings_.stageIndex;
    auto drawStage = [&] { return static_cast<int>(intFloor(n * static_cast<double>(random_->draw()))); };
    auto isExcluded = [&](int k, std::initializer_list<int> excluded) {
        if (k == n || k < 0) return true;
        for (int e : excluded)
            if (k == e) return true;
        return false;
    };
    // Each loop below repeats until a stage fits; one that no stage of the list can satisfy
    // (an empty or short stage list) would never end, so it takes stage 0 instead.
    if (stage == kRandomStage) {
        if (n < 1) return 0;
        int k;
        do k = drawStage();
        while (isExcluded(k, {kTournamentStage, kMysteryStage}));
        return k;
    }
    if (stage == kRandomGroundStage) {
        if (n < 1) return 0;
        int k;
        do k = drawStage();
        while (isExcluded(k, {2, kTournamentStage, kMysteryStage, 8, 14, 17}));
        return k;
    }
    if (stage == kRandomWaterStage) {
        if (n < 3) return 0;
        int k;
        do k = drawStage();
        while (k != 2 && k != 8 && k != 14);
        return k;
    }
    return stage;
}

void Battle::startingValues(int side) {
    FighterState& f = fighter(side);
    MonsterRecord& r = f.record;
    const int stage = state_.stageIndex;

    int veteran = holds(side, tech::kVeteran) ? 100 : 0;
    int champion = 50 * abilityCount(side, tech::kChampionMark);
    r.atk = sat16(static_cast<int64_t>(r.atk) + 200 * abilityCount(side, tech::kAttackBonus) + veteran + champion);
    r.def = sat16(static_cast<int64_t>(r.def) + 200 * abilityCount(side, tech::kGuardBonus) + veteran + champion);
    r.spd = sat16(static_cast<int64_t>(r.spd) + 200 * abilityCount(side, tech::kSpeedBonus) + veteran + champion);

    Fix4 m = 1_fx;
    if (holds(side, tech::kAquatic)) m = (stage == 2 || stage == 8) ? 1.35_fx : 0.85_fx;
    if (holds(side, tech::kDesert) && stage == 4) m = mulFix(m, 1.2_fx);
    if (holds(side, tech::kSnowfield) && stage == 3) m = mulFix(m, 1.2_fx);
    if (holds(side, tech::kAllOut)) m = mulFix(m, 1.3_fx);
    if (holds(side, tech::kEndure)) m = mulFix(m, 0.8_fx);
    if (f.unlock.statBoost) m = mulFix(m, 1.2_fx);
    if (holds(side, tech::kBerserk)) {
        int notSkills = 0;
        for (int16_t id : r.techId)
            if (category(id) != kCategorySkill) ++notSkills;
        Fix4 perTechnique = holds(side, tech::kSelfFell) ? 0.10_fx : 0.07_fx;
        m = mulFix(m, 1_fx + mulFix(perTechnique, notSkills));
    }
    auto scaled = [&](int16_t value) { return sat16(cintFix(mulFix(m, value))); };
    r.atk = scaled(r.atk);
    r.def = scaled(r.def);
    r.spd = scaled(r.spd);

    f.sp = sat16(static_cast<int64_t>(settings_.initialSp) + 30 * abilityCount(side, tech::kSpBonus));

    // Mystery opponents and bosses bring their own fixed HP.
    bool keepsHp = isTreatedAsSystemData(r) &&
                   (f.hp == 2000 || f.hp == 1400 || f.hp == 2500 || f.hp == 3000);
    if (!keepsHp) f.hp = sat16(static_cast<int64_t>(settings_.initialHp) + 200 * abilityCount(side, tech::kToughness));
    f.maxHp = f.hp;

    int shootSlot = abilitySlot(side, tech::kShoot);
    if (shootSlot >= 0) {
        static constexpr int16_t kShots[] = {20, 10, 6, 4, 3};
        int level = r.techLevel[static_cast<size_t>(shootSlot)];
        // Levels run 1-5; 0 counts as 1, and a damaged file's other values stay in range.
        if (level < 1) level = 1;
        if (level > 5) level = 5;
        f.ammo = kShots[level - 1];
    }
    f.entry = r;
}

void Battle::openingAnnouncements(int side) {
    FighterState& f = fighter(side);
    int other = 1 - side;
    if (holds(side, tech::kAllOut)) {
        announceHeld(side, tech::kAllOut);
        tell(event::Sound{26});
        showCaption(side, "能力+30%", {0, 192, 255}, 0);
        f.abilityMark = 1;
    }
    if (holds(side, tech::kEndure)) {
        tell(event::Sound{27});
        showCaption(side, "能力-20%", {255, 51, 0}, 0);
        f.abilityMark = -1;
    }
    if (holds(side, tech::kFly)) {
        f.flying = kTrue;
        showCaption(side, "飛行", {0, 240, 255}, 0);
        for (int step = 0; step < 7; ++step) {
            f.pictureOffsetY = sat16(static_cast<int64_t>(f.pictureOffsetY) - 5);
            tell(event::PictureChange{side, PictureProperty::OffsetY, f.pictureOffsetY});
            tell(event::Pause{60, Wait::Scaled});
        }
        replaceTechnique(side, tech::kFly, tech::kLand);
    }
    if (f.record.name == "飛行体型シーウォーム" && isRare(side)) {
        tell(event::Sound{33});
        showCaption(side, "オートスパイ", {255, 120, 10}, 0);
        const FighterState& o = fighter(other);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            int id = o.record.techId[static_cast<size_t>(slot)];
            if (id != tech::kNone && category(id) != kCategorySkill)
                showCaption(other, o.record.techName[static_cast<size_t>(slot)], {100, 100, 100}, 0);
        }
        if (o.record.atk + o.atkMod >= 501) showCaption(other, "攻撃力が高い", {0, 255, 120}, 0);
        if (o.record.def + o.defMod >= 501) showCaption(other, "防御力が高い", {0, 255, 120}, 0);
        if (o.record.spd + o.spdMod >= 501) showCaption(other, "素早さが高い", {0, 255, 120}, 0);
    }
}

}  // namespace vex
