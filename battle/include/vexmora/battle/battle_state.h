#pragma once
// Everything a battle holds between two events: both fighters with their in-battle records and
// per-fighter values, the turn fields and the results of the hit being resolved.
// Integers are int16 as the rules store them; every store goes through sat16, so a value that
// leaves the 16-bit range stops at its edge instead of wrapping.

#include <array>
#include <cstdint>
#include <string>

#include "vexmora/battle/fixed_point.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/numbers.h"

namespace vex {

inline constexpr int kStatusCount = 21;

// The status counters (statusTurns): a status is active while its counter is not 0.
enum StatusKind : int {
    kStatusGather = 0,        // タメ
    kStatusParalysis = 1,     // マヒ
    kStatusPoison = 2,        // 毒
    kStatusConfusion = 3,     // 混乱
    kStatusAccuracyUp = 4,    // 命中UP
    kStatusGuard = 5,         // 状態防御
    kStatusFallen = 6,        // 転倒
    kStatusAttackSeal = 7,    // 攻撃封印
    kStatusSupportSeal = 8,   // 補助封印
    kStatusSpecialSeal = 9,   // 特殊封印
    kStatusAllSeal = 10,      // 全封印
    kStatusRecovery = 11,     // 自然回復
    kStatusSpStop = 12,       // SPｽﾄｯﾌﾟ
    kStatusFocus = 13,        // 集中
    kStatusMiracle = 14,      // 奇跡
    kStatusBind = 15,         // 呪縛
    kStatusIllusion = 16,     // 幻覚
    kStatusPanic = 17,        // パニック
    kStatusCloak = 18,        // クローク
};

// The per-fighter use counters of techniques with a limited number of uses.
enum UseCounter : int {
    kUsesRecovery = 0,   // 回復 and 自然回復 share one counter
    kUsesParalysis = 1,  // マヒ
    kUsesSeals = 2,      // the four 封印
    kUsesTraps = 3,      // the three 罠
    kUsesSpStop = 4,     // SPｽﾄｯﾌﾟ
    kUsesForesight = 5,  // 見切り
};
inline constexpr int kUseCounterCount = 6;

inline constexpr int16_t kTrue = -1;   // flags are -1 for true, 0 for false
inline constexpr int16_t kFalse = 0;
inline constexpr int kNoSlot = 5;      // currentSlot of a command that comes from no slot

// One fighter's command for a turn: the technique, the slot it came from and whether the
// fighter does nothing.
struct Command {
    int16_t tech = 99;
    int16_t slot = kNoSlot;
    int16_t noAction = kTrue;

    // Doing nothing as the computer and the two-player keys set it (slot 5).
    static constexpr Command nothing() { return {99, kNoSlot, kTrue}; }
    // Doing nothing as a click on the sixth row and a network peer set it (slot 0).
    static constexpr Command nothingFromClick() { return {99, 0, kTrue}; }
    static Command fromSlot(const MonsterRecord& record, int slot) {
        return {record.techId[static_cast<size_t>(slot)], static_cast<int16_t>(slot), kFalse};
    }
    bool operator==(const Command&) const = default;
};

// What the ability bonuses of the unlock codes give; the codes never change during a battle.
struct UnlockBonuses {
    int toughness = 0;      // "i00" +1, "i06" +5
    int revive = 0;         // "i02" +1
    int technician = 0;     // "i03" +1
    bool weakensOpponentToughness = false;  // "i07": the opponent's タフネス -1
    bool statBoost = false;                 // "i01"
    bool bossGuard = false;                 // "i05"
    bool flood = false;                     // "i08"
    bool blizzard = false;                  // "i11"
};

struct FighterState {
    MonsterRecord record;  // the fighter's in-battle record; techniques may change it
    MonsterRecord entry;   // entryStats: the record as it entered the battle

    int16_t hp = 0;
    int16_t maxHp = 0;
    int16_t sp = 0;
    int16_t emotion = 0;
    std::array<int16_t, kStatusCount> statusTurns{};

    int16_t currentTech = 99;
    int16_t currentSlot = kNoSlot;
    int16_t noAction = kTrue;
    std::array<int16_t, 6> slotUsable{};  // rows 0-4 technique slots, row 5 doing nothing
    int16_t chosen = kFalse;              // two-player keys: this player has chosen

    Fix4 gutsChance = 1_fx;
    Fix4 counterStrikeChance = 0.1_fx;
    Fix4 pursuitChance = 0.1_fx;
    Fix4 ironWallMark = 0.2_fx;
    Fix4 luck{};
    std::array<Fix4, 5> readChance{};
    int16_t powerReserve = 80;

    int16_t atkMod = 0;
    int16_t defMod = 0;
    int16_t spdMod = 0;

    int16_t lucky = kFalse;
    int16_t jumping = kFalse;
    int16_t flying = kFalse;
    int16_t selfFelled = kFalse;
    int16_t fled = kFalse;
    int16_t limitGauge = 0;
    bool limited = false;         // リミッター cut the stats this turn (at its start, or copied)
    int16_t firstMark = kFalse;   // the ファースト mark
    int16_t abilityMark = 0;      // 1 after an ability rise, -1 after a fall
    int16_t weakMark = 0;         // 100 while weakened
    std::array<int16_t, 3> techniqueMarks{};
    std::array<int16_t, kUseCounterCount> useCounts{};
    int16_t cloneCount = 3;       // 3 - cloneCount clones stand beside the fighter
    int16_t ammo = 0;
    int16_t trapKind = 0;         // the kind of technique that springs a trap laid on this fighter
    int16_t burrowDepth = 0;      // 100 while underground
    int16_t pictureOffsetY = 0;   // moved by jumps, flights and landings
    std::string battleLine;       // a network battle line waiting to be spoken

    // Read once per battle from the record.
    int personality = 0;          // 0-8; a text that is not a whole number 0-8 counts as 0
    UnlockBonuses unlock;
    bool rare = false;            // makerVersion with the numeric value 0
    bool systemVersion = false;   // makerVersion "9.99"

    bool has(StatusKind s) const { return statusTurns[static_cast<size_t>(s)] != 0; }
    int16_t& turns(StatusKind s) { return statusTurns[static_cast<size_t>(s)]; }
    int16_t turns(StatusKind s) const { return statusTurns[static_cast<size_t>(s)]; }
    bool doesNothing() const { return noAction == kTrue; }
    void setCommand(Command c) { currentTech = c.tech; currentSlot = c.slot; noAction = c.noAction; }
    Command command() const { return {currentTech, currentSlot, noAction}; }
};

enum class EndReason { None, KnockOut, TimeUp };

// What one fighter's action of the turn came to, for the simulator's counts: whether the
// technique was paid for and performed, and how its own hit checks went (the follow-up hits
// of either side aside).
struct ActionOutcome {
    int16_t technique = 99;   // the technique paid for (before コピー); 99 when nothing was
    bool carriedOut = false;
    int16_t hitChecks = 0;
    int16_t hitsLanded = 0;
    // Carried out, and landed when it needed a hit check.
    bool landed() const { return carriedOut && (hitChecks == 0 || hitsLanded > 0); }
};

struct BattleState {
    std::array<FighterState, 2> fighter;

    int16_t turnCount = 0;
    int16_t firstSide = 0;
    int16_t busy = kFalse;
    int16_t acceptInput = kFalse;
    int16_t drawCounter = 0;
    int16_t stageIndex = 0;  // the stage being fought on; changes at the stage events

    // The hit being resolved.
    Fix4 hitChance{};
    int16_t missFlag = kFalse;
    int16_t damage = 0;
    int16_t hitSequence = 0;      // 0 first hit, 2 middle hit, 1 last hit of a multi-hit technique
    bool followUpRunning = false;   // a clone or pursuit hit of the attacker
    bool strikeBackRunning = false; // the defender's 反撃 or ｶｳﾝﾀｰ

    // The commands as they were given for the turn being played (before any override).
    std::array<Command, 2> input{};
    std::array<ActionOutcome, 2> action{};

    // Battle::stateHash() after the last turn, when the view asked for it (0 otherwise).
    uint64_t turnHash = 0;

    bool started = false;
    bool ended = false;
    int16_t winner = -1;
    EndReason endReason = EndReason::None;
};

}  // namespace vex
