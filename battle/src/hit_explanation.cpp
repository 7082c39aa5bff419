// A hit's record: adding to it, and the two ways it is shown — JSON and the player's line.

#include "vexmora/battle/hit_explanation.h"

#include <charconv>

#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/fixed_point.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/data/translatable.h"

namespace vex {

int64_t DrawNote::outcomeOf(Fix4 r) const {
    switch (use) {
    case DrawUse::Above: return r.toDouble() > threshold ? 1 : 0;
    case DrawUse::Below: return r.toDouble() < threshold ? 1 : 0;
    case DrawUse::Floor: return intOf(scale, r, offset);
    case DrawUse::Round: return cintOf(scale, r, offset);
    case DrawUse::Unknown: break;
    }
    return 0;
}

void HitExplanation::addHitTerm(HitTermKind kind, bool multiplies, Fix4 amount, Fix4 after) {
    if (hitTermCount >= kMaxHitTerms) return;
    hitTerms[hitTermCount++] = {kind, multiplies, amount, after};
}

void HitExplanation::addDamageTerm(const DamageTerm& term) {
    if (damageTermCount >= kMaxDamageTerms) return;
    damageTerms[damageTermCount++] = term;
}

void HitExplanation::addDraw(const DrawNote& note) {
    if (drawCount >= kMaxDraws) {
        drawsCut = true;
        return;
    }
    draws[drawCount++] = note;
}

const DrawNote* HitExplanation::draw(DrawPurpose purpose) const {
    for (int i = 0; i < drawCount; ++i)
        if (draws[static_cast<size_t>(i)].purpose == purpose) return &draws[static_cast<size_t>(i)];
    return nullptr;
}

std::string_view drawPurposeName(DrawPurpose purpose) {
    switch (purpose) {
    case DrawPurpose::Unnoted: return "unnoted";
    case DrawPurpose::Lucky: return "lucky";
    case DrawPurpose::Scope: return "scope";
    case DrawPurpose::Hit: return "hit";
    case DrawPurpose::Read: return "read";
    case DrawPurpose::Ghost: return "ghost";
    case DrawPurpose::Base: return "base";
    case DrawPurpose::IgnoreDefence: return "ignoreDefence";
    case DrawPurpose::Critical: return "critical";
    case DrawPurpose::SpBlast: return "spBlast";
    case DrawPurpose::Breakfall: return "breakfall";
    case DrawPurpose::DefencePierce: return "defencePierce";
    case DrawPurpose::Floor: return "floor";
    case DrawPurpose::FlurryFloor: return "flurryFloor";
    case DrawPurpose::IronWall: return "ironWall";
    case DrawPurpose::IronWallPierce: return "ironWallPierce";
    case DrawPurpose::Pierce: return "pierce";
    case DrawPurpose::VitalGuard: return "vitalGuard";
    case DrawPurpose::Guts: return "guts";
    case DrawPurpose::Counter: return "counter";
    case DrawPurpose::Reaction: return "reaction";
    case DrawPurpose::FootSweep: return "footSweep";
    case DrawPurpose::SpConvert: return "spConvert";
    case DrawPurpose::StrikeBack: return "strikeBack";
    case DrawPurpose::Pursuit: return "pursuit";
    case DrawPurpose::Finish: return "finish";
    case DrawPurpose::FinishChoice: return "finishChoice";
    case DrawPurpose::CloneShare: return "cloneShare";
    case DrawPurpose::ZombiePoison: return "zombiePoison";
    case DrawPurpose::CloneLoss: return "cloneLoss";
    case DrawPurpose::Status: return "status";
    case DrawPurpose::StatusTurns: return "statusTurns";
    case DrawPurpose::HitCount: return "hitCount";
    case DrawPurpose::Strength: return "strength";
    case DrawPurpose::SelfStrikeFloor: return "selfStrikeFloor";
    case DrawPurpose::ConfusedCommand: return "confusedCommand";
    }
    return "unnoted";
}

std::string_view drawUseName(DrawUse use) {
    switch (use) {
    case DrawUse::Unknown: return "unknown";
    case DrawUse::Above: return "above";
    case DrawUse::Below: return "below";
    case DrawUse::Floor: return "floor";
    case DrawUse::Round: return "round";
    }
    return "unknown";
}

std::string_view hitKindName(HitKind kind) {
    switch (kind) {
    case HitKind::Strike: return "strike";
    case HitKind::Check: return "check";
    case HitKind::Counter: return "counter";
    case HitKind::Status: return "status";
    }
    return "strike";
}

std::string_view hitRoleName(HitRole role) {
    switch (role) {
    case HitRole::Main: return "main";
    case HitRole::StrikeBack: return "strikeBack";
    case HitRole::Pursuit: return "pursuit";
    case HitRole::Clone: return "clone";
    }
    return "main";
}

std::string_view hitDecisionName(HitDecision decision) {
    switch (decision) {
    case HitDecision::Draw: return "draw";
    case HitDecision::Foresight: return "foresight";
    case HitDecision::SureHit: return "sureHit";
    case HitDecision::CrossCounter: return "crossCounter";
    case HitDecision::DefenderLucky: return "defenderLucky";
    case HitDecision::DefenderJumping: return "defenderJumping";
    case HitDecision::Read: return "read";
    case HitDecision::FinalAttack: return "finalAttack";
    }
    return "draw";
}

std::string_view hitTermName(HitTermKind kind) {
    switch (kind) {
    case HitTermKind::Speed: return "speed";
    case HitTermKind::Critical: return "critical";
    case HitTermKind::AccuracyUp: return "accuracyUp";
    case HitTermKind::AttackerLuck: return "attackerLuck";
    case HitTermKind::DefenderLuck: return "defenderLuck";
    case HitTermKind::Hunter: return "hunter";
    case HitTermKind::OneHitKill: return "oneHitKill";
    case HitTermKind::Quick: return "quick";
    case HitTermKind::Veteran: return "veteran";
    case HitTermKind::DefenderVeteran: return "defenderVeteran";
    case HitTermKind::Champion: return "champion";
    case HitTermKind::DefenderChampion: return "defenderChampion";
    case HitTermKind::Technique: return "technique";
    case HitTermKind::Evade: return "evade";
    case HitTermKind::Defend: return "defend";
    case HitTermKind::Flying: return "flying";
    case HitTermKind::ShootFlying: return "shootFlying";
    case HitTermKind::Jump: return "jump";
    case HitTermKind::Dive: return "dive";
    case HitTermKind::Cloak: return "cloak";
    case HitTermKind::Emotion: return "emotion";
    case HitTermKind::Element: return "element";
    case HitTermKind::Scope: return "scope";
    case HitTermKind::Clamp: return "clamp";
    case HitTermKind::Fifty: return "fifty";
    }
    return "speed";
}

std::string_view damageTermName(DamageTermKind kind) {
    switch (kind) {
    case DamageTermKind::IgnoreDefence: return "ignoreDefence";
    case DamageTermKind::Critical: return "critical";
    case DamageTermKind::Rush: return "rush";
    case DamageTermKind::RushTaken: return "rushTaken";
    case DamageTermKind::Seals: return "seals";
    case DamageTermKind::ReadAhead: return "readAhead";
    case DamageTermKind::Element: return "element";
    case DamageTermKind::SpBlastCap: return "spBlastCap";
    case DamageTermKind::Powerful: return "powerful";
    case DamageTermKind::StatusGuard: return "statusGuard";
    case DamageTermKind::Breakfall: return "breakfall";
    case DamageTermKind::Defend: return "defend";
    case DamageTermKind::DefencePierce: return "defencePierce";
    case DamageTermKind::WallBreak: return "wallBreak";
    case DamageTermKind::Underground: return "underground";
    case DamageTermKind::Floor: return "floor";
    case DamageTermKind::ShootFlying: return "shootFlying";
    case DamageTermKind::CrossCounter: return "crossCounter";
    case DamageTermKind::Flurry: return "flurry";
    case DamageTermKind::FlurryFloor: return "flurryFloor";
    case DamageTermKind::IronWall: return "ironWall";
    case DamageTermKind::IronWallPierce: return "ironWallPierce";
    case DamageTermKind::Pierce: return "pierce";
    case DamageTermKind::Emotion: return "emotion";
    case DamageTermKind::BossGuard: return "bossGuard";
    case DamageTermKind::FinalAttack: return "finalAttack";
    case DamageTermKind::VitalGuard: return "vitalGuard";
    case DamageTermKind::LethalCap: return "lethalCap";
    case DamageTermKind::Guts: return "guts";
    case DamageTermKind::CloneShare: return "cloneShare";
    }
    return "critical";
}

namespace {

std::string number(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// A factor as a player reads it: at most four decimals.
std::string factorText(double value) { return Fix4::fromDouble(value).text(); }

std::string percentText(Fix4 chance) {
    // 0.7212 -> "72.12%"
    return Fix4::fromUnits(chance.units() * 100).text() + "%";
}

// The contexts of the breakdown's words: its own labels and patterns, and the names it shows.
constexpr char kWords[] = "HitBreakdown";
constexpr char kElementWords[] = "Element";
constexpr char kTechniqueWords[] = "TechniqueName";
constexpr char kStatusWords[] = "BattleText";

// The element as the breakdown shows it: 無 for none.
std::string elementText(int element, const Wording& w) {
    const std::string_view name = elementName(element);
    return name.empty() ? w.word(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "無")) : w.word(kElementWords, name);
}

std::string techniqueTitle(int id, const Wording& w) {
    if (id < 0 || id > TechniqueCatalogue::kMaxId) return std::to_string(id);
    return w.word(kTechniqueWords, techniqueEntry(id).techTitle);
}

// " (乱数 0.3412)": the draw that decided a part.
std::string drawText(const Fix4& value, const Wording& w) {
    return " (" + w.fill(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "乱数 %1"), {value.text()}) + ")";
}

class JsonObject {
public:
    JsonObject& raw(std::string_view key, const std::string& value) {
        out_ += out_.empty() ? "{" : ",";
        out_ += jsonString(key) + ":" + value;
        return *this;
    }
    JsonObject& text(std::string_view key, std::string_view value) { return raw(key, jsonString(value)); }
    JsonObject& integer(std::string_view key, int64_t value) { return raw(key, std::to_string(value)); }
    JsonObject& real(std::string_view key, double value) { return raw(key, number(value)); }
    JsonObject& fix(std::string_view key, Fix4 value) { return raw(key, value.text()); }
    JsonObject& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
    std::string done() { return out_.empty() ? "{}" : out_ + "}"; }

private:
    std::string out_;
};

std::string drawJson(const DrawNote& d) {
    JsonObject o;
    o.text("purpose", drawPurposeName(d.purpose)).fix("value", d.value).text("use", drawUseName(d.use));
    if (d.use == DrawUse::Above || d.use == DrawUse::Below) o.real("threshold", d.threshold);
    if (d.use == DrawUse::Floor || d.use == DrawUse::Round) o.fix("scale", d.scale).fix("offset", d.offset);
    if (d.use != DrawUse::Unknown) o.integer("outcome", d.outcome);
    return o.flag("decides", d.decides).done();
}

template <class Item, class Each>
std::string array(const Item* items, int count, Each&& each) {
    std::string out = "[";
    for (int i = 0; i < count; ++i) out += (i > 0 ? "," : "") + each(items[i]);
    return out + "]";
}

// The player's words for a damage factor.
std::string_view damageTermLabel(DamageTermKind kind) {
    switch (kind) {
    case DamageTermKind::IgnoreDefence: return QT_TRANSLATE_NOOP("HitBreakdown", "防御無視");
    case DamageTermKind::Critical: return QT_TRANSLATE_NOOP("HitBreakdown", "クリティカル");
    case DamageTermKind::Rush: return QT_TRANSLATE_NOOP("HitBreakdown", "突撃");
    case DamageTermKind::RushTaken: return QT_TRANSLATE_NOOP("HitBreakdown", "突撃へ");
    case DamageTermKind::Seals: return QT_TRANSLATE_NOOP("HitBreakdown", "封印");
    case DamageTermKind::ReadAhead: return QT_TRANSLATE_NOOP("HitBreakdown", "先読み");
    case DamageTermKind::Element: return QT_TRANSLATE_NOOP("HitBreakdown", "属性");
    case DamageTermKind::SpBlastCap: return QT_TRANSLATE_NOOP("HitBreakdown", "SPﾌﾞﾗｽﾄ上限");
    case DamageTermKind::Powerful: return QT_TRANSLATE_NOOP("HitBreakdown", "パワフル");
    case DamageTermKind::StatusGuard: return QT_TRANSLATE_NOOP("HitBreakdown", "状態防御");
    case DamageTermKind::Breakfall: return QT_TRANSLATE_NOOP("HitBreakdown", "受け身");
    case DamageTermKind::Defend: return QT_TRANSLATE_NOOP("HitBreakdown", "防御");
    case DamageTermKind::DefencePierce: return QT_TRANSLATE_NOOP("HitBreakdown", "防御貫通");
    case DamageTermKind::WallBreak: return QT_TRANSLATE_NOOP("HitBreakdown", "壁砕き");
    case DamageTermKind::Underground: return QT_TRANSLATE_NOOP("HitBreakdown", "地中");
    case DamageTermKind::Floor: return QT_TRANSLATE_NOOP("HitBreakdown", "最低保証");
    case DamageTermKind::ShootFlying: return QT_TRANSLATE_NOOP("HitBreakdown", "飛行中");
    case DamageTermKind::CrossCounter: return QT_TRANSLATE_NOOP("HitBreakdown", "ｸﾛｽｶｳﾝﾀｰ");
    case DamageTermKind::Flurry: return QT_TRANSLATE_NOOP("HitBreakdown", "乱れ打ち");
    case DamageTermKind::FlurryFloor: return QT_TRANSLATE_NOOP("HitBreakdown", "最低保証");
    case DamageTermKind::IronWall: return QT_TRANSLATE_NOOP("HitBreakdown", "鉄壁");
    case DamageTermKind::IronWallPierce: return QT_TRANSLATE_NOOP("HitBreakdown", "鉄壁貫通");
    case DamageTermKind::Pierce: return QT_TRANSLATE_NOOP("HitBreakdown", "貫通");
    case DamageTermKind::Emotion: return QT_TRANSLATE_NOOP("HitBreakdown", "感情");
    case DamageTermKind::BossGuard: return QT_TRANSLATE_NOOP("HitBreakdown", "ボス");
    case DamageTermKind::FinalAttack: return QT_TRANSLATE_NOOP("HitBreakdown", "最大HP/7");
    case DamageTermKind::VitalGuard: return QT_TRANSLATE_NOOP("HitBreakdown", "急所外し");
    case DamageTermKind::LethalCap: return QT_TRANSLATE_NOOP("HitBreakdown", "残りHP");
    case DamageTermKind::Guts: return QT_TRANSLATE_NOOP("HitBreakdown", "ガッツ");
    case DamageTermKind::CloneShare: return QT_TRANSLATE_NOOP("HitBreakdown", "分身");
    }
    return "";
}

std::string_view decisionLabel(HitDecision decision) {
    switch (decision) {
    case HitDecision::Draw: return "";
    case HitDecision::Foresight: return QT_TRANSLATE_NOOP("HitBreakdown", "見切り");
    case HitDecision::SureHit: return QT_TRANSLATE_NOOP("HitBreakdown", "必中");
    case HitDecision::CrossCounter: return QT_TRANSLATE_NOOP("HitBreakdown", "ｸﾛｽｶｳﾝﾀｰ");
    case HitDecision::DefenderLucky: return QT_TRANSLATE_NOOP("HitBreakdown", "ラッキー");
    case HitDecision::DefenderJumping: return QT_TRANSLATE_NOOP("HitBreakdown", "空中");
    case HitDecision::Read: return QT_TRANSLATE_NOOP("HitBreakdown", "見切られた");
    case HitDecision::FinalAttack: return QT_TRANSLATE_NOOP("HitBreakdown", "必中");
    }
    return "";
}

std::string_view roleLabel(const HitExplanation& hit) {
    if (hit.kind == HitKind::Counter) return QT_TRANSLATE_NOOP("HitBreakdown", "ｶｳﾝﾀｰ ");
    switch (hit.role) {
    case HitRole::Main: return "";
    case HitRole::StrikeBack: return QT_TRANSLATE_NOOP("HitBreakdown", "反撃 ");
    case HitRole::Pursuit: return QT_TRANSLATE_NOOP("HitBreakdown", "追撃 ");
    case HitRole::Clone: return QT_TRANSLATE_NOOP("HitBreakdown", "分身 ");
    }
    return "";
}

// "命中 72.12% (乱数 0.3412)", "MISS 命中 72.12% (乱数 0.8123)", "MISS (見切り)", "必中".
std::string hitPart(const HitExplanation& hit, const Wording& w) {
    const DrawNote* draw = hit.draw(DrawPurpose::Hit);
    std::string out = hit.landed ? "" : "MISS ";
    if (hit.decidedBy != HitDecision::Draw) {
        const std::string label = w.word(kWords, decisionLabel(hit.decidedBy));
        return hit.landed ? label : out + "(" + label + ")";
    }
    out += w.fill(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "命中 %1"), {percentText(hit.hitChance)});
    if (draw != nullptr) out += drawText(draw->value, w);
    return out;
}

std::string damagePart(const HitExplanation& hit, const Wording& w) {
    std::string out;
    if (hit.role == HitRole::Clone) {
        out = w.fill(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "本体 %1"), {std::to_string(hit.baseDamage)});
    } else {
        out = "ATK " + std::to_string(hit.attack) + " − DEF " + std::to_string(hit.defence);
        if (const DrawNote* base = hit.draw(DrawPurpose::Base)) out += drawText(base->value, w);
        if (hit.gathered != 0) out += " + " + w.word(kStatusWords, "タメ");
        out += " " + w.fill(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "威力 %1"), {std::to_string(hit.power)}) + " → " +
               std::to_string(hit.baseDamage);
    }
    for (int i = 0; i < hit.damageTermCount; ++i) {
        const DamageTerm& term = hit.damageTerms[static_cast<size_t>(i)];
        const std::string label = w.word(kWords, damageTermLabel(term.kind));
        if (term.replaces && term.kind != DamageTermKind::CloneShare) {
            out += " → " + label + " " + std::to_string(term.after);
            continue;
        }
        std::string factor = factorText(term.multiplier);
        if (term.divisor != 1) factor = (term.multiplier != 1 ? factor : "") + "÷" + factorText(term.divisor);
        out += " × " + label + " " + factor;
        if (term.kind == DamageTermKind::Element)
            out += " (" + elementText(hit.attackerElement, w) + "→" + elementText(hit.defenderElement, w) + ")";
    }
    return out + " = " + std::to_string(hit.damage);
}

}  // namespace

std::string hitExplanationJson(const HitExplanation& hit) {
    JsonObject o;
    o.integer("sequence", hit.sequence).integer("turn", hit.turn).text("kind", hitKindName(hit.kind));
    o.text("role", hitRoleName(hit.role)).integer("attacker", hit.attacker).integer("defender", hit.defender);
    o.integer("technique", hit.technique).integer("power", hit.power).integer("level", hit.level);
    o.integer("hitSequence", hit.hitSequence);
    o.raw("elements", "[" + std::to_string(hit.attackerElement) + "," + std::to_string(hit.defenderElement) + "]");
    o.real("elementFactor", hit.elementFactor);
    if (hit.checked) {
        JsonObject check;
        check.integer("attackerSpeed", hit.attackerSpeed).integer("defenderSpeed", hit.defenderSpeed);
        check.raw("terms", array(hit.hitTerms.data(), hit.hitTermCount, [](const HitTerm& t) {
            JsonObject term;
            term.text("term", hitTermName(t.kind)).fix(t.multiplies ? "factor" : "add", t.amount).fix("after", t.after);
            return term.done();
        }));
        check.fix("chance", hit.hitChance).text("decidedBy", hitDecisionName(hit.decidedBy)).flag("landed", hit.landed);
        check.flag("turnedBack", hit.turnedBack);
        o.raw("hit", check.done());
    }
    if (hit.damaged) {
        JsonObject damage;
        damage.integer("attack", hit.attack).integer("defence", hit.defence);
        damage.real("attackPower", hit.attackPower).real("defencePower", hit.defencePower);
        damage.integer("gathered", hit.gathered).integer("base", hit.base).integer("baseDamage", hit.baseDamage);
        damage.raw("terms", array(hit.damageTerms.data(), hit.damageTermCount, [](const DamageTerm& t) {
            JsonObject term;
            term.text("term", damageTermName(t.kind));
            if (t.multiplier != 1) term.real("multiplier", t.multiplier);
            if (t.divisor != 1) term.real("divisor", t.divisor);
            term.flag("replaces", t.replaces).integer("before", t.before).integer("after", t.after);
            return term.done();
        }));
        damage.flag("critical", hit.critical).integer("damage", hit.damage).integer("hpLoss", hit.hpLoss);
        o.raw("damage", damage.done());
    }
    if (hit.kind == HitKind::Status) {
        JsonObject status;
        status.integer("status", hit.status).text("name", statusName(hit.status)).integer("follows", hit.follows);
        status.integer("turns", hit.statusTurns).flag("applied", hit.statusApplied);
        o.raw("status", status.done());
    }
    o.raw("draws", array(hit.draws.data(), hit.drawCount, drawJson));
    if (hit.drawsCut) o.flag("drawsCut", true);
    return o.done();
}

std::string hitBreakdownLine(const HitExplanation& hit, const Wording& w) {
    if (hit.kind == HitKind::Status) {
        std::string out = w.word(kStatusWords, statusName(hit.status));
        const DrawNote* draw = hit.draw(DrawPurpose::Status);
        if (hit.statusApplied)
            out += " " + w.fill(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "%1ターン"), {std::to_string(hit.statusTurns)});
        else if (draw != nullptr && draw->outcome != 0)
            out += " " + w.word(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "無効"));
        else
            out += " " + w.word(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "なし"));
        if (draw != nullptr)
            out += " (" + w.fill(kWords, "乱数 %1", {draw->value.text()}) + (draw->outcome != 0 ? " > " : " ≤ ") +
                   factorText(draw->threshold) + ")";
        return out;
    }
    std::string out = w.word(kWords, roleLabel(hit)) + techniqueTitle(hit.technique, w) + ": ";
    if (hit.kind != HitKind::Counter) out += hitPart(hit, w);
    if (hit.turnedBack) out += " → " + w.word(kWords, QT_TRANSLATE_NOOP("HitBreakdown", "ｶｳﾝﾀｰ"));
    if (hit.damaged) out += (hit.kind == HitKind::Counter ? "" : " ") + damagePart(hit, w);
    return out;
}

}  // namespace vex
