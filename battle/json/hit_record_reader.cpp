// The battle log's hit records, read back (the inverse of hitExplanationJson).

#include "vexmora/battle/hit_record_reader.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace vex {

namespace {

using nlohmann::json;

// Thrown inside the reader for a record that is not one; caught at its edge.
struct Refusal {
    std::string why;
};

[[noreturn]] void refuse(std::string why) { throw Refusal{std::move(why)}; }

const json& member(const json& object, const char* key) {
    if (!object.is_object()) refuse("not an object");
    const auto found = object.find(key);
    if (found == object.end()) refuse(std::string("no \"") + key + "\"");
    return *found;
}

template <class Int>
Int whole(const json& value, const char* key) {
    if (!value.is_number_integer()) refuse(std::string("\"") + key + "\" is not a whole number");
    const bool tooLarge = value.is_number_unsigned() &&
                          value.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const auto n = value.get<int64_t>();
    if (tooLarge || n < static_cast<int64_t>(std::numeric_limits<Int>::min()) ||
        n > static_cast<int64_t>(std::numeric_limits<Int>::max()))
        refuse(std::string("\"") + key + "\" is out of range");
    return static_cast<Int>(n);
}
template <class Int>
Int integer(const json& object, const char* key) {
    return whole<Int>(member(object, key), key);
}

double number(const json& value, const char* key) {
    if (!value.is_number()) refuse(std::string("\"") + key + "\" is not a number");
    const double n = value.get<double>();
    if (!std::isfinite(n)) refuse(std::string("\"") + key + "\" is out of range");
    return n;
}
double real(const json& object, const char* key) { return number(member(object, key), key); }
double real(const json& object, const char* key, double absent) {
    if (!object.is_object()) refuse("not an object");
    const auto found = object.find(key);
    return found == object.end() ? absent : number(*found, key);
}

// Chances, draws and their scales: four decimals, far below a million.
Fix4 fix(const json& object, const char* key) {
    const double n = real(object, key);
    if (std::fabs(n) > 1e6) refuse(std::string("\"") + key + "\" is out of range");
    return Fix4::fromDouble(n);
}

bool flag(const json& object, const char* key) {
    const json& value = member(object, key);
    if (!value.is_boolean()) refuse(std::string("\"") + key + "\" is not true or false");
    return value.get<bool>();
}

// The enum value whose name the writer gave; names are unique within each enum.
template <class Enum>
Enum named(const json& object, const char* key, std::string_view (*nameOf)(Enum)) {
    const json& value = member(object, key);
    if (!value.is_string()) refuse(std::string("\"") + key + "\" is not a name");
    const auto& text = value.get_ref<const std::string&>();
    for (int n = 0; n <= std::numeric_limits<uint8_t>::max(); ++n)
        if (nameOf(static_cast<Enum>(n)) == text) return static_cast<Enum>(n);
    refuse(std::string("\"") + key + "\" names nothing: " + text.substr(0, 40));
}

const json& list(const json& object, const char* key, size_t most) {
    const json& value = member(object, key);
    if (!value.is_array()) refuse(std::string("\"") + key + "\" is not a list");
    if (value.size() > most) refuse(std::string("\"") + key + "\" has more than " + std::to_string(most) + " entries");
    return value;
}

void readHitCheck(const json& check, HitExplanation& hit) {
    hit.checked = true;
    hit.attackerSpeed = integer<int16_t>(check, "attackerSpeed");
    hit.defenderSpeed = integer<int16_t>(check, "defenderSpeed");
    for (const json& t : list(check, "terms", HitExplanation::kMaxHitTerms)) {
        HitTerm term;
        term.kind = named(t, "term", hitTermName);
        term.multiplies = t.is_object() && t.contains("factor");
        term.amount = fix(t, term.multiplies ? "factor" : "add");
        term.after = fix(t, "after");
        hit.hitTerms[hit.hitTermCount++] = term;
    }
    hit.hitChance = fix(check, "chance");
    hit.decidedBy = named(check, "decidedBy", hitDecisionName);
    hit.landed = flag(check, "landed");
    hit.turnedBack = flag(check, "turnedBack");
}

void readDamage(const json& damage, HitExplanation& hit) {
    hit.damaged = true;
    hit.attack = integer<int16_t>(damage, "attack");
    hit.defence = integer<int16_t>(damage, "defence");
    hit.attackPower = real(damage, "attackPower");
    hit.defencePower = real(damage, "defencePower");
    hit.gathered = integer<int16_t>(damage, "gathered");
    hit.base = integer<int32_t>(damage, "base");
    hit.baseDamage = integer<int16_t>(damage, "baseDamage");
    for (const json& t : list(damage, "terms", HitExplanation::kMaxDamageTerms)) {
        DamageTerm term;
        term.kind = named(t, "term", damageTermName);
        term.multiplier = real(t, "multiplier", 1);
        term.divisor = real(t, "divisor", 1);
        term.replaces = flag(t, "replaces");
        term.before = integer<int16_t>(t, "before");
        term.after = integer<int16_t>(t, "after");
        hit.damageTerms[hit.damageTermCount++] = term;
    }
    hit.critical = flag(damage, "critical");
    hit.damage = integer<int16_t>(damage, "damage");
    hit.hpLoss = integer<int16_t>(damage, "hpLoss");
}

void readStatus(const json& status, HitExplanation& hit) {
    hit.status = integer<int16_t>(status, "status");
    hit.follows = integer<uint32_t>(status, "follows");
    hit.statusTurns = integer<int16_t>(status, "turns");
    hit.statusApplied = flag(status, "applied");
}

DrawNote readDraw(const json& d) {
    DrawNote note;
    note.purpose = named(d, "purpose", drawPurposeName);
    note.value = fix(d, "value");
    note.use = named(d, "use", drawUseName);
    if (note.use == DrawUse::Above || note.use == DrawUse::Below) note.threshold = real(d, "threshold");
    if (note.use == DrawUse::Floor || note.use == DrawUse::Round) {
        note.scale = fix(d, "scale");
        note.offset = fix(d, "offset");
    }
    if (note.use != DrawUse::Unknown) note.outcome = integer<int64_t>(d, "outcome");
    note.decides = flag(d, "decides");
    return note;
}

HitExplanation readRecord(const json& j) {
    if (!j.is_object()) refuse("not an object");
    if (const auto type = j.find("type"); type != j.end() && *type != "hit") refuse("not a hit record");
    HitExplanation hit;
    hit.sequence = integer<uint32_t>(j, "sequence");
    hit.turn = integer<int16_t>(j, "turn");
    hit.kind = named(j, "kind", hitKindName);
    hit.role = named(j, "role", hitRoleName);
    hit.attacker = integer<int8_t>(j, "attacker");
    hit.defender = integer<int8_t>(j, "defender");
    if (hit.attacker < 0 || hit.attacker > 1 || hit.defender != 1 - hit.attacker) refuse("the fighters are not 0 and 1");
    hit.technique = integer<int16_t>(j, "technique");
    hit.power = integer<int16_t>(j, "power");
    hit.level = integer<int16_t>(j, "level");
    hit.hitSequence = integer<int16_t>(j, "hitSequence");
    const json& elements = list(j, "elements", 2);
    if (elements.size() != 2) refuse("\"elements\" is not the attacker's and the defender's");
    hit.attackerElement = whole<int8_t>(elements[0], "elements");
    hit.defenderElement = whole<int8_t>(elements[1], "elements");
    hit.elementFactor = real(j, "elementFactor");
    if (const auto check = j.find("hit"); check != j.end()) readHitCheck(*check, hit);
    if (const auto damage = j.find("damage"); damage != j.end()) readDamage(*damage, hit);
    if (hit.kind == HitKind::Status) readStatus(member(j, "status"), hit);
    for (const json& d : list(j, "draws", HitExplanation::kMaxDraws)) hit.addDraw(readDraw(d));
    if (const auto cut = j.find("drawsCut"); cut != j.end()) hit.drawsCut = flag(j, "drawsCut");
    return hit;
}

}  // namespace

Result<HitExplanation> readHitRecord(std::string_view text) {
    const auto refused = [](const std::string& why) { return Error{"hit record", "not a hit record: " + why}; };
    if (text.size() > kMaxHitRecordBytes) return refused("longer than " + std::to_string(kMaxHitRecordBytes) + " bytes");
    const json j = json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) return refused("not JSON");
    try {
        return readRecord(j);
    } catch (const Refusal& r) {
        return refused(r.why);
    } catch (const json::exception& e) {
        return refused(e.what());
    }
}

}  // namespace vex
