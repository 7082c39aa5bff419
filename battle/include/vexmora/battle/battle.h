#pragma once
// Battle: the rules of one battle between two fighters.
//
// A battle is a deterministic function of its settings, the two monster records, the
// generator's state and the commands. Every random decision of a turn is one battleRandom()
// draw through the RandomSource given here; the number and order of the draws is part of the
// rules (two networked programs compare them turn by turn). Everything visible goes to the
// BattleView as a BattleEvent, every statistic to BattleStatistics; neither may touch the
// battle.
//
// Typical use:
//   Battle battle(settings, monsterA, monsterB, rng, view);
//   seedBattleGenerator(rng, seed);            // the battle start seeds the generator
//   battle.startBattle(stageCount);
//   while (!battle.state().ended) battle.runTurn(commandA, commandB);
//
// A draw r written in a rule's list of conditions is drawn only when the conditions written
// before it hold ("if A holds 73 and r > 0.92": no draw without 73); a rule that begins with
// "draw r" draws whatever its conditions turn out to be.

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/battle_stats.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/battle/fixed_point.h"
#include "vexmora/battle/hit_explanation.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/rng.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace detail {

// The catalogue's category and specialness of every id, copied once: the rules ask for them
// many times a turn. Filled on first use, once, whichever thread gets there first (the
// simulator runs battles on several threads); read-only afterwards.
struct TechniqueTraits {
    int8_t category = kCategoryAttack;
    bool special = false;
    int16_t emotionSelf = 0;
};
struct TraitsTable {
    std::array<TechniqueTraits, TechniqueCatalogue::kMaxId + 1> traits{};
    std::array<std::array<int8_t, kElementCount>, kElementCount> affinity{};  // [attacker][met]
    std::atomic<bool> ready{false};
};
extern TraitsTable traitsTable;
[[gnu::noinline]] void fillTraits();

inline TechniqueTraits traitsOf(int id) {
    if (id < 0 || id > TechniqueCatalogue::kMaxId) return {};
    if (!traitsTable.ready.load(std::memory_order_acquire)) fillTraits();
    return traitsTable.traits[static_cast<size_t>(id)];
}

inline int affinityOf(int attacker, int met) {
    if (!traitsTable.ready.load(std::memory_order_acquire)) fillTraits();
    return traitsTable.affinity[static_cast<size_t>(attacker)][static_cast<size_t>(met)];
}

}  // namespace detail

// The seeding of a battle start: with a shared seed (network mode, a replay, `--seed`) the
// generator is reset and seeded with it, so that both programs draw the same numbers;
// otherwise it is seeded from the clock.
void seedBattleGenerator(Rng& rng, std::optional<int32_t> sharedSeed);

// Whether a fighter's unlock codes hold the code of a special technique.
bool isUnlocked(const std::string& unlockCodes, int id);
// Whether one of the slot usability rules names the technique (beyond the rules for all).
bool hasOwnUsabilityRule(int id);

// The element of a technique slot, 0-6; a code outside the table counts as none.
int slotElement(const MonsterRecord& record, int slot);

class Battle {
public:
    Battle(const BattleSettings& settings, const MonsterRecord& fighter0, const MonsterRecord& fighter1,
           RandomSource& random, BattleView& view, BattleStatistics& statistics);
    Battle(const BattleSettings& settings, const MonsterRecord& fighter0, const MonsterRecord& fighter1,
           RandomSource& random, BattleView& view);
    Battle(const Battle&) = delete;
    Battle& operator=(const Battle&) = delete;

    // --- The controller -----------------------------------------------------------------
    // Puts a monster into a fighter (a load, or the restore before a rematch).
    void setFighter(int side, const MonsterRecord& record);
    // The per-battle reset of both fighters: statuses, HP, SP, emotion and every per-fighter
    // value back to its start. The constructor runs it; a rematch runs it again.
    void resetFighters();
    // Chooses the stage among `stageCount` stages, gives both fighters their starting values,
    // makes the opening announcements and shows "TURN 1". The caller seeds the generator
    // first (seedBattleGenerator).
    void startBattle(int stageCount);
    // Plays one whole turn. The commands of fighters the computer plays in this mode
    // (BattleSettings::computerPlays) are chosen by chooseCommand instead.
    void runTurn(Command fighter0, Command fighter1);
    // The computer's command for a side, by the rule of each technique it holds (it may read
    // the other side's command of this turn). Reads the slot usability as last computed.
    void chooseCommand(int side);

    // Slot usability, as the status windows show it: recomputed when the screen is drawn
    // before commands are read (the battle start, the end of a turn, the start of its
    // actions) and when a status is put on a fighter. The screen's other redraws within a
    // turn would recompute it too, but nothing reads it before one of these points.
    // Read by the command input, confusion and the computer.
    void computeSlotUsability();
    bool slotUsable(int side, int slot) const;
    // The command a player's choice of `slot` (0-4, 5 = do nothing) gives this turn; a slot
    // that is not usable now gives doing nothing.
    Command commandForSlot(int side, int slot) const;

    // One battle draw: the generator's next value to four decimals, counted. Inline: the
    // computer's choice alone makes dozens of draws a turn.
    Fix4 battleRandom() {
        double r = static_cast<double>(random_->draw());
        if (!(r >= 0.0)) r = 0.0;  // also catches NaN from a faulty source
        if (r > 1.0) r = 1.0;
        // A float times 10000 is exact in a double, so this is the nearest 1/10000, ties to even.
        Fix4 value = Fix4::fromUnits(static_cast<int64_t>(roundHalfEven(r * 10000.0)));
        if (state_.drawCounter < INT16_MAX) ++state_.drawCounter;
        if (hitListener_ != nullptr) hitListener_->drawMade(value, drawScope_);
        return value;
    }

    // --- Why a hit came out as it did (hit_explanation.h) --------------------------------
    // The listener receives every hit's record when it is done, and every draw. nullptr: none.
    // Records are kept only while a listener listens or the view asks for them as Hit events
    // (a simulation spends nothing on them), so set it between turns, not in the middle of an
    // action.
    void setHitListener(HitListener* listener) { hitListener_ = listener; }
    // The last record that was done while records were kept (a default record before).
    const HitExplanation& lastHit() const { return lastHit_; }
    // The rules that use a draw say how, through these: each returns what the rule makes of
    // the draw and notes it in the open record and for the listener. `decides` is false
    // when the other conditions of the rule do not hold, so that the draw changes nothing.
    bool decideAbove(Fix4 r, DrawPurpose purpose, Fix4 threshold, bool decides = true);  // r > threshold
    bool decideBelow(Fix4 r, DrawPurpose purpose, double threshold, bool decides = true);  // r < threshold
    int64_t takeFloor(Fix4 r, DrawPurpose purpose, Fix4 scale, Fix4 offset, bool decides = true);  // Int(scale·r + offset)
    int64_t takeRound(Fix4 r, DrawPurpose purpose, Fix4 scale, Fix4 offset, bool decides = true);  // CInt(scale·r + offset)
    // While one lives, draws that no rule notes are reported with its purpose.
    class DrawScope {
    public:
        DrawScope(Battle& battle, DrawPurpose purpose) : battle_(battle), saved_(battle.drawScope_) {
            battle.drawScope_ = purpose;
        }
        ~DrawScope() { battle_.drawScope_ = saved_; }
        DrawScope(const DrawScope&) = delete;
        DrawScope& operator=(const DrawScope&) = delete;

    private:
        Battle& battle_;
        DrawPurpose saved_;
    };

    // --- Action resolution --------------------------------------------------------------
    void executeAction(int attacker);
    // The action fails: the fighter does nothing (technique 99) and the common tail follows.
    void failAction(int side);
    // After every action, also a failed one: surfacing, landing, the jump, tripping.
    void commonTail(int attacker);
    void attackHit(int attacker, int power);
    void hitCheck(int attacker);
    double elementFactor(int attacker) const;
    void computeDamage(int attacker, int power);
    // The first steps of the damage: the striker's attack against the target's defence and
    // the power (one draw). 格闘 also works out a strike on the striker itself with it.
    int16_t baseDamage(int striker, int target, int power);
    // How strongly a fighter holds a technique: its slots holding the id, plus the bonuses of
    // its unlock codes.
    int abilityCount(int side, int id) const;
    // The last slot holding the id, or -1.
    int abilitySlot(int side, int id) const;
    bool holds(int side, int id) const {
        // タフネス, リバイブ and ﾃｸﾆｼｬﾝ also count unlock codes.
        if (id == tech::kRevive || id == tech::kToughness || id == tech::kTechnician) return abilityCount(side, id) > 0;
        if (id < 0 || id > TechniqueCatalogue::kMaxId) return false;
        return heldTechniques(side).held.test(static_cast<size_t>(id));
    }
    // Whether the status was put on (immunity and resistance block it).
    bool applyStatus(int side, int status, int turns);
    // A status that follows a landed hit: draw r; with r > threshold, the hit landed and the
    // defender without 状態防御, the status goes on the defender for turns() turns. Kept as a
    // Status record after the attacker's hit. Whether it went on.
    bool statusAfterHit(int attacker, int status, Fix4 threshold, bool landed, TurnsRule turns);
    void endOfTurnStatusPass();
    // q > 0 loses HP, q < 0 gains it.
    void changeHp(int side, int q);

    // --- Commands and emotion -----------------------------------------------------------
    void useTechnique(int side, int spChange);
    // amount 9999 asks for the ガッツ halving.
    void changeSp(int side, int amount);
    void showCaption(int side, std::string_view text, Rgb colour, int emotionChange);
    // Moves the emotion gauge by `delta` in `steps` steps (the personality factor applied).
    void moveEmotion(int side, double delta, int steps, int msPerStep);

    // A 64-bit hash of everything that decides the rest of the battle: both fighters as they
    // stand (records, HP, SP, emotion, statuses, chances, marks, commands), the turn fields,
    // the stage, the settings that still matter, the generator's state and the draw counter.
    // The same on every machine and in every process for the same battle; on the client of
    // a network battle the fighters are taken in the host's order, so both programs agree.
    // Presentation (busy, acceptInput, waiting battle lines, key-grid choices) is left out.
    uint64_t stateHash() const;

    // --- State --------------------------------------------------------------------------
    BattleState& state() { return state_; }
    const BattleState& state() const { return state_; }
    FighterState& fighter(int side) { return state_.fighter[static_cast<size_t>(side)]; }
    const FighterState& fighter(int side) const { return state_.fighter[static_cast<size_t>(side)]; }
    BattleSettings& settings() { return settings_; }
    const BattleSettings& settings() const { return settings_; }
    // Hands one visible step of the turn to a view that watches the steps; the event is made
    // only then. The end of a turn, of the battle and each hit record reach every view directly.
    template <class Event>
    void tell(Event&& event) {
        if (viewWantsSteps_) view_->onEvent(BattleEvent(std::forward<Event>(event)));
    }
    BattleStatistics& statistics() { return *statistics_; }

    // Fighter 0 then 1, or 1 then 0 on the client of a network battle.
    std::array<int, 2> fighterOrder() const;
    // The level of the technique in the fighter's current slot (0 without a slot).
    int techLevel(int side) const;
    // The element of the fighter's command this turn (0 when it does nothing).
    int elementOf(int side) const;
    static int category(int id) { return detail::traitsOf(id).category; }
    // A special technique: usable only with its unlock code, never on the tournament stage.
    static bool isSpecialTechnique(int id) { return detail::traitsOf(id).special; }
    // The SP cost factor of the fighter: 奇跡 halves, 呪縛 doubles.
    double costFactor(int side) const;
    // Replaces the technique of a slot in the fighter's in-battle record.
    void setSlotTechnique(int side, int slot, int id);
    void replaceTechnique(int side, int fromId, int toId);
    // A slot's cost after its technique changed in battle (the slot-cost rule).
    void recomputeSlotCost(int side, int slot);
    // Redraws the battle screen.
    void redrawScreen();
    // The fighter announces the technique it holds in its last slot holding `id`.
    void announceHeld(int side, int id);
    // Rare: makerVersion with the numeric value 0. System data: "9.99".
    bool isRare(int side) const;
    bool isSystemVersion(int side) const;
    // The boss guard that divides damage by 2.5.
    bool hasBossGuard(int side) const;
    // A confused fighter's technique drawn at random among its usable slots.
    void redrawConfusedCommand(int side);
    // The attacker surfaces from underground / comes down from a jump before it strikes.
    void surface(int side);
    void comeDown(int side);
    // The ラッキー draws at the start of the actions, fighter by fighter.
    void drawLucky();
    // ﾌｨﾆｯｼｭ after a landed pursuit hit.
    void finishingTechnique(int attacker);
    // The turns of the poison of 毒撃: 4 + Int(3·r), 5 more with ヴェノム on either side.
    int poisonStrikeTurns();

private:
    void prepareFighter(int side);
    int chooseStage(int stageCount);
    void startingValues(int side);
    void openingAnnouncements(int side);
    void startOfTurnAbilities();
    void confusionOverride();
    void orderOfAction();
    void limiterStarts();
    void limiterEnds();
    bool knockOutCheck();
    void endBattle(int winner, EndReason reason);
    void endOfTurn();
    bool timeUp();
    void turnBanner();
    void regenerateSp();
    void battleLines();
    void stageEvents();
    void spentTechniques();
    void growChances();
    void tellTurnEnded();
    bool slotUsableNow(int side, int slot);
    void backyardBossChoice(int side);
    bool choiceRule(int side, int id, int slot, int attackSlots);
    void normalAttackRule(int side, int slot);

    // x^1.03 of the last attack and y^0.9 of the last defence, per fighter: a pure function
    // that the damage asks for with the same values hit after hit.
    struct PowerMemo {
        int input = -1;
        double value = 0;
    };
    double memoPower(PowerMemo& memo, int base, double exponent);
    int16_t baseDamageOf(int striker, int target, int power, bool drawDecides);

    // The records of the hits being resolved: a follow-up hit opens its own above the one it
    // follows (hit_record.cpp).
    HitExplanation* openHit();
    HitExplanation& beginHit(HitKind kind, int attacker, int power);
    void endHit();
    void noteDraw(const DrawNote& note);
    static constexpr int kHitDepth = 4;
    std::array<HitExplanation, kHitDepth> hits_{};
    int hitDepth_ = 0;
    uint32_t hitCount_ = 0;
    std::array<uint32_t, 2> lastStrike_{};  // the sequence of each side's last Strike record
    HitExplanation lastHit_{};
    HitListener* hitListener_ = nullptr;
    bool viewWantsHits_ = false;  // the view asked for the Hit events
    bool viewWantsSteps_ = true;  // the view watches the steps of a turn, not only its end
    bool keepsHitRecords() const { return hitListener_ != nullptr || viewWantsHits_; }
    DrawPurpose drawScope_ = DrawPurpose::Unnoted;
    std::array<PowerMemo, 2> attackPower_{};
    std::array<PowerMemo, 2> defencePower_{};
    // Which ids each fighter's slots hold, rebuilt whenever the slots differ from the last
    // time they were read: holds() is asked dozens of times a turn.
    struct HeldTechniques {
        std::array<int16_t, kSlotCount> ids{-1, -1, -1, -1, -1};
        std::bitset<TechniqueCatalogue::kMaxId + 1> held;
        // Per slot, what slot usability needs of its technique.
        std::array<int8_t, kSlotCount> category{};
        std::array<bool, kSlotCount> ownRule{};   // one of the usability rules names it
        std::array<bool, kSlotCount> locked{};    // a special technique without its unlock code
    };
    const HeldTechniques& heldTechniques(int side) const {
        HeldTechniques& cache = held_[static_cast<size_t>(side)];
        if (cache.ids != state_.fighter[static_cast<size_t>(side)].record.techId) rebuildHeld(side);
        return cache;
    }
    void rebuildHeld(int side) const;
    // The hash of both fighters' records as they entered the battle (set by startBattle):
    // those parts of a record no rule changes are hashed once, not every turn.
    uint64_t entryHash_ = 0;
    void startBattleHash();
    mutable std::array<HeldTechniques, 2> held_{};

    BattleSettings settings_;
    BattleState state_;
    RandomSource* random_;
    BattleView* view_;
    BattleStatistics* statistics_;
};

}  // namespace vex
