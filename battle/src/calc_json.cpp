// The damage calculator's result as JSON.

#include <charconv>

#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/damage_calculator.h"
#include "vexmora/battle/hit_explanation.h"

namespace vex {

namespace {

std::string number(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string methodName(CalcMethod method) { return method == CalcMethod::Exact ? "exact" : "sampled"; }

std::string chanceJson(const CalcChance& c) {
    std::string out = "{\"chance\":" + number(c.value) + ",\"method\":\"" + methodName(c.method) + "\"";
    if (c.method == CalcMethod::Sampled)
        out += ",\"samples\":" + std::to_string(c.samples) + ",\"low\":" + number(c.interval.low) +
               ",\"high\":" + number(c.interval.high);
    return out + "}";
}

std::string damageJson(const CalcDamage& d) {
    std::string out = "{\"method\":\"" + methodName(d.method) + "\"";
    if (d.method == CalcMethod::Sampled) out += ",\"samples\":" + std::to_string(d.samples);
    out += ",\"min\":" + std::to_string(d.min) + ",\"median\":" + std::to_string(d.median) +
           ",\"max\":" + std::to_string(d.max) + ",\"mean\":" + number(d.mean) + ",\"distribution\":[";
    for (size_t i = 0; i < d.distribution.size(); ++i)
        out += (i > 0 ? ",[" : "[") + std::to_string(d.distribution[i].first) + "," + number(d.distribution[i].second) + "]";
    return out + "]}";
}

std::string slotJson(const SlotCalc& s) {
    std::string out = "{\"slot\":" + std::to_string(s.slot) + ",\"technique\":" + std::to_string(s.technique) +
                      ",\"name\":" + jsonString(s.name) + ",\"level\":" + std::to_string(s.level) +
                      ",\"element\":" + std::to_string(s.element) + ",\"usable\":" + (s.usable ? "true" : "false");
    if (!s.usable) return out + "}";
    out += ",\"checksHit\":" + std::string(s.checksHit ? "true" : "false");
    if (s.checksHit) out += ",\"hit\":" + chanceJson(s.hit);
    if (!s.hitDamage.distribution.empty())
        out += ",\"critical\":" + chanceJson(s.critical) + ",\"hitDamage\":" + damageJson(s.hitDamage);
    out += ",\"use\":{\"method\":\"" + methodName(s.useMethod) + "\"";
    if (s.useMethod == CalcMethod::Sampled) out += ",\"samples\":" + std::to_string(s.useSamples);
    out += ",\"damageChance\":" + number(s.damageChance.value) + ",\"meanDamage\":" + number(s.meanDamage);
    if (s.damages) out += ",\"damage\":" + damageJson(s.useDamage);
    out += ",\"statuses\":[";
    for (size_t i = 0; i < s.statuses.size(); ++i)
        out += (i > 0 ? ",{" : "{") + std::string("\"status\":") + std::to_string(s.statuses[i].status) +
               ",\"name\":" + jsonString(statusName(s.statuses[i].status)) + ",\"chance\":" + number(s.statuses[i].chance) + "}";
    out += "]}";
    if (s.knockOutSampled) {
        const CalcKnockOut& k = s.knockOut;
        out += ",\"knockOut\":{\"method\":\"sampled\",\"battles\":" + std::to_string(k.battles) +
               ",\"knockOuts\":" + std::to_string(k.knockOuts);
        if (k.knockOuts > 0)
            out += ",\"meanTurns\":" + number(k.meanTurns) + ",\"medianTurns\":" + std::to_string(k.medianTurns) +
                   ",\"minTurns\":" + std::to_string(k.minTurns) + ",\"maxTurns\":" + std::to_string(k.maxTurns);
        out += "}";
    }
    return out + "}";
}

}  // namespace

std::string calcJson(const CalcResult& result) {
    std::string out = "{\"type\":\"calc\",\"attacker\":" + jsonString(result.attacker) +
                      ",\"defender\":" + jsonString(result.defender) + ",\"stage\":" + std::to_string(result.stage) +
                      ",\"initialHp\":" + std::to_string(result.initialHp) +
                      ",\"defenderHp\":" + std::to_string(result.defenderHp) + ",\"slots\":[";
    for (size_t i = 0; i < result.slotCalcs.size(); ++i) out += (i > 0 ? "," : "") + slotJson(result.slotCalcs[i]);
    return out + "],\"timing\":{\"seconds\":" + number(result.seconds) + "}}";
}

}  // namespace vex
