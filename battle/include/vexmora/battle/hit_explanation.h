#pragma once
// HitExplanation: why one hit came out as it did. The hit check and the damage fill it in as
// they decide (battle/src/hit_check.cpp, damage.cpp, attack_hit.cpp): every term of the hit
// chance, every factor of the damage with the value before and after it, and every draw with
// the threshold it was compared with. The numbers are the ones the battle used, not a second
// computation: a listener (HitListener) receives each record when its hit is done.
//
// A record is one of four kinds:
//   Strike   a hit check, then (when it landed) the damage and what the defender lost;
//   Check    a hit check alone, for a technique that does no damage (a status, a seal, SP);
//   Counter  ｶｳﾝﾀｰ's answer: damage without a hit check;
//   Status   the decision on a status that follows a hit (衝撃's マヒ, 毒撃's 毒, ...).
//
// Damage terms apply in order: after = CInt(before / divisor · multiplier), or a term that
// replaces the value (the floor, 鉄壁, the lethal cap) sets `after` by its own rule. The first
// term starts from `baseDamage`; the last term's `after` is `damage`.

#include <array>
#include <cstdint>
#include <string>

#include "vexmora/data/numbers.h"
#include "vexmora/data/wording.h"

namespace vex {

// What a battle draw was used for.
enum class DrawPurpose : uint8_t {
    Unnoted,          // no rule said what it was for
    Lucky,            // ラッキー at the start of the actions
    Scope,            // スコープ's +0.5
    Hit,              // the hit check's draw
    Read,             // reading the slot (達人)
    Ghost,            // ゴースト's dodge
    Base,             // the random part of the damage base
    IgnoreDefence,    // 防御無視's damage
    Critical,
    SpBlast,          // SPﾌﾞﾗｽﾄ's cap
    Breakfall,        // 受け身
    DefencePierce,    // 防御貫通
    Floor,            // the least damage
    FlurryFloor,      // 乱れ打ち's least damage
    IronWall,         // 鉄壁
    IronWallPierce,   // 鉄壁貫通
    Pierce,           // 貫通
    VitalGuard,       // 急所外し
    Guts,             // ガッツ / ゾンビ at a lethal hit
    Counter,          // ｶｳﾝﾀｰ turning the attack back
    Reaction,         // the defender's temper (短気, 根暗)
    FootSweep,        // 足元狙い's 転倒
    SpConvert,        // ＳＰ変換's share
    StrikeBack,       // 反撃
    Pursuit,          // 追撃
    Finish,           // ﾌｨﾆｯｼｭ
    FinishChoice,     // which finishing technique
    CloneShare,       // a clone's share of the damage
    ZombiePoison,     // ゾンビ's poison
    CloneLoss,        // a clone lost to damage
    Status,           // a status after a hit
    StatusTurns,      // how long a status lasts
    HitCount,         // 乱れ打ち's number of hits
    Strength,         // 格闘's strength
    SelfStrikeFloor,  // 格闘's least damage on itself
    ConfusedCommand,  // the technique a confused fighter ends up with
};

// How the rule used the draw r.
enum class DrawUse : uint8_t {
    Unknown,  // not said: a draw the rules here do not describe
    Above,    // the rule asked r > threshold
    Below,    // the rule asked r < threshold
    Floor,    // the rule took Int(scale·r + offset)
    Round,    // the rule took CInt(scale·r + offset)
};

struct DrawNote {
    DrawPurpose purpose = DrawPurpose::Unnoted;
    DrawUse use = DrawUse::Unknown;
    // Whether the draw could change anything: false when the other conditions of its rule
    // did not hold (no ラッキー held, no 反撃 possible), so that any draw gives the same turn.
    bool decides = true;
    Fix4 value{};
    double threshold = 0;  // Above, Below
    Fix4 scale{};          // Floor, Round
    Fix4 offset{};
    // What the rule made of the draw: 1 or 0 for Above and Below, the number for Floor and
    // Round, 0 otherwise.
    int64_t outcome = 0;

    // The outcome the same rule gives any draw r: what tells the draws apart that decide
    // differently (the calculator's enumeration).
    int64_t outcomeOf(Fix4 r) const;

    bool operator==(const DrawNote&) const = default;
};

enum class HitKind : uint8_t { Strike, Check, Counter, Status };
// Whose hit it is: the attacker's own, or one that follows it.
enum class HitRole : uint8_t { Main, StrikeBack, Pursuit, Clone };
// What decided at last whether the hit landed.
enum class HitDecision : uint8_t {
    Draw,             // the draw against the chance
    Foresight,        // 見切り dodged
    SureHit,          // 必中, 集中, ラッキー, a paralysed or fallen defender, ...
    CrossCounter,     // ｸﾛｽｶｳﾝﾀｰ against a non-attack
    DefenderLucky,    // the defender's ラッキー
    DefenderJumping,  // the defender in the air
    Read,             // read (達人) or dodged as a ghost
    FinalAttack,      // Ｆアタック never misses
};

// The terms of the hit chance, in the order they apply.
enum class HitTermKind : uint8_t {
    Speed,            // 0.9 − defender's SPD / 1800 + attacker's SPD / 4000
    Critical,         // ｸﾘﾃｨｶﾙ −0.3
    AccuracyUp,       // 命中UP +0.3
    AttackerLuck,
    DefenderLuck,
    Hunter,           // ハンター
    OneHitKill,       // 一撃必殺
    Quick,            // the defender's クイック
    Veteran,          // 百戦練磨, the attacker's
    DefenderVeteran,
    Champion,         // 強者の証し, the attacker's
    DefenderChampion,
    Technique,        // 奥義 and 格闘 +0.1, the seals −0.2, 射撃 and ＳＰ攻撃 −0.1
    Evade,            // the defender's 回避
    Defend,           // the defender's 防御
    Flying,           // ×0.88 on a flying defender
    ShootFlying,      // 射撃 at a flying defender ×1.6
    Jump,             // from the air, or Ｊアタック ×1.3
    Dive,             // 落下攻撃 ×1.2
    Cloak,            // under クローク ×0.7
    Emotion,
    Element,
    Scope,            // スコープ +0.5
    Clamp,            // held within 0.15 – 0.95
    Fifty,            // フィフティ: 0.5
};

struct HitTerm {
    HitTermKind kind = HitTermKind::Speed;
    bool multiplies = false;  // amount is a factor, else it is added
    Fix4 amount{};
    Fix4 after{};

    bool operator==(const HitTerm&) const = default;
};

// The factors of the damage, in the order they apply.
enum class DamageTermKind : uint8_t {
    IgnoreDefence,   // 防御無視: ATK/10 + 10 + 40·L − 20·r instead
    Critical,
    Rush,            // 突撃 ×1.4
    RushTaken,       // into a 突撃 ×1.3
    Seals,           // both seals at 1 ×1.25
    ReadAhead,       // 先読み against 回避 ×1.3
    Element,
    SpBlastCap,      // SPﾌﾞﾗｽﾄ over 400: 400 + 30·r
    Powerful,        // パワフル ×1.15
    StatusGuard,     // the defender's 状態防御 ×0.85
    Breakfall,       // 受け身 ×0.7
    Defend,          // the defender's 防御 ×0.6
    DefencePierce,   // 防御貫通 ÷0.6 ×1.15
    WallBreak,       // 壁砕き ÷0.45
    Underground,     // ×0.7
    Floor,           // below 37: 37 + Int(7·r)
    ShootFlying,     // 射撃 at a flying defender ×1.2
    CrossCounter,    // into a ｸﾛｽｶｳﾝﾀｰ ×1.25
    Flurry,          // 乱れ打ち ×0.4
    FlurryFloor,     // below 28: 28 + Int(7·r)
    IronWall,        // 鉄壁: 0
    IronWallPierce,  // 鉄壁貫通: the kept value ×1.15
    Pierce,          // 貫通 ×1.15
    Emotion,
    BossGuard,       // ÷2.5
    FinalAttack,     // Ｆアタック: a seventh of the maximum HP
    VitalGuard,      // 急所外し: 200
    LethalCap,       // no more than the HP left
    Guts,            // ガッツ / ゾンビ: one HP kept
    CloneShare,      // a clone's hit: (0.25 + 0.04·r) of the main hit
};

struct DamageTerm {
    DamageTermKind kind = DamageTermKind::Critical;
    bool replaces = false;  // sets the value by its own rule instead of multiplying
    double multiplier = 1;
    double divisor = 1;
    int16_t before = 0;
    int16_t after = 0;

    bool operator==(const DamageTerm&) const = default;
};

struct HitExplanation {
    static constexpr int kMaxHitTerms = 28;
    static constexpr int kMaxDamageTerms = 32;
    static constexpr int kMaxDraws = 24;

    uint32_t sequence = 0;  // the record's number in the battle, from 1, in the order they began
    uint32_t follows = 0;   // a Status record: the sequence of the hit it follows (0: none)
    int16_t turn = 0;
    HitKind kind = HitKind::Strike;
    HitRole role = HitRole::Main;
    int8_t attacker = 0;
    int8_t defender = 1;
    int16_t technique = 0;   // the attacker's technique during the hit
    int16_t power = 0;
    int16_t level = 0;       // of the attacker's current slot
    int16_t hitSequence = 0;  // 0 first, 2 middle, 1 last hit of a multi-hit technique
    int8_t attackerElement = 0;
    int8_t defenderElement = 0;
    double elementFactor = 1;

    // The hit check (Strike and Check).
    bool checked = false;
    int16_t attackerSpeed = 0;  // min(2000, SPD + modifier)
    int16_t defenderSpeed = 0;
    std::array<HitTerm, kMaxHitTerms> hitTerms{};
    uint8_t hitTermCount = 0;
    Fix4 hitChance{};
    HitDecision decidedBy = HitDecision::Draw;
    bool landed = false;
    bool turnedBack = false;  // ｶｳﾝﾀｰ turned the attack back

    // The damage (Strike that landed, Counter).
    bool damaged = false;
    int16_t attack = 0;       // ATK + modifier
    int16_t defence = 0;      // DEF + modifier
    double attackPower = 0;   // attack^1.03
    double defencePower = 0;  // defence^0.9
    int16_t gathered = 0;     // タメ's 260
    int32_t base = 0;         // E: CInt(attackPower − defencePower + 100·r) + タメ + 700
    int16_t baseDamage = 0;   // CInt(((E/1000)^0.7 · power)^0.8)
    std::array<DamageTerm, kMaxDamageTerms> damageTerms{};
    uint8_t damageTermCount = 0;
    bool critical = false;
    int16_t damage = 0;       // the damage of the hit
    int16_t hpLoss = 0;       // what the defender lost (a clone's share; 0 without damage)

    // The status (Status).
    int16_t status = -1;
    int16_t statusTurns = 0;
    bool statusApplied = false;

    // The draws of the record, in order (the first kMaxDraws).
    std::array<DrawNote, kMaxDraws> draws{};
    uint8_t drawCount = 0;
    bool drawsCut = false;  // more draws than were kept

    void addHitTerm(HitTermKind kind, bool multiplies, Fix4 amount, Fix4 after);
    void addDamageTerm(const DamageTerm& term);
    void addDraw(const DrawNote& note);
    // The draw with this purpose, or nullptr.
    const DrawNote* draw(DrawPurpose purpose) const;

    bool operator==(const HitExplanation&) const = default;
};

// Receives each record when its hit is done, and, for the calculator, every draw of the
// battle with what the rules made of it. A listener must not touch the battle.
class HitListener {
public:
    virtual ~HitListener() = default;
    virtual void hitResolved(const HitExplanation&) {}
    // A draw was made; `scope` is the purpose of the rule that asked for it when that rule
    // notes none itself (a status's duration, a confused fighter's technique).
    virtual void drawMade(Fix4 /*value*/, DrawPurpose /*scope*/) {}
    // How the rules used the draw made last.
    virtual void drawUsed(const DrawNote&) {}
};

std::string_view drawPurposeName(DrawPurpose purpose);
std::string_view drawUseName(DrawUse use);
std::string_view hitKindName(HitKind kind);
std::string_view hitRoleName(HitRole role);
std::string_view hitDecisionName(HitDecision decision);
std::string_view hitTermName(HitTermKind kind);
std::string_view damageTermName(DamageTermKind kind);
// The name of a status (マヒ, 毒, ...), "" for a number without one.
std::string_view statusName(int status);

// The record as one JSON object (without a line break).
std::string hitExplanationJson(const HitExplanation& hit);

// The record as the one line a player reads, in the game's language, e.g.
//   "通常攻撃: 命中 72% (乱数 0.31) ATK 400 − DEF 300 (乱数 0.5) 威力 200 → 72 × クリティカル 1.3
//    × 属性 0.8 (火→水) = 75"
// The words go through `wording` (the windows show them in their language); the numbers and
// their order stay as they are.
std::string hitBreakdownLine(const HitExplanation& hit, const Wording& wording = {});

}  // namespace vex
